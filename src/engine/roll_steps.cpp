// The "ROLL GEAR", "ROLL CLSN", "ROLL ENGN" and "ROLL ROAD" steps.
#include "engine/die_panel.h"
#include "engine/game_state.h"
#include "engine/step_handlers.h"
#include "engine/turn_controller.h"

namespace tarmaq {

namespace {

const std::string Wait(10, ' ');
const std::string Result(15, ' ');

std::string rolledLine(const Game& game, const std::string& value, const char* what) {
  return Result + carName(game, game.currCar) + " rolled " + value + " for " + what;
}

}  // namespace

StoreStep handleGearRoll(Game& game, const std::string& step) {
  Car* car = game.car(game.currCar);
  if (!car) return StoreStep::Yes;
  if (step == "ROLL GEAR WAIT") {
    if (car->gear == 0) {
      car->status = Running;  // stalled at the start: now in first gear
      showGear(game, 1);
      setDie(game, 1);
    } else {
      setDie(game, car->gear);
    }
    writeToGameLog(
        game, 100, 11,
        Wait + "Waiting for " + car->driverName +
            (game.currRound == 1 ? " to roll for movement" : " to shift or roll for movement"),
        false, LogBlack);
    return StoreStep::Yes;
  }
  const std::string value = step.substr(10);
  game.snapshot.move = trailingNumber(step, step.size() - 10);
  writeToGameLog(game, 6, car->gear + 1, rolledLine(game, value, "movement"), false, LogBlack);
  return StoreStep::Yes;
}

StoreStep handleDamageRoll(Game& game, const std::string& step) {
  const std::string kind = step.substr(5, 4);
  const char* what = kind == "CLSN"   ? "possible collision"
                     : kind == "ENGN" ? "possible engine damage"
                                      : "possible road holding damage";
  const std::string name = carName(game, game.currCar);
  const std::string arg = step.size() > 10 ? step.substr(10) : std::string();
  if (arg == "WAIT") {
    setDie(game, 0);
    // The value of the roll before is hidden, or the next roll could never be made.
    game.controls.diePanel.valueVisible = false;
    writeToGameLog(game, 100, 11, Wait + "Waiting for " + name + " to roll for " + what, false,
                   LogBlack);
  } else if (arg == "AUTO" && kind != "ROAD") {
    setDie(game, 0);
    game.controls.diePanel.visible = true;
    game.controls.diePanel.valueVisible = false;
    writeToGameLog(game, kind == "CLSN" ? 7 : 8, 35,
                   Wait + "Computer auto-roll for " + name + " for " + what, false, LogBlack);
  } else {
    if (kind == "ENGN") {
      if (Car* car = game.car(game.currCar)) car->engnFlag = False;
      startTimer(game, TimerId::EngineRoll, ResultPauseMs);
    }
    writeToGameLog(game, kind == "CLSN" ? 7 : 8, 1, rolledLine(game, arg, what), false, LogBlack);
  }
  return StoreStep::Yes;
}

}  // namespace tarmaq
