// "SHFT", "MOVE", "WEAR" and "MAIL SENT": what happens to the active car.
#include <filesystem>

#include "engine/die_panel.h"
#include "engine/game_state.h"
#include "engine/step_handlers.h"
#include "engine/turn_controller.h"
#include "log/race_comment.h"
#include "movement/move_options.h"
#include "movement/remaining_count.h"
#include "view/view_timers.h"

namespace tarmaq {

StoreStep handleShift(Game& game, std::string& step) {
  Car* car = game.car(game.currCar);
  const int g = step.empty() ? -1 : step.back() - '0';
  if (!car || g < 0 || g > 9) return StoreStep::Yes;
  const std::string indent(10, ' ');
  if (g > car->gear) {
    if (car->gear == 0)
      writeToGameLog(game, 11, g + 1,
                     indent + car->driverName + " shifts into gear " + std::to_string(g), false,
                     LogBlack);
    else
      writeToGameLog(game, 11, g + 1,
                     indent + car->driverName + " upshifts from gear " + std::to_string(car->gear) +
                         " into gear " + std::to_string(g),
                     false, LogBlack);
  } else if (g < car->gear) {
    writeToGameLog(game, 11, g + 1,
                   indent + car->driverName + " downshifts from gear " + std::to_string(car->gear) +
                       " into gear " + std::to_string(g),
                   false, LogBlack);
  }
  // Skipping gears on the way down costs fuel, then brakes, then the engine.
  const int skipped = car->gear - game.snapshot.gear;
  if (skipped >= 2 && skipped <= 4) advanceGame(game, "WEAR FUEL");
  if (skipped >= 3 && skipped <= 4) advanceGame(game, "WEAR BRAK");
  if (skipped == 4) advanceGame(game, "WEAR ENGN");
  if (Car* shifted = game.car(game.currCar)) shifted->gear = g;
  showGear(game, g);
  return StoreStep::Yes;
}

namespace {

StoreStep beginMove(Game& game) {
  Car* car = game.car(game.currCar);
  if (!car) return StoreStep::Yes;
  writeToGameLog(game, 100, 11, "          Waiting for " + car->driverName + " to move", false,
                 LogBlack);
  if (game.moves.empty()) game.moves.push_back(0);
  game.moves[0] = car->location;
  game.controls.movePanel.visible = true;
  game.controls.trackViewHasFocus = true;
  // The panel's buttons follow the count afresh for every move, even when the count
  // reads as it did at the end of the move before.
  dieValueChanged(game);
  // From the last planned space: a move resumed from a file goes on where it stood.
  showMoveOptions(game, lastPlannedSpace(game), LogBlue, 6);
  // The blocking check follows once "MOVE WAIT" is stored (advanceGame).
  return StoreStep::Yes;
}

// An executed move: the car stands on its last planned space, labelled by its roll.
void finishMove(Game& game) {
  game.controls.movePanel.visible = false;
  game.controls.movePanel.acceptEnabled = false;
  Car* car = game.car(game.currCar);
  if (!car || car->status > 19) return;
  if (game.moves.size() < 2) return;  // a move of no space changes nothing
  car->location = game.moves.back();
  if (car->status == SpunOut) return;
  const int n = static_cast<int>(game.moves.size()) - 1;
  const GearDie* die = game.raceClass.gear(car->gear);
  const int faces = car->gear >= 1 && car->gear <= MaxGears
                        ? GearFaceCounts[static_cast<std::size_t>(car->gear - 1)]
                        : 0;
  const int lowest = die ? die->lowest() : 0;
  const bool comments = game.options.showInGameLog[29];
  if (n >= faces && car->status < 10 && car->gear > 3) {
    car->status = MaxSpeed;
    if (comments)
      writeToGameLog(game, 29, 37, commentLine(game, 5, 22, game.currCar), false, LogBlue);
  } else if (lowest >= n && car->status < 10 && car->gear > 3) {
    car->status = Bogged;
    if (comments)
      writeToGameLog(game, 29, 37, commentLine(game, 5, 23, game.currCar), false, LogBlue);
  } else {
    const int lane = laneOf(car->location);
    if (lane != game.track.pitLane && lane != game.track.garageLane && game.currRound >= 2)
      car->status = Running;
  }
}

}  // namespace

StoreStep handleMove(Game& game, std::string& step) {
  if (step == "MOVE WAIT") return beginMove(game);
  finishMove(game);
  return StoreStep::Yes;
}

namespace {

const std::string WearIndent(20, ' ');

void crash(Game& game, int c) {
  writeToGameLog(game, 28, 26, commentLine(game, 20, 31, c), false, LogRed);
  advanceGame(game, "STAT " + std::to_string(c) + " 22");
}

void useBodyPoint(Game& game, Car& car) {
  --car.body;
  writeToGameLog(game, 21, 21, WearIndent + car.driverName + " used a bodywork point", false,
                 LogRed);
  if (car.body != 0) return;
  const int victim = game.currCar;
  crash(game, victim);
  // A collision that destroys the other car damages the mover as well, while the mover
  // is still in the race.
  const int moverNumber = game.mover();
  Car* mover = game.car(moverNumber);
  if (victim == moverNumber || !mover || !mover->inRace()) return;
  writeToGameLog(game, 21, 21, WearIndent + mover->driverName + " took damage as well!", false,
                 LogRed);
  --mover->body;
  if (mover->body > 0) {
    --game.snapshot.clsn;
  } else {
    writeToGameLog(game, 28, 26, commentLine(game, 20, 31, moverNumber), false, LogRed);
    game.snapshot.clsn = 0;
    advanceGame(game, "STAT " + std::to_string(moverNumber) + " 22");
  }
}

}  // namespace

StoreStep handleWear(Game& game, std::string& step) {
  if (game.options.flashWear) requestScreenFlash(game, FlashOnce);
  Car* car = game.car(game.currCar);
  if (!car) return StoreStep::Yes;
  const int c = game.currCar;
  const std::string kind = step.size() >= 9 ? step.substr(5, 4) : std::string();
  if (kind == "TIRE") {
    --car->tires;
    writeToGameLog(game, 18, 18, WearIndent + car->driverName + " used a tire point!", false,
                   LogRed);
    if (car->tires == 0) writeToGameLog(game, 29, 25, commentLine(game, 20, 5, c), false, LogRed);
  } else if (kind == "BRAK") {
    --car->brakes;
    writeToGameLog(game, 19, 19, WearIndent + raceComment(game, 6, c, 0), false, LogRed);
    if (car->brakes == 0)
      writeToGameLog(game, 29, 40,
                     WearIndent + "'" + car->driverName + " no longer has the ability to brake!'",
                     false, LogRed);
  } else if (kind == "FUEL") {
    --car->fuel;
    writeToGameLog(game, 20, 20, commentLine(game, 20, 8, c), false, LogRed);
    if (car->fuel == 0) writeToGameLog(game, 29, 40, commentLine(game, 20, 9, c), false, LogRed);
  } else if (kind == "ENGN") {
    --car->engine;
    writeToGameLog(game, 22, 22, WearIndent + car->driverName + " used an engine point!", false,
                   LogRed);
  } else if (kind == "BODY") {
    useBodyPoint(game, *car);
  } else if (kind == "ROAD") {
    --car->roadHold;
    writeToGameLog(game, 23, 23, WearIndent + car->driverName + " used a road holding point", false,
                   LogRed);
  }
  return StoreStep::Yes;
}

StoreStep handleMailSent(Game& game, std::string& step) {
  if (!startsWith(step, "MAIL SENT")) return StoreStep::Yes;
  const std::string file = std::filesystem::path(game.gameFileName).filename().string();
  const Car* car = game.car(game.currCar);
  writeToGameLog(game, 100, 41,
                 "     Game File: '" + file + "' sent to " + (car ? car->eMail : std::string()),
                 false, LogBlack);
  return StoreStep::Yes;
}

}  // namespace tarmaq
