#include "driver/auto_driver.h"

#include "engine/game_state.h"
#include "engine/rolls.h"
#include "engine/turn_controller.h"
#include "movement/driver_card.h"
#include "movement/move_execution.h"
#include "movement/move_stepping.h"
#include "movement/remaining_count.h"

namespace tarmaq {

double AutoDriver::draw() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

Answer AutoDriver::answer(const Game&, const Message& message) {
  if (message.buttons == MessageButtons::Ok) return Answer::Ok;
  const bool ruinous = message.text.find("eliminated") != std::string::npos ||
                       message.text.find("spin out") != std::string::npos;
  // A player refuses a move that wrecks the car, and plans again, unless every way it
  // tries ends the same: then it gives in, so that the race goes on.
  if (ruinous) return ++refusals_ > 6 ? Answer::Yes : Answer::No;
  if (message.title == "Slipstream Possible") return draw() < 0.7 ? Answer::Yes : Answer::No;
  // The gear was chosen knowing the corner ahead.
  if (message.title == "Overtshoot Warning") return Answer::Yes;
  return draw() < 0.9 ? Answer::Yes : Answer::No;
}

namespace {

// Whether a roll of `spaces` from the car's space runs past the corner it has to stop
// in: the next corner from a straight, this one while stops are owed.
bool overshoots(const Game& game, const Car& car, int spaces) {
  const int lane = laneOf(car.location);
  const int n = game.track.spaceCount(lane);
  if (n <= 0 || car.location < 0) return false;
  const int seg = game.snapshot.segment;
  for (int k = 1; k <= spaces; ++k) {
    const Space* s = game.track.space(makeLocation(lane, (spaceIndexOf(car.location) + k) % n));
    if (!s) return false;
    const int S = s->segment;
    if (S < seg) return false;  // a new lap: the segments start again
    if (game.snapshot.stops >= 1 ? S > seg : (seg % 2 != 0 ? S >= seg + 3 : S >= seg + 2))
      return true;
  }
  return false;
}

}  // namespace

int AutoDriver::chooseGear(const Game& game) {
  const Car* car = game.car(game.currCar);
  if (!car || game.currRound <= 1) return 0;
  const auto& gears = game.controls.driverCard.gears;
  auto available = [&](int g) { return gears[static_cast<std::size_t>(g - 1)].enabled; };
  // The highest gear whose fastest roll stays within reach of the corner's stops; else
  // the highest whose slowest roll does; else the lowest gear there is.
  int chosen = 0;
  for (int pass = 0; pass < 2 && chosen == 0; ++pass) {
    for (int g = std::min(6, car->gear + 1); g >= 1; --g) {
      const GearDie* die = game.raceClass.gear(g);
      if (!available(g) || !die) continue;
      if (!overshoots(game, *car, pass == 0 ? die->highest() : die->lowest())) {
        chosen = g;
        break;
      }
    }
  }
  for (int g = 1; g <= 6 && chosen == 0; ++g)
    if (available(g)) chosen = g;
  // Now and then a player keeps the gear it has, whatever the corner.
  return chosen != 0 && draw() < 0.95 ? chosen : 0;
}

DriverAction AutoDriver::planMove(const Game& game) {
  const auto& panel = game.controls.movePanel;
  if (!panel.visible) return {};
  if (panel.acceptEnabled && remainingCount(game) <= 0) {
    movesWithoutProgress_ = 0;
    refusals_ = 0;
    return {DriverAction::Accept};
  }
  // A lane: straight ahead most of the time, a side step now and then.
  int options[3];
  int n = 0;
  for (int i : {1, 0, 2})
    if (panel.laneEnabled[static_cast<std::size_t>(i)]) options[n++] = i;
  if (n > 0) {
    int pick = options[0];
    if (n > 1 && draw() < 0.35) pick = options[1 + static_cast<int>(draw() * (n - 1)) % (n - 1)];
    return {DriverAction::Lane, pick};
  }
  // Nowhere to go: a brake point shortens the move; else start the move again.
  if (brakingPossible(game)) {
    const int brake = lastAvailableBrakePicture(game);
    if (brake >= 0) return {DriverAction::Brake, brake};
  }
  if (panel.acceptEnabled) return {DriverAction::Accept};
  if (panel.resetEnabled && ++movesWithoutProgress_ < 5) return {DriverAction::Reset};
  return {};
}

DriverAction AutoDriver::decide(const Game& game) {
  const std::string* current = game.currentStep();
  if (!current) return {};
  const std::string& step = *current;
  if (step == "MOVE WAIT") return planMove(game);
  if (step.compare(0, 4, "ROLL") != 0 || !endsWith(step, "WAIT")) return {};
  if (step == "ROLL GEAR WAIT" &&
      !(gearChosenRound_ == game.currRound && gearChosenStep_ == game.currStep)) {
    gearChosenRound_ = game.currRound;
    gearChosenStep_ = game.currStep;
    if (const int gear = chooseGear(game)) return {DriverAction::SelectGear, gear};
  }
  return {DriverAction::Roll};
}

void AutoDriver::perform(Game& game, const DriverAction& action) {
  switch (action.kind) {
    case DriverAction::SelectGear:
      selectGear(game, action.arg);
      break;
    case DriverAction::Roll:
      rollCommand(game, RollBy::Player);
      break;
    case DriverAction::Lane:
      moveButtonClick(game, action.arg);
      break;
    case DriverAction::Brake:
      brakePicClick(game, action.arg);
      break;
    case DriverAction::Accept:
      acceptMoveCommand(game);
      break;
    case DriverAction::Reset:
      resetMoveCommand(game);
      break;
    case DriverAction::None:
      break;
  }
}

bool AutoDriver::act(Game& game) {
  DriverAction action = decide(game);
  if (action.kind == DriverAction::SelectGear) {
    perform(game, action);
    action = decide(game);
  }
  if (action.kind != DriverAction::Roll) {
    perform(game, action);
    return action.kind != DriverAction::None;
  }
  const std::string* current = game.currentStep();
  const std::string before = current ? *current : std::string();
  const int stepIndex = game.currStep;
  const int round = game.currRound;
  perform(game, action);
  const std::string* now = game.currentStep();
  return !(now && *now == before && game.currStep == stepIndex && game.currRound == round);
}

}  // namespace tarmaq
