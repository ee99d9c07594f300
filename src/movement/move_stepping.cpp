#include "movement/move_stepping.h"

#include "engine/game_state.h"
#include "engine/turn_controller.h"
#include "movement/ask.h"
#include "movement/blocking.h"
#include "movement/driver_card.h"
#include "movement/move_execution.h"
#include "movement/move_options.h"
#include "movement/planned_move.h"
#include "movement/remaining_count.h"
#include "view/navigation.h"

namespace tarmaq {

namespace {

const char* const AreYouSure = "\r\nAre you sure you want to make this move?";

bool planning(const Game& game) {
  const std::string* step = game.currentStep();
  return game.controls.movePanel.visible && step && *step == "MOVE WAIT";
}

// A move is being planned: the planning commands act only then.
bool planningStep(const Game& game) {
  const std::string* step = game.currentStep();
  return step && *step == "MOVE WAIT";
}

bool inPitOrGarage(const Game& game, int lane) {
  return lane == game.track.pitLane || lane == game.track.garageLane;
}

bool elimination(Game& game, const char* first) {
  const Answer a = askPlayer(game, "Elimination Alert", std::string(first) + AreYouSure,
                             MessageIcon::Error, MessageButtons::YesNo);
  if (agreed(a))
    eliminateOnTires(game);
  else
    resetMove(game);
  return true;
}

// Overshooting a corner with stops still owed. Returns true when the step ended the
// planning (a reset, an elimination, a spin-out).
bool overshoot(Game& game, Car& car) {
  Snapshot& snap = game.snapshot;
  if (snap.stops > 1)
    return elimination(game, "Skipping 2 or more stops will cause your car to be eliminated!");
  if (snap.stops != 1) return false;
  snap.laneUsed.fill(True);  // no more lane changes in this move
  --snap.tires;
  markWearPicture(game, WearRow::Tires, snap.tires, true);
  if (car.tires > 0 && snap.tires > 0) return false;
  if (remainingCount(game) > 0)
    return elimination(game, "This move will cause your car to be eliminated!");
  const Answer a = askPlayer(game, "Spin-Out Warning",
                             std::string("This move will cause your car to spin out!") + AreYouSure,
                             MessageIcon::Error, MessageButtons::YesNo);
  if (!agreed(a)) {
    resetMove(game);
    return true;
  }
  if (car.inRace()) {
    car.status = SpunOut;
    car.speed = 0;
    car.displaySpeed = 0;
    car.gear = 0;
  }
  acceptMove(game);
  return true;
}

void takeOnCorner(Game& game, const Space& here) {
  Snapshot& snap = game.snapshot;
  // Also when the stops went below zero by stopping twice in a 1-stop corner.
  if (here.segment % 2 == 0 || snap.stops > 0) return;
  snap.segment = here.segment;
  if (const Corner* corner = game.track.cornerOf(here.segment)) snap.stops = corner->requiredStops;
  snap.laneUsed.fill(False);
}

void offerSlipstream(Game& game, const Car& car, int p) {
  const Rules& rules = game.rules;
  if (rules[Rule::Slipstreaming] != 1 || car.gear < rules[Rule::SlipstreamGear] ||
      car.brakes != game.snapshot.brakes || inPitOrGarage(game, laneOf(p)))
    return;
  const int ahead = spaceAhead(game, p);
  for (const Car& other : game.cars) {
    if (ahead < 0 || other.location != ahead || other.gear < rules[Rule::SlipstreamGear] ||
        other.gear > car.gear)
      continue;
    setRemainingCount(game, rules[Rule::SlipstreamMove]);
    showMoveOptions(game, p, ShowOptionsColor, ShowOptionsMode);
    const auto& lanes = game.controls.movePanel.laneEnabled;
    if (!lanes[0] && !lanes[2]) {
      setRemainingCount(game, 0);  // no way out of the slipstream
      return;
    }
    const Answer a = askPlayer(game, "Slipstream Possible",
                               "Your car is eligible for a slipstream.\r\nWould you like to "
                               "utilize it?",
                               MessageIcon::Question, MessageButtons::YesNo);
    if (agreed(a)) {
      game.snapshot.slipstream = 1;
      writeToGameLog(game, 29, 10, commentLine(game, 15, 40, game.currCar), false, LogGreen);
    } else {
      setRemainingCount(game, 0);
    }
    return;
  }
}

void afterStep(Game& game) {
  const int p = game.moves.back();
  Car* car = game.car(game.currCar);
  const Space* here = game.track.space(p);
  if (!car || !here) return;
  const int L = laneOf(p);
  const int s = spaceIndexOf(p);
  const bool offTrack = inPitOrGarage(game, L);
  Snapshot& snap = game.snapshot;

  if (game.options.autoScroll) scrollToSpace(game, p);
  game.view.requestRedraw();  // the car is drawn on its planned space

  if (here->segment % 2 == 0 && !offTrack && L < static_cast<int>(snap.laneUsed.size()))
    snap.laneUsed[static_cast<std::size_t>(L)] =
        carOn(game, spaceAhead(game, p), game.currCar) ? False : True;

  if (L == game.track.pitLane && s == 0) car->status = EnteringPits;

  if (here->marker == car->pitSpace + 40) {
    setRemainingCount(game, 1);  // the own garage ends the move
    car->status = InThePits;
  }

  const int previous = game.moves[game.moves.size() - 2];
  if (spaceIndexOf(previous) != 0 && !offTrack && s == 0 && car->lap == game.laps)
    setRemainingCount(game, 0);  // the finish line on the last lap
  else
    setRemainingCount(game, remainingCount(game) - 1);

  if (game.rules[Rule::Overshooting] == 1 && snap.segment != here->segment) {
    if (car->lap > 0 && overshoot(game, *car)) return;
    takeOnCorner(game, *here);
  }

  if (remainingCount(game) <= 0) offerSlipstream(game, *car, p);

  if (remainingCount(game) > 0) {
    showMoveOptions(game, p, ShowOptionsColor, ShowOptionsMode);
    checkBlocking(game, p);
    return;
  }
  game.controls.movePanel.laneEnabled = {false, false, false};
  if (snap.slipstream == 1 && here->segment % 2 != 0) {
    // A slipstream that ends in a corner needs a brake point of this move.
    if (snap.brakes < 1) {
      askPlayer(game, "Invalid Slipstream Move",
                "The slipstream has ended your move in a corner, this requires the\r\nuse of 1 "
                "brake point. Unfortunately you have no brake points\r\nremaining. The move will "
                "be reset.",
                MessageIcon::Warning, MessageButtons::Ok);
      resetMove(game);
    } else {
      --snap.brakes;
    }
  }
}

// A garage arrival that is taken back leaves the car in the pit lane again.
void leaveGarageStatus(Game& game) {
  Car* car = game.car(game.currCar);
  if (!car || car->status != InThePits) return;
  const Space* last = game.track.space(lastPlannedSpace(game));
  if (!last || last->marker != car->pitSpace + 40) car->status = EnteringPits;
}

}  // namespace

void moveButtonClick(Game& game, int index) {
  if (index < 0 || index > 2 || !planning(game) ||
      !game.controls.movePanel.laneEnabled[static_cast<std::size_t>(index)])
    return;
  const int p = lastPlannedSpace(game);
  const Space* here = game.track.space(p);
  if (!here) return;
  const int target = index == 1   ? spaceAhead(game, p)
                     : index == 0 ? here->nextLink1
                                  : here->nextLink2;
  stepTo(game, target);
  game.controls.trackViewHasFocus = true;
}

void stepTo(Game& game, int target) {
  if (!planningStep(game) || !game.track.space(target) || !game.car(game.currCar)) return;
  if (game.moves.empty()) game.moves.push_back(lastPlannedSpace(game));
  showMoveOptions(game, game.moves.back(), EraseOptionsColor, EraseOptionsMode);
  game.moves.push_back(target);
  afterStep(game);
}

void eliminateOnTires(Game& game) {
  const int c = game.currCar;
  advanceGame(game, "STAT " + std::to_string(c) + " 21");
  writeToGameLog(game, 28, 26, commentLine(game, 20, 30, c), false, LogRed);
  acceptMove(game);
}

void undoStep(Game& game) {
  if (!planningStep(game) || game.moves.size() <= 1) return;  // the start of the move stays
  showMoveOptions(game, game.moves.back(), EraseOptionsColor, EraseOptionsMode);
  game.view.requestRedraw();  // the car is wiped from the space it leaves
  // The brake point a slipstream into a corner cost belongs to the space that ended
  // the move there: taken back with it, or stepping into the corner again would pay a
  // second one.
  if (remainingCount(game) == 0 && slipstreamCornerBrakePaid(game)) ++game.snapshot.brakes;
  game.moves.pop_back();
  leaveGarageStatus(game);
  setRemainingCount(game, remainingCount(game) + 1);
  showMoveOptions(game, game.moves.back(), ShowOptionsColor, ShowOptionsMode);
}

void stepBackCommand(Game& game) {
  if (planning(game) && game.controls.movePanel.stepBackEnabled) undoStep(game);
}

void resetMove(Game& game) {
  if (!planningStep(game)) return;
  if (game.moves.empty()) game.moves.push_back(lastPlannedSpace(game));
  game.moves.resize(1);
  setRemainingCount(game, game.snapshot.move);
  takeSnapshot(game);
  leaveGarageStatus(game);
  dieValueChanged(game);
  refreshMoveOptions(game);
  showDriverCard(game, game.currCar);
}

void resetMoveCommand(Game& game) {
  if (planning(game) && game.controls.movePanel.resetEnabled) {
    resetMove(game);
    game.controls.trackViewHasFocus = true;
  }
}

}  // namespace tarmaq
