#include "engine/rolls.h"

#include <gtest/gtest.h>

#include "engine/turn_controller.h"
#include "support/race_fixture.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

// A race in round 2 whose first car waits for its movement roll.
struct RollFixture : RaceFixture {
  RollFixture() {
    game.currRound = 2;
    game.gameLogArray.resize(3);
    game.currStep = -1;
    car(0).gear = 6;
    car(0).lap = 1;
    advanceGame(game, "DRVR 0");
    advanceGame(game, "ROLL GEAR WAIT");
  }
  const std::string& step() const { return *game.currentStep(); }
};

TEST(SelectGear, PreviewsWhatSkippingGearsWillCost) {
  RollFixture f;
  const Car c = f.car(0);
  selectGear(f.game, 4);
  EXPECT_EQ(f.game.snapshot.gear, 4);
  EXPECT_EQ(f.game.snapshot.fuel, c.fuel - 1);
  EXPECT_EQ(f.game.snapshot.brakes, c.brakes);
  selectGear(f.game, 3);
  EXPECT_EQ(f.game.snapshot.fuel, c.fuel - 1);
  EXPECT_EQ(f.game.snapshot.brakes, c.brakes - 1);
  selectGear(f.game, 6);
  EXPECT_EQ(f.game.snapshot.fuel, c.fuel);
  EXPECT_EQ(f.game.snapshot.brakes, c.brakes);
  EXPECT_TRUE(f.game.controls.driverCard.gears[5].selected);
}

TEST(SelectGear, IgnoredOutsideTheMovementRoll) {
  RollFixture f;
  selectGear(f.game, 9);
  EXPECT_EQ(f.game.snapshot.gear, 6);
  f.game.controls.diePanel.visible = false;
  selectGear(f.game, 5);
  EXPECT_EQ(f.game.snapshot.gear, 6);
  f.game.controls.diePanel.visible = true;
  f.game.currRound = 1;  // the start round has no gear choice
  selectGear(f.game, 5);
  EXPECT_EQ(f.game.snapshot.gear, 6);
}

TEST(RollCommand, ShiftsRollsAndStartsTheMove) {
  RollFixture f;
  selectGear(f.game, 4);
  f.game.forcedRolls = {9};
  rollCommand(f.game, RollBy::Player);
  const auto& r = f.round(2);
  ASSERT_GE(r.size(), 4u);
  EXPECT_EQ(r[1], "WEAR FUEL");  // the skipped gear's wear takes the waiting entry's place
  EXPECT_EQ(r[2], "SHFT 4");
  EXPECT_EQ(r[3], "ROLL GEAR 9");
  EXPECT_EQ(r.back(), "MOVE WAIT");
  EXPECT_EQ(f.game.snapshot.move, 9);
  EXPECT_TRUE(f.game.controls.movePanel.visible);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "9");
  EXPECT_GE(f.frontend.dieFrames.size(), 15u);
  EXPECT_LE(f.frontend.dieFrames.size(), 40u);
}

TEST(RollCommand, IgnoredWhenNoRollIsAwaited) {
  RollFixture f;
  f.game.forcedRolls = {9, 3};
  rollCommand(f.game, RollBy::Player);
  ASSERT_EQ(f.step(), "MOVE WAIT");
  // Space during the move, after looking at another car's card, must not reroll.
  f.game.controls.diePanel.valueVisible = false;
  rollCommand(f.game, RollBy::Player);
  EXPECT_EQ(f.step(), "MOVE WAIT");
  EXPECT_EQ(f.game.snapshot.move, 9);

  RollFixture hidden;
  hidden.game.controls.diePanel.visible = false;
  rollCommand(hidden.game, RollBy::Player);
  EXPECT_EQ(hidden.step(), "ROLL GEAR WAIT");
  hidden.game.controls.diePanel.visible = true;
  hidden.game.controls.diePanel.valueVisible = true;
  rollCommand(hidden.game, RollBy::Player);
  EXPECT_EQ(hidden.step(), "ROLL GEAR WAIT");
}

TEST(RollCommand, OvershootWarningCanStopTheRoll) {
  RollFixture f;
  // Spaces 12-14 of the car's lane are a corner (segment 1), 15 on a straight (segment 2).
  for (auto& lane : f.game.track.lanes)
    for (int s = 12; s < 20; ++s) lane.spaces[static_cast<std::size_t>(s)].segment = s < 15 ? 1 : 2;
  f.car(0).location = makeLocation(1, 8);
  selectGear(f.game, 5);  // lowest face 11: space 19, two segments on
  f.frontend.answers = {Answer::No};
  rollCommand(f.game, RollBy::Player);
  ASSERT_EQ(f.frontend.messages.size(), 1u);
  const Message& m = f.frontend.messages[0];
  EXPECT_EQ(m.title, "Overtshoot Warning");
  EXPECT_EQ(m.icon, MessageIcon::Warning);
  EXPECT_EQ(m.text,
            "A minimum roll in the current gear will cause you to overshoot the next corner!\n"
            "Perhaps you should rethink your gear selection.\n"
            "Are you sure you want to roll in gear 5?");
  EXPECT_EQ(f.step(), "ROLL GEAR WAIT");
  EXPECT_FALSE(f.game.controls.diePanel.valueVisible);

  // Owing stops in the corner, any minimum roll that leaves it warns about this corner.
  f.game.snapshot.stops = 1;
  f.game.snapshot.segment = 1;
  f.car(0).location = makeLocation(1, 12);
  selectGear(f.game, 2);  // lowest face 2: space 14, still the corner
  EXPECT_EQ(overshootWarning(f.game), "");
  selectGear(f.game, 3);  // lowest face 4: space 16, past it
  EXPECT_NE(overshootWarning(f.game).find("overshoot the current corner!"), std::string::npos);
  f.frontend.answers = {Answer::Yes};
  f.game.forcedRolls = {5};
  rollCommand(f.game, RollBy::Player);
  EXPECT_EQ(f.step(), "MOVE WAIT");
}

