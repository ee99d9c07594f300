#include "engine/race_start.h"

#include <gtest/gtest.h>

#include "engine/rolls.h"
#include "engine/turn_controller.h"
#include "support/race_fixture.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

struct GridFixture : RaceFixture {
  explicit GridFixture(int cars = 3) : RaceFixture(cars) {
    for (int g = 1; g <= 20; ++g)
      game.track.gridLocations[static_cast<std::size_t>(g)] = makeLocation((g - 1) % 3, 19 - g / 2);
    for (Car& c : game.cars) c.location = 0;  // round 0: no grid roll yet
  }
  void roll(int v) {
    game.forcedRolls.push_back(v);
    rollCommand(game, RollBy::Player);
  }
};

TEST(GridRolls, RepeatedValuesAreRolledAgainAndTheLowestRollTakesPole) {
  GridFixture f;
  beginGridRolls(f.game);
  EXPECT_EQ(*f.game.currentStep(), "ROLL POSN WAIT");
  f.roll(12);
  EXPECT_EQ(f.car(0).location, 12);
  fireTimer(f.game, TimerId::GridRoll);
  EXPECT_EQ(f.game.currCar, 1);
  // Car 1 rolls 12 as well: rolled again at once, 5 this time.
  f.game.forcedRolls = {12, 5};
  rollCommand(f.game, RollBy::Player);
  EXPECT_EQ(f.car(1).location, 5);
  fireTimer(f.game, TimerId::GridRoll);
  f.roll(17);
  fireTimer(f.game, TimerId::GridRoll);  // the last car: the grid is set, round 1 begins
  EXPECT_EQ(f.game.positions, (std::vector<int>{1, 0, 2}));
  EXPECT_EQ(f.car(1).startGrid, 1);
  EXPECT_EQ(f.car(1).location, f.game.track.gridLocations[1]);
  EXPECT_EQ(f.car(2).lastRoundPos, 2);
  EXPECT_EQ(f.round(0).back(), "POSN 1 0 2");
  EXPECT_EQ(f.round(1), (std::vector<std::string>{"", "ROUN 1", "DRVR 1", "ROLL STRT WAIT"}));
  EXPECT_EQ(f.car(1).roundsLed, 1);
}

struct StartFixture : GridFixture {
  StartFixture() {
    game.positions = {0, 1, 2};
    startRace(game);
  }
};

TEST(StartRoll, BadFlyingAndNormalStarts) {
  struct Case {
    int badStarts, badRoll, flyingStarts, flyingRoll;
    int roll;
    int status;
    TimerId timer;
  } cases[] = {
      {1, 20, 1, 20, 17, Stalled, TimerId::BadStart},      // "Automatic" bad starts
      {0, 1, 1, 1, 2, FlyingStart, TimerId::FlyingStart},  // "Automatic" flying starts
      {1, 5, 1, 3, 4, Stalled, TimerId::BadStart},         // overlapping: the bad start wins
      {1, 1, 1, 20, 2, Running, TimerId::NormalStart},
  };
  for (const auto& c : cases) {
    StartFixture f;
    f.game.rules[Rule::BadStarts] = c.badStarts;
    f.game.rules[Rule::BadStartRoll] = c.badRoll;
    f.game.rules[Rule::FlyingStarts] = c.flyingStarts;
    f.game.rules[Rule::FlyingStartRoll] = c.flyingRoll;
    f.roll(c.roll);
    EXPECT_EQ(f.car(0).status, c.status) << c.roll;
    EXPECT_TRUE(f.game.timers[c.timer].enabled) << c.roll;
    const auto& r = f.round(1);
    if (c.status == Stalled) {
      EXPECT_EQ(r.back(), "ROLL STRT " + std::to_string(c.roll));
      EXPECT_EQ(f.car(0).gear, 0);
    } else {
      // The shift into first gear takes the waiting entry's place.
      EXPECT_EQ(r[r.size() - 2], "SHFT 1");
      EXPECT_EQ(r.back(), "ROLL STRT " + std::to_string(c.roll));
      EXPECT_EQ(f.car(0).gear, 1);
    }
  }
}

TEST(StartRoll, TimersContinueEachKindOfStart) {
  StartFixture bad;
  bad.game.rules[Rule::BadStartRoll] = 20;
  bad.roll(3);
  fireTimer(bad.game, TimerId::BadStart);
  EXPECT_EQ(bad.game.currCar, 1);
  EXPECT_EQ(*bad.game.currentStep(), "ROLL STRT WAIT");

  StartFixture flying;
  flying.game.rules[Rule::BadStarts] = 0;
  flying.game.rules[Rule::FlyingStartRoll] = 1;
  flying.game.rules[Rule::FlyingStartMove] = 4;
  flying.roll(9);
  fireTimer(flying.game, TimerId::FlyingStart);
  EXPECT_EQ(*flying.game.currentStep(), "MOVE WAIT");
  EXPECT_EQ(flying.game.snapshot.move, 4);
  EXPECT_EQ(flying.game.controls.diePanel.valueText, "4");
  EXPECT_EQ(flying.game.controls.diePanel.dieKind, 1);

  StartFixture normal;
  normal.game.rules[Rule::BadStartRoll] = 1;
  normal.roll(10);
  fireTimer(normal.game, TimerId::NormalStart);
  EXPECT_EQ(*normal.game.currentStep(), "ROLL GEAR WAIT");
  EXPECT_EQ(normal.game.controls.diePanel.dieKind, 1);
}

TEST(StartRoll, AStalledCarStartsRoundTwoInFirstGear) {
  StartFixture f;
  f.car(0).status = Stalled;
  f.game.currRound = 2;
  f.game.gameLogArray.resize(3);
  advanceGame(f.game, "ROLL GEAR WAIT");
  EXPECT_EQ(f.car(0).status, Running);
  EXPECT_EQ(f.game.snapshot.gear, 1);
  EXPECT_EQ(f.game.controls.diePanel.dieKind, 1);
}

}  // namespace
}  // namespace tarmaq
