#include "engine/race_start.h"

#include "engine/die_panel.h"
#include "engine/game_state.h"
#include "engine/rolls.h"
#include "engine/step_handlers.h"
#include "engine/turn_controller.h"
#include "view/navigation.h"

namespace tarmaq {

namespace {

const std::string Wait(10, ' ');
const std::string Result(15, ' ');

}  // namespace

void beginGridRolls(Game& game) {
  game.positions.clear();
  for (int c = 0; c < game.carCount(); ++c) game.positions.push_back(c);
  advanceGame(game, "DRVR 0");
  advanceGame(game, "ROLL POSN WAIT");
}

StoreStep handleGridRoll(Game& game, const std::string& step) {
  Car* car = game.car(game.currCar);
  if (!car) return StoreStep::Yes;
  if (step == "ROLL POSN WAIT") {
    setDie(game, 0);
    writeToGameLog(game, 100, 11,
                   Wait + "Waiting for " + car->driverName + " to roll for grid position", false,
                   LogBlack);
    return StoreStep::Yes;
  }
  const std::string value = step.substr(10);
  writeToGameLog(game, 100, 1, Result + car->driverName + " rolled " + value + " for grid position",
                 false, LogBlack);
  car->location = trailingNumber(step, value.size());
  startTimer(game, TimerId::GridRoll, ResultPauseMs);
  return StoreStep::Yes;
}

void resolveGridRoll(Game& game, int v) {
  for (int c = 0; c < game.carCount(); ++c) {
    if (c != game.currCar && game.cars[static_cast<std::size_t>(c)].location == v) {
      game.controls.diePanel.valueVisible = false;
      rollCommand(game, RollBy::Program);
      return;
    }
  }
  advanceGame(game, "ROLL POSN " + std::to_string(v));
}

void gridRollTimerElapsed(Game& game) {
  if (game.currCar != game.carCount() - 1) {
    advanceGame(game, "DRVR ADVN");
    advanceGame(game, "ROLL POSN WAIT");
    return;
  }
  // The lowest roll takes pole position.
  auto& order = game.positions;
  for (std::size_t i = 0; i + 1 < order.size(); ++i) {
    std::size_t best = i;
    for (std::size_t j = i + 1; j < order.size(); ++j) {
      const Car* a = game.car(order[j]);
      const Car* b = game.car(order[best]);
      if (a && b && a->location < b->location) best = j;
    }
    std::swap(order[i], order[best]);
  }
  startRace(game);
}

void startRace(Game& game) {
  game.currPos = 0;
  game.currCar = game.carAtPosition(0);
  advanceGame(game, "POSN GRID");
  for (Car& car : game.cars) car.lastRoundPos = car.startGrid - 1;
  centerCar(game, game.currCar);
  advanceGame(game, "ROUN");
  advanceGame(game, "DRVR " + std::to_string(game.currCar));
  advanceGame(game, "ROLL STRT WAIT");
  game.controls.standingsStale = true;
}

StoreStep handleStartRoll(Game& game, const std::string& step) {
  Car* car = game.car(game.currCar);
  if (!car) return StoreStep::Yes;
  const std::string name = car->driverName;
  if (step == "ROLL STRT WAIT") {
    setDie(game, 0);
    writeToGameLog(game, 100, 11, Wait + "Waiting for " + name + " to roll start", false, LogBlack);
    return StoreStep::Yes;
  }
  const std::string value = step.substr(10);
  const int v = trailingNumber(step, value.size());
  writeToGameLog(game, 5, 1, Result + name + " rolled " + value + " for start", false, LogBlack);
  const Rules& r = game.rules;
  const int c = game.currCar;
  if (r[Rule::BadStarts] == 1 && v <= r[Rule::BadStartRoll]) {
    writeToGameLog(game, 32, 38, commentLine(game, 15, 0, c), false, LogRed);
    car->status = Stalled;
    startTimer(game, TimerId::BadStart, ResultPauseMs);
  } else if (r[Rule::FlyingStarts] == 1 && v >= r[Rule::FlyingStartRoll]) {
    writeToGameLog(game, 32, 39, commentLine(game, 15, 1, c), false, LogGreen);
    car->status = FlyingStart;
    advanceGame(game, "SHFT 1");
    startTimer(game, TimerId::FlyingStart, ResultPauseMs);
  } else {
    writeToGameLog(game, 32, 8, Result + name + " gets a normal start", false, LogBlack);
    advanceGame(game, "SHFT 1");
    startTimer(game, TimerId::NormalStart, ResultPauseMs);
  }
  return StoreStep::Yes;
}

void startTimerElapsed(Game& game, TimerId id) {
  if (id == TimerId::BadStart) {
    passTheTurn(game);
  } else if (id == TimerId::FlyingStart) {
    setDie(game, 1);
    auto& die = game.controls.diePanel;
    die.valueText = std::to_string(game.rules[Rule::FlyingStartMove]);
    die.valueVisible = true;
    game.snapshot.move = game.rules[Rule::FlyingStartMove];
    advanceGame(game, "MOVE WAIT");
  } else {
    advanceGame(game, "ROLL GEAR WAIT");
  }
}

}  // namespace tarmaq
