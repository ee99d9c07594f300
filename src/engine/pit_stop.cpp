#include "engine/pit_stop.h"

#include "engine/die_panel.h"
#include "engine/game_state.h"
#include "engine/step_handlers.h"
#include "engine/turn_controller.h"
#include "movement/driver_card.h"

namespace tarmaq {

namespace {

const std::string Wait(10, ' ');
const std::string Result(15, ' ');

// The number rolled for the pit stop, from the current step ("ROLL PITS 7").
int pitRoll(const Game& game) {
  const std::string* step = game.currentStep();
  if (!step || step->size() <= 10 || step->compare(0, 10, "ROLL PITS ") != 0) return 0;
  return trailingNumber(*step, step->size() - 10);
}

}  // namespace

void beginPitStop(Game& game) {
  Car* car = game.car(game.currCar);
  if (!car) return;
  writeToGameLog(game, 26, 8, Wait + car->driverName + " is in the pits", false, LogBlack);
  game.view.requestRedraw();
  const int laps = game.laps >= 1 && game.laps <= 3 ? game.laps : 1;
  car->tires = game.raceClass.classWear[static_cast<std::size_t>(laps - 1)].tires;
  showDriverCard(game, game.currCar);
  writeToGameLog(game, 26, 18, Wait + car->driverName + " has a fresh set of tires", false,
                 LogBlack);
  advanceGame(game, "ROLL PITS WAIT");
}

StoreStep handlePitRoll(Game& game, const std::string& step) {
  const std::string name = carName(game, game.currCar);
  if (step == "ROLL PITS WAIT") {
    advanceGame(game, "SHFT 4");  // the car leaves the pits in fourth gear
    setDie(game, 0);
    writeToGameLog(game, 100, 11, Wait + "Waiting for " + name + " to roll for pit stop speed",
                   false, LogBlack);
    return StoreStep::Yes;
  }
  const std::string value = step.substr(10);
  const int v = trailingNumber(step, value.size());
  writeToGameLog(game, 10, 1, Result + name + " rolled " + value + " for pit stop speed", false,
                 LogBlack);
  if (v <= game.rules[Rule::FastPitRoll]) {
    writeToGameLog(game, 29, 10, commentLine(game, 15, 45, game.currCar), false, LogBlack);
    startTimer(game, TimerId::PitStopQuick, ResultPauseMs);
  } else {
    writeToGameLog(game, 29, 9, commentLine(game, 15, 46, game.currCar), false, LogRed);
    startTimer(game, TimerId::PitStopSlow, ResultPauseMs);
  }
  return StoreStep::Yes;
}

void pitStopTimerElapsed(Game& game, TimerId id) {
  if (id == TimerId::PitStopSlow) {
    passTheTurn(game);
    return;
  }
  Car* car = game.car(game.currCar);
  if (!car) return;
  const int n = (pitRoll(game) + 1) / 2;  // half the roll, rounded up
  setDie(game, 4);
  auto& die = game.controls.diePanel;
  die.valueText = std::to_string(n);
  die.valueVisible = true;
  // The exit move is planned from the car as it stands now: fresh tires, no lanes used.
  takeSnapshot(game);
  game.snapshot.move = n;
  game.moves.assign(1, 0);
  writeToGameLog(
      game, 29, 10,
      Result + car->driverName + " leaves the pits with " + std::to_string(n) + " spaces", false,
      LogBlack);
  car->status = ExitingPits;
  game.controls.standingsStale = true;
  advanceGame(game, "MOVE WAIT");
}

}  // namespace tarmaq