struct CollisionFixture : RaceFixture {
  CollisionFixture() {
    game.currRound = 2;
    game.gameLogArray.resize(3);
    game.rules[Rule::CollisionRoll] = 1;
    car(0).clsnFlag = True;
    car(1).clsnFlag = True;
    game.snapshot.clsn = 1;
    afterMove(game);  // car 1, the victim, waits for its roll
  }
};

TEST(CollisionRoll, ThresholdDecidesCollisionBarelyAvoidedAndAvoided) {
  struct Case {
    int roll;
    int bodyLost;
    int icon;
  } cases[] = {{1, 1, 38}, {2, 0, 39}, {3, 0, 39}, {20, 0, 39}};
  for (const auto& c : cases) {
    CollisionFixture f;
    ASSERT_EQ(*f.game.currentStep(), "ROLL CLSN WAIT");
    const int body = f.car(1).body;
    f.game.forcedRolls = {c.roll};
    rollCommand(f.game, RollBy::Player);
    EXPECT_EQ(body - f.car(1).body, c.bodyLost) << c.roll;
    EXPECT_EQ(f.car(1).clsnFlag, False);
    EXPECT_TRUE(f.game.timers[TimerId::CollisionRoll].enabled);
    const LogRow* comment = nullptr;
    for (const auto& row : f.game.log.rows)
      if (row.entryType == 29) comment = &row;
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->icon, c.icon) << c.roll;
  }
}

TEST(CollisionRoll, RoadHoldingLaysDebrisAfterACollision) {
  CollisionFixture f;
  f.game.rules[Rule::RoadHolding] = 1;
  f.car(0).location = makeLocation(0, 6);
  f.car(2).location = makeLocation(1, 10);  // directly ahead of car 1
  f.game.forcedRolls = {1};
  rollCommand(f.game, RollBy::Player);
  ASSERT_EQ(f.game.hazards.size(), 1u);
  EXPECT_EQ(f.game.hazards[0], (Hazard{makeLocation(1, 9), 0, 1}));
}

TEST(CollisionRoll, TheMoversNextRollAfterBodyDamageCanBeMade) {
  CollisionFixture f;
  f.car(1).clsnFlag = False;
  f.game.currCar = 1;
  collisionContinuation(f.game);  // the mover rolls
  ASSERT_EQ(f.game.currCar, 0);
  f.game.snapshot.clsn = 2;
  f.game.forcedRolls = {1, 1};
  rollCommand(f.game, RollBy::Player);
  EXPECT_EQ(*f.game.currentStep(), "WEAR BODY");
  fireTimer(f.game, TimerId::CollisionRoll);
  EXPECT_EQ(*f.game.currentStep(), "ROLL CLSN WAIT");
  EXPECT_FALSE(f.game.controls.diePanel.valueVisible);
  rollCommand(f.game, RollBy::Player);
  EXPECT_EQ(*f.game.currentStep(), "WEAR BODY");
}

TEST(EngineRoll, DamageCostsAnEngineAndNoEngineLeftCratersTheCar) {
  struct Case {
    int engine;
    int roll;
    bool cratered;
  } cases[] = {{3, 4, false}, {3, 5, false}, {1, 2, true}, {0, 20, true}};
  for (const auto& c : cases) {
    RaceFixture f;
    f.game.currRound = 2;
    f.game.gameLogArray.resize(3);
    f.game.rules[Rule::EngineDamageRoll] = 4;
    f.car(0).engine = c.engine;
    f.car(0).engnFlag = True;
    engineContinuation(f.game);
    ASSERT_EQ(*f.game.currentStep(), "ROLL ENGN WAIT");
    f.game.forcedRolls = {c.roll};
    rollCommand(f.game, RollBy::Player);
    const int expected = c.roll <= 4 ? c.engine - 1 : c.engine;
    EXPECT_EQ(f.car(0).engine, expected) << c.roll;
    EXPECT_EQ(f.car(0).status == RetiredEngine, c.cratered) << c.engine << " " << c.roll;
    EXPECT_EQ(f.car(0).engnFlag, False);
    EXPECT_TRUE(f.game.timers[TimerId::EngineRoll].enabled);
  }
}

TEST(MoveOn, CutsOnlyAResultPauseShort) {
  CollisionFixture f;
  moveOnCommand(f.game);  // a waiting step: nothing
  EXPECT_FALSE(f.game.timers[TimerId::CollisionRoll].enabled);
  f.game.forcedRolls = {1};
  rollCommand(f.game, RollBy::Player);
  ASSERT_EQ(*f.game.currentStep(), "WEAR BODY");
  moveOnCommand(f.game);
  EXPECT_EQ(f.game.timers[TimerId::CollisionRoll].intervalMs, MoveOnMs);
  fireTimer(f.game, TimerId::CollisionRoll);
  EXPECT_EQ(f.game.timers[TimerId::CollisionRoll].intervalMs, ResultPauseMs);
}

}  // namespace
}  // namespace tarmaq
