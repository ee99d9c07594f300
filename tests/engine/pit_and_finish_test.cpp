#include <gtest/gtest.h>

#include "engine/pit_stop.h"
#include "engine/race_finish.h"
#include "engine/rolls.h"
#include "engine/turn_controller.h"
#include "support/race_fixture.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

struct PitFixture : RaceFixture {
  PitFixture() {
    game.laps = 2;
    game.currRound = 5;
    game.gameLogArray.resize(6);
    game.currStep = -1;
    car(0).status = InThePits;
    car(0).gear = 2;
    car(0).tires = 1;
    takeSnapshot(game);
    game.controls.diePanel.visible = true;  // the car's own turn
    afterMove(game);
  }
};

TEST(PitStop, FreshTiresFourthGearAndTheRoll) {
  PitFixture f;
  EXPECT_EQ(f.car(0).tires, f.game.raceClass.classWear[1].tires);  // the 2-lap value
  EXPECT_EQ(f.round(5), (std::vector<std::string>{"SHFT 4", "ROLL PITS WAIT"}));
  EXPECT_EQ(f.car(0).gear, 4);
  EXPECT_EQ(f.game.log.rows[f.game.log.rows.size() - 2].text,
            "          Driver A upshifts from gear 2 into gear 4");
}

TEST(PitStop, QuickStopLeavesAtOnceWithHalfTheRollRoundedUp) {
  struct Case {
    int roll;
    int spaces;
  } cases[] = {{1, 1}, {7, 4}, {10, 5}};
  for (const auto& c : cases) {
    PitFixture f;
    f.game.forcedRolls = {c.roll};
    rollCommand(f.game, RollBy::Player);
    ASSERT_TRUE(f.game.timers[TimerId::PitStopQuick].enabled) << c.roll;
    fireTimer(f.game, TimerId::PitStopQuick);
    EXPECT_EQ(f.game.snapshot.move, c.spaces);
    EXPECT_EQ(f.game.controls.diePanel.valueText, std::to_string(c.spaces));
    EXPECT_EQ(f.car(0).status, ExitingPits);
    EXPECT_EQ(*f.game.currentStep(), "MOVE WAIT");
    // The exit move starts from the fresh tires, not the tires the turn began with.
    EXPECT_EQ(f.game.snapshot.tires, f.car(0).tires);
  }
}

TEST(PitStop, SlowStopPassesTheTurn) {
  PitFixture f;
  f.game.forcedRolls = {11};
  rollCommand(f.game, RollBy::Player);
  ASSERT_TRUE(f.game.timers[TimerId::PitStopSlow].enabled);
  fireTimer(f.game, TimerId::PitStopSlow);
  EXPECT_EQ(f.game.currCar, 1);
  EXPECT_EQ(*f.game.currentStep(), "ROLL GEAR WAIT");
  EXPECT_EQ(f.car(0).status, InThePits);
}

TEST(RaceFinish, FinishersFromTheFrontRetirementsFromTheBack) {
  RaceFixture f(4);
  advanceGame(f.game, "STAT 2 20");
  advanceGame(f.game, "STAT 0 22");
  advanceGame(f.game, "STAT 3 20");
  advanceGame(f.game, "STAT 1 23");
  EXPECT_EQ(f.game.results[0], 2);
  EXPECT_EQ(f.game.results[1], 3);
  EXPECT_EQ(f.game.results[19], 0);
  EXPECT_EQ(f.game.results[18], 1);
  EXPECT_EQ(f.car(2).pos, 999);
  EXPECT_EQ(f.car(3).pos, 998);
  EXPECT_EQ(f.car(0).pos, -19);
  for (const Car& c : f.game.cars) EXPECT_EQ(c.location, OffTrack);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "0");
  EXPECT_EQ(f.game.controls.flashRequests, 2);
  // A car leaves the race once.
  advanceGame(f.game, "STAT 2 22");
  EXPECT_EQ(f.car(2).status, Finished);
  EXPECT_EQ(f.game.results[17], -1);
}

TEST(RaceFinish, PodiumIsCompletedByRetiredCarsInReverseOrderOfRetirement) {
  RaceFixture f;
  advanceGame(f.game, "STAT 1 21");
  advanceGame(f.game, "STAT 0 20");
  advanceGame(f.game, "STAT 2 24");
  advanceGame(f.game, "SHOW RSLT");
  ASSERT_EQ(f.frontend.results.size(), 1u);
  const Podium& p = f.frontend.results[0];
  EXPECT_EQ(p.places, 3);
  EXPECT_EQ(p.cars, (std::array<int, 3>{0, 2, 1}));
  EXPECT_EQ(f.game.controls.standingsCaption, "Race Results");

  RaceFixture one(1);
  advanceGame(one.game, "STAT 0 20");
  EXPECT_EQ(podium(one.game).places, 1);
  EXPECT_EQ(podium(one.game).names[0], "Driver A");
}

TEST(RaceFinish, WinnerIsAnnouncedWithTheTrophies) {
  RaceFixture f(4);
  const int icons[] = {27, 33, 34, 28};
  const char* texts[] = {" has won the race!", " just took second!", " has finished third!",
                         " has completed the race!"};
  for (int c = 0; c < 4; ++c) {
    advanceGame(f.game, "STAT " + std::to_string(c) + " 20");
    const LogRow& row = f.game.log.rows.back();
    EXPECT_EQ(row.icon, icons[c]);
    EXPECT_EQ(row.text, "               " + f.car(c).driverName + texts[c]);
    EXPECT_EQ(row.color, LogGreen);
    EXPECT_EQ(row.entryType, 27);
  }
}

}  // namespace
}  // namespace tarmaq
