// Whole turns driven through the player's commands only.
#include <gtest/gtest.h>

#include "engine/rolls.h"
#include "engine/turn_controller.h"
#include "movement/driver_card.h"
#include "movement/move_execution.h"
#include "movement/move_input.h"
#include "movement/move_stepping.h"
#include "movement/remaining_count.h"
#include "support/oval_board.h"

namespace tarmaq {
namespace {

using testing::OvalRace;

// An automatic driver: agrees to every question, rolls when asked, steps straight when it
// can (else to a side), accepts complete moves and lets result pauses run out. Returns
// false when the game offers nothing to do.
bool drive(OvalRace& f, int wantedGear) {
  Game& g = f.game;
  f.frontend.answers.assign(4, Answer::Yes);
  const std::string step = f.step();
  if (step == "SHOW RSLT") return false;
  if (step == "ROLL GEAR WAIT") {
    const Car* car = g.car(g.currCar);
    if (car && car->gear != wantedGear)
      selectGear(g, car->gear < wantedGear ? car->gear + 1 : wantedGear);
    rollCommand(g, RollBy::Player);
    return true;
  }
  if (step == "MOVE WAIT") {
    const MovePanel& panel = g.controls.movePanel;
    if (panel.acceptEnabled) {
      acceptMoveCommand(g);
    } else {
      const int index = panel.laneEnabled[1] ? 1 : panel.laneEnabled[0] ? 0 : 2;
      if (!panel.laneEnabled[static_cast<std::size_t>(index)]) return false;
      moveButtonClick(g, index);
    }
    return true;
  }
  if (step.size() > 4 && step.substr(step.size() - 4) == "WAIT") {
    rollCommand(g, RollBy::Player);
    return true;
  }
  return fireArmedResultTimer(g);
}

void expectSound(const OvalRace& f, const std::string& where) {
  const Game& g = f.game;
  for (int a = 0; a < g.carCount(); ++a) {
    const Car& car = g.cars[static_cast<std::size_t>(a)];
    for (int b = a + 1; b < g.carCount(); ++b) {
      if (car.inRace() && g.cars[static_cast<std::size_t>(b)].inRace()) {
        ASSERT_NE(car.location, g.cars[static_cast<std::size_t>(b)].location) << where;
      }
    }
    ASSERT_GE(car.tires, 0) << where;
    ASSERT_GE(car.brakes, 0) << where;
    ASSERT_GE(car.fuel, 0) << where;
    ASSERT_GE(g.snapshot.brakes, 0) << where;
  }
  ASSERT_EQ(static_cast<std::size_t>(g.currRound) + 1, g.gameLogArray.size()) << where;
  int inResults = 0;
  for (int r : g.results) inResults += r >= 0;
  int left = 0;
  for (const Car& car : g.cars) left += !car.inRace();
  ASSERT_EQ(inResults, left) << where;
}

TEST(Scenario, ACarDrivesAFullLapInEachGear) {
  for (int gear = 1; gear <= 6; ++gear) {
    OvalRace f(2);
    f.game.rules[Rule::Overshooting] = 0;
    f.game.laps = 3;
    for (int c = 0; c < 2; ++c) {
      f.car(c).gear = gear;
      f.car(c).lapLength.assign(4, 0);
      f.car(c).totalSpeed.assign(4, 0);
      f.car(c).avgSpeed.assign(4, 0);
    }
    f.car(1).location = 2000;
    std::uint32_t seed = 12345u + static_cast<std::uint32_t>(gear);
    for (int i = 0; i < 4000; ++i) {
      seed = seed * 1103515245u + 12345u;
      f.random.values.push_back((seed >> 8) % 10000 / 10000.0);
    }
    f.beginTurn(0);
    int commands = 0;
    while (f.car(0).inRace() && f.car(0).lap < 2 && commands < 3000) {
      ASSERT_TRUE(drive(f, gear)) << "stuck at " << f.step() << " in gear " << gear;
      expectSound(f, "gear " + std::to_string(gear));
      ++commands;
    }
    EXPECT_GE(f.car(0).lap, 2) << "gear " << gear;
  }
}

TEST(Scenario, RacesWithEveryRuleOnRunToTheirResults) {
  for (std::uint32_t seed : {1u, 7u, 42u}) {
    OvalRace f(3);
    f.game.laps = 1;
    for (int c = 0; c < 3; ++c) f.car(c).lap = 0;
    f.car(1).location = 2002;
    for (int i = 0; i < 20000; ++i) {
      seed = seed * 1103515245u + 12345u;
      f.random.values.push_back((seed >> 8) % 10000 / 10000.0);
    }
    f.beginTurn(0);
    int commands = 0;
    while (drive(f, 4 + static_cast<int>(seed % 3)) && commands < 20000) {
      expectSound(f, "seed " + std::to_string(seed));
      ++commands;
    }
    EXPECT_EQ(f.step(), "SHOW RSLT") << "seed " << seed;
  }
}

// Everything the game stores about the race, to see that a command changed nothing.
struct Fingerprint {
  std::vector<std::vector<std::string>> steps;
  std::vector<Car> cars;
  std::vector<int> moves;
  Snapshot snapshot;
  std::string die;
  bool operator==(const Fingerprint&) const = default;
};
Fingerprint fingerprint(const Game& g) {
  return {g.gameLogArray, g.cars, g.moves, g.snapshot, g.controls.diePanel.valueText};
}

TEST(BadInput, CommandsInTheWrongStateChangeNothing) {
  OvalRace f;
  f.car(1).location = 1004;  // ahead of car 0: no straight step
  f.beginTurn(0);
  auto wrongAnywhere = [&](const char* where) {
    const Fingerprint before = fingerprint(f.game);
    acceptMoveCommand(f.game);
    moveButtonClick(f.game, 1);
    moveButtonClick(f.game, 7);
    moveButtonClick(f.game, -1);
    stepTo(f.game, -1);
    stepTo(f.game, 99999);
    stepBackCommand(f.game);
    undoStep(f.game);
    brakePicClick(f.game, -1);
    brakePicClick(f.game, 99);
    useBrakePoint(f.game, 99);
    handleKey(f.game, key::Enter, false);
    handleKey(f.game, key::Delete, false);
    handleKey(f.game, key::Up, false);
    handleKey(f.game, 0, false);
    handleKey(f.game, 255, true);
    pointerPress(f.game, PointerButton::Left, -1e6f, -1e6f);
    pointerPress(f.game, PointerButton::Right, 0, 0);
    const Fingerprint after = fingerprint(f.game);
    EXPECT_EQ(after.steps, before.steps) << where;
    EXPECT_EQ(after.cars, before.cars) << where;
    EXPECT_EQ(after.moves, before.moves) << where;
    EXPECT_EQ(after.snapshot, before.snapshot) << where;
    EXPECT_EQ(after.die, before.die) << where;
  };
  wrongAnywhere("waiting for the roll");
  const Fingerprint beforeGear = fingerprint(f.game);
  selectGear(f.game, 0);
  selectGear(f.game, 9);
  EXPECT_EQ(fingerprint(f.game), beforeGear);

  f.roll(5);
  ASSERT_EQ(f.step(), "MOVE WAIT");
  wrongAnywhere("planning with spaces to go");
  const Fingerprint beforeMove = fingerprint(f.game);
  rollCommand(f.game, RollBy::Player);
  handleKey(f.game, key::Space, false);
  handleKey(f.game, '2', false);
  selectGear(f.game, 4);
  moveOnCommand(f.game);
  EXPECT_EQ(fingerprint(f.game), beforeMove);

  // A collision roll waiting for the victim.
  moveButtonClick(f.game, 0);
  for (int i = 0; i < 4; ++i) moveButtonClick(f.game, 1);
  f.car(2).location = 1009;  // diagonally ahead of the end of the move
  acceptMoveCommand(f.game);
  ASSERT_EQ(f.step(), "ROLL CLSN WAIT");
  wrongAnywhere("waiting for a collision roll");
}

TEST(TurnEnd, StaleCollisionFlagsAreClearedWhenTheTurnPasses) {
  OvalRace f;
  f.car(2).clsnFlag = True;  // left over from a move before
  f.car(1).location = 12;
  f.planTurn(0, 4);
  for (int i = 0; i < 4; ++i) moveButtonClick(f.game, 1);
  acceptMoveCommand(f.game);
  EXPECT_EQ(f.game.currCar, 1);
  EXPECT_EQ(f.step(), "ROLL GEAR WAIT");
  EXPECT_EQ(f.car(2).clsnFlag, False);
}

TEST(TurnEnd, AFlyingStartBlockedAtOnceWaitsForTheNextCar) {
  OvalRace f;
  f.game.rules[Rule::Blocking] = 0;
  f.game.rules[Rule::Collisions] = 0;
  f.game.currRound = 1;
  f.game.gameLogArray.resize(2);
  f.car(0).location = 1003;
  f.car(1).location = 1004;
  f.car(2).location = 4;
  f.game.track.space(1003)->nextLink2 = NoSpace;
  advanceGame(f.game, "DRVR 0");
  advanceGame(f.game, "ROLL STRT WAIT");
  f.game.forcedRolls = {20};
  rollCommand(f.game, RollBy::Player);
  ASSERT_EQ(f.car(0).status, FlyingStart);
  fireTimer(f.game, TimerId::FlyingStart);
  const auto& r = f.round(1);
  EXPECT_EQ(std::count(r.begin(), r.end(), "MOVE WAIT"), 0);
  EXPECT_EQ(std::count(r.begin(), r.end(), ""), 1);  // the move of no space
  EXPECT_EQ(f.step(), "ROLL STRT WAIT");
  EXPECT_EQ(f.game.currCar, 1);
}

}  // namespace
}  // namespace tarmaq
