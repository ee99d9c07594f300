#include "engine/rolls.h"

#include "engine/die_panel.h"
#include "engine/game_state.h"
#include "engine/pit_stop.h"
#include "engine/race_start.h"
#include "engine/random_source.h"
#include "engine/turn_controller.h"
#include "movement/blocking.h"
#include "movement/driver_card.h"
#include "view/view_timers.h"

namespace tarmaq {

void selectGear(Game& game, int g) {
  const std::string* step = game.currentStep();
  const auto& card = game.controls.driverCard;
  if (g < 1 || g > 6 || !step || *step != "ROLL GEAR WAIT" || game.currRound <= 1 ||
      !game.controls.diePanel.visible || !card.gears[static_cast<std::size_t>(g - 1)].enabled)
    return;
  const Car* car = game.car(game.currCar);
  if (!car) return;
  Snapshot& s = game.snapshot;
  s.fuel = car->fuel;
  s.brakes = car->brakes;
  s.engine = car->engine;
  showDriverCard(game, game.currCar);  // the pictures as the car has its points now
  const int skipped = car->gear - g;
  if (skipped >= 2 && skipped <= 4 && s.fuel > 0)
    markWearPicture(game, WearRow::Fuel, --s.fuel, true);
  if (skipped >= 3 && skipped <= 4 && s.brakes > 0)
    markWearPicture(game, WearRow::Brakes, --s.brakes, true);
  if (skipped == 4 && s.engine > 0) markWearPicture(game, WearRow::Engine, --s.engine, true);
  showGear(game, g);
}

std::string overshootWarning(const Game& game) {
  const std::string* step = game.currentStep();
  const Car* car = game.car(game.currCar);
  if (!step || *step != "ROLL GEAR WAIT" || !car || car->lap <= 0) return {};
  const int lane = laneOf(car->location);
  const int n = game.track.spaceCount(lane);
  const int kind = game.controls.diePanel.dieKind;
  const GearDie* die = game.raceClass.gear(kind);
  if (n <= 0 || !die) return {};
  const int target = (spaceIndexOf(car->location) + die->lowest()) % n;
  const Space* space = game.track.space(makeLocation(lane, target < 0 ? target + n : target));
  if (!space) return {};
  const int seg = game.snapshot.segment;
  const int S = space->segment;
  std::string first;
  if (game.snapshot.stops < 1) {
    if ((seg % 2 != 0 && S >= seg + 3) || (seg % 2 == 0 && S >= seg + 2))
      first = "A minimum roll in the current gear will cause you to overshoot the next corner!";
  } else if (S > seg) {
    first = "A minimum roll in the current gear will cause you to overshoot the current corner!";
  }
  if (first.empty()) return {};
  return first +
         "\nPerhaps you should rethink your gear selection.\nAre you sure you want to roll in "
         "gear " +
         std::to_string(kind) + "?";
}

void rollCommand(Game& game, RollBy by) {
  const std::string* step = game.currentStep();
  if (!step || !startsWith(*step, "ROLL")) return;
  const bool waiting =
      endsWith(*step, "WAIT") || (by == RollBy::Program && endsWith(*step, "AUTO"));
  if (!waiting) return;
  auto& die = game.controls.diePanel;
  if (by == RollBy::Player && !die.visible) return;
  if (die.valueVisible) return;

  const std::string warning = overshootWarning(game);
  if (!warning.empty() && game.services.frontend) {
    Message m{"Overtshoot Warning", warning, MessageIcon::Warning, MessageButtons::YesNo};
    if (game.services.frontend->ask(m) == Answer::No) return;
  }

  die.valueVisible = true;
  RandomSource* random = game.services.random;
  int value = 0;
  if (random) {
    const int frames = static_cast<int>(random->uniform() * 26 + 15);
    for (int k = 0; k < frames; ++k) {
      value = rollDie(game.raceClass, *random, die.dieKind);
      if (game.options.showDieAnim && game.services.frontend)
        game.services.frontend->showDieFrame(die.dieKind, value);
    }
  }
  if (!game.forcedRolls.empty()) {
    value = game.forcedRolls.front();
    game.forcedRolls.pop_front();
  }
  die.valueText = std::to_string(value);
  resolveRoll(game, value);
}

namespace {

int rule(const Game& game, Rule r) { return game.rules[r]; }

void addHazard(Game& game, int kind) {
  const Car* car = game.car(game.currCar);
  if (!car) return;
  game.hazards.push_back(Hazard{car->location, kind, game.currCar});
}

void resolveCollision(Game& game, int v) {
  const int mover = game.mover();
  const int active = game.currCar;
  const bool own = active == mover;
  const int t = rule(game, Rule::CollisionRoll);
  const std::string indent(20, ' ');
  if (v <= t) {
    writeToGameLog(game, 29, 38, commentLine(game, 20, own ? 17 : 16, active, mover), false,
                   LogRed);
    advanceGame(game, "WEAR BODY");
    showDriverCard(game, game.currCar);
    const Car* car = game.car(active);
    if (rule(game, Rule::RoadHolding) == 1 && car && car->inRace())
      addHazard(game, neighbourInLane(game, car->location));
  } else if (v == t + 1) {
    writeToGameLog(game, 29, 39, commentLine(game, 20, own ? 19 : 18, active, mover), false,
                   LogBlack);
  } else {
    writeToGameLog(game, 29, 39, commentLine(game, 20, own ? 21 : 20, active, mover), false,
                   LogBlack);
  }
  if (own && game.snapshot.clsn > 0) --game.snapshot.clsn;
  if (Car* car = game.car(active)) car->clsnFlag = False;
  startTimer(game, TimerId::CollisionRoll, ResultPauseMs);
}

void resolveEngine(Game& game, int v) {
  const int c = game.currCar;
  if (v <= rule(game, Rule::EngineDamageRoll)) {
    writeToGameLog(game, 22, 38, commentLine(game, 15, 11, c), false, LogRed);
    advanceGame(game, "WEAR ENGN");
    showDriverCard(game, c);
    if (rule(game, Rule::RoadHolding) == 1) addHazard(game, 3);
  } else {
    writeToGameLog(game, 29, 10,
                   "               " + carName(game, c) + " has avoided engine damage", false,
                   LogBlack);
  }
  // A car without engine points fails on this roll, also one that went below zero.
  const Car* car = game.car(c);
  if (car && car->inRace() && car->engine <= 0) {
    writeToGameLog(
        game, 28, 26,
        "                    " + car->driverName + " just cratered due to engine damage!", false,
        LogRed);
    advanceGame(game, "STAT " + std::to_string(c) + " 23");
  }
}

void resolveRoadHolding(Game& game, int v) {
  if (v > rule(game, Rule::RoadHoldingRoll)) return;
  writeToGameLog(game, 23, 38, commentLine(game, 15, 12, game.currCar), false, LogRed);
  advanceGame(game, "WEAR ROAD");
  showDriverCard(game, game.currCar);
}

}  // namespace

void resolveRoll(Game& game, int v) {
  const std::string* current = game.currentStep();
  if (!current) return;
  const std::string step = *current;
  const std::string value = std::to_string(v);
  if (step == "ROLL POSN WAIT") {
    resolveGridRoll(game, v);
  } else if (step == "ROLL STRT WAIT") {
    advanceGame(game, "ROLL STRT " + value);
  } else if (step == "ROLL PITS WAIT") {
    advanceGame(game, "ROLL PITS " + value);
  } else if (step == "ROLL GEAR WAIT") {
    const Car* car = game.car(game.currCar);
    if (game.currRound >= 2 && car && car->gear != game.snapshot.gear)
      advanceGame(game, "SHFT " + std::to_string(game.snapshot.gear));
    advanceGame(game, "ROLL GEAR " + value);
    advanceGame(game, "MOVE WAIT");
  } else if (step == "ROLL CLSN WAIT" || step == "ROLL CLSN AUTO") {
    advanceGame(game, "ROLL CLSN " + value);
    resolveCollision(game, v);
  } else if (step == "ROLL ENGN WAIT" || step == "ROLL ENGN AUTO") {
    advanceGame(game, "ROLL ENGN " + value);
    resolveEngine(game, v);
  } else if (step == "ROLL ROAD WAIT") {
    advanceGame(game, "ROLL ROAD " + value);
    startTimer(game, TimerId::RoadHoldingRoll, ResultPauseMs);
    resolveRoadHolding(game, v);
  }
}

void moveOnCommand(Game& game) {
  const std::string* current = game.currentStep();
  if (!current || endsWith(*current, "WAIT")) return;
  const std::string kind = current->substr(0, 9);
  auto shorten = [&](std::initializer_list<TimerId> ids) {
    for (TimerId id : ids) shortenTimer(game, id);
  };
  if (kind == "ROLL STRT")
    shorten({TimerId::NormalStart, TimerId::FlyingStart, TimerId::BadStart});
  else if (kind == "ROLL POSN")
    shorten({TimerId::GridRoll});
  else if (kind == "ROLL CLSN" || kind == "WEAR BODY")
    shorten({TimerId::CollisionRoll});
  else if (kind == "ROLL ENGN")
    shorten({TimerId::EngineRoll});
  else if (kind == "ROLL PITS")
    shorten({TimerId::PitStopQuick, TimerId::PitStopSlow});
  else if (kind == "ROLL ROAD")
    shorten({TimerId::RoadHoldingRoll});
  else
    // A pause that ended its roll with a wear or status step ("WEAR ENGN", "STAT 3 23")
    // is cut short too: whatever result timer runs.
    shortenResultTimers(game);
}

void resultTimerElapsed(Game& game, TimerId id) {
  if (viewTimerElapsed(game, id)) return;
  switch (id) {
    case TimerId::GridRoll:
      gridRollTimerElapsed(game);
      break;
    case TimerId::NormalStart:
    case TimerId::FlyingStart:
    case TimerId::BadStart:
      startTimerElapsed(game, id);
      break;
    case TimerId::PitStopQuick:
    case TimerId::PitStopSlow:
      pitStopTimerElapsed(game, id);
      break;
    default:
      break;  // the road-holding pause only ends; nothing continues it
  }
}

}  // namespace tarmaq
