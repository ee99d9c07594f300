#include "movement/blocking.h"

#include <gtest/gtest.h>

#include "movement/collisions.h"
#include "movement/move_execution.h"
#include "movement/move_stepping.h"
#include "movement/remaining_count.h"
#include "support/oval_board.h"

namespace tarmaq {
namespace {

using testing::OvalRace;
using Steps = std::vector<std::string>;

int count(const std::vector<std::string>& r, const std::string& step) {
  return static_cast<int>(std::count(r.begin(), r.end(), step));
}

TEST(Collisions, FlagsNeighboursOncePerSpace) {
  struct Case {
    const char* name;
    std::vector<int> others;  // cars 1, 2, ...
    int frontCollisions;
    int edgeType;
    int flagged;
  } cases[] = {
      {"directly ahead", {1006}, 1, 0, 1},
      {"ahead across a lane end", {1006}, 1, 4, 0},
      {"directly behind with front collisions", {1004}, 1, 0, 1},
      {"directly behind without them", {1004}, 0, 0, 0},
      {"behind across no joint", {1004}, 1, 3, 0},
      {"diagonally ahead and beside", {6, 2005}, 0, 0, 2},
  };
  for (const auto& c : cases) {
    OvalRace f(1 + static_cast<int>(c.others.size()));
    f.game.rules[Rule::FrontCollisions] = c.frontCollisions;
    f.game.track.space(1005)->edgeType = c.edgeType;
    f.car(0).location = 1005;
    for (std::size_t i = 0; i < c.others.size(); ++i)
      f.car(static_cast<int>(i) + 1).location = c.others[i];
    const int result = checkCollisions(f.game, 1005);
    EXPECT_EQ(f.game.snapshot.clsn, c.flagged) << c.name;
    EXPECT_EQ(result, c.flagged > 0 ? True : False) << c.name;
    EXPECT_EQ(f.car(1).clsnFlag, c.flagged > 0 ? True : False) << c.name;
    if (c.flagged > 0) {
      const LogRow* row = f.logRow(15, 38);
      ASSERT_NE(row, nullptr) << c.name;
      EXPECT_EQ(row->color, LogRed);
      EXPECT_EQ(row->text.substr(0, 16), "               '");
    }
  }
}

TEST(Collisions, AnAcceptedMoveFlagsTheMoverAndTheVictimRollsFirst) {
  OvalRace f;
  f.car(1).location = 1007;
  f.planTurn(0, 3);
  for (int i = 0; i < 3; ++i) moveButtonClick(f.game, 1);
  acceptMoveCommand(f.game);
  EXPECT_EQ(f.car(0).clsnFlag, True);
  EXPECT_EQ(f.car(0).possCollCaused, 1);
  EXPECT_EQ(f.game.currCar, 1);
  EXPECT_EQ(f.step(), "ROLL CLSN WAIT");
}

TEST(NeighbourInLane, TheLowerCarNumberDecides) {
  OvalRace f;
  f.car(0).location = 1010;
  f.car(1).location = 1011;  // ahead
  f.car(2).location = 1009;  // behind
  EXPECT_EQ(neighbourInLane(f.game, 1010), 0);
  std::swap(f.car(1).location, f.car(2).location);
  EXPECT_EQ(neighbourInLane(f.game, 1010), 1);
  f.game.track.space(1010)->edgeType = 3;  // no joint behind
  EXPECT_EQ(neighbourInLane(f.game, 1010), 0);
  f.car(2).location = 12;
  EXPECT_EQ(neighbourInLane(f.game, 1010), 2);
}

// Car 0 on the Middle lane at 1005 with a wall of cars on the three spaces ahead, or one
// space further on when it has to move first.
struct BlockedRace : OvalRace {
  explicit BlockedRace(int wallAt) : OvalRace(4) {
    car(0).location = 1005;
    car(0).segment = 0;
    car(1).location = makeLocation(1, wallAt);
    car(2).location = makeLocation(0, wallAt);
    car(3).location = makeLocation(2, wallAt);
    game.positions = {0, 1, 2, 3};
    game.rules[Rule::Collisions] = 0;
  }
};

TEST(Blocking, SurviveOrCrashByTheSpacesLeftAndTheWearPoints) {
  struct Case {
    const char* name;
    int R, brakes, tires;
    bool survives;
    int brakesCharged, tiresCharged;
  } cases[] = {
      {"3 spaces, 2 brake points", 3, 2, 8, false, 0, 0},
      {"3 spaces, 3 brake points", 3, 3, 8, true, 3, 0},
      {"5 spaces, 3 brakes, 2 tires", 5, 3, 2, true, 3, 2},
      {"5 spaces, 3 brakes, 1 tire", 5, 3, 1, false, 0, 0},
      {"5 spaces, 2 brakes", 5, 2, 8, false, 0, 0},
  };
  for (const auto& c : cases) {
    BlockedRace f(7);  // one free space ahead, then the wall
    f.car(0).brakes = c.brakes;
    f.car(0).tires = c.tires;
    f.planTurn(0, c.R + 1);
    f.frontend.answers = {Answer::Yes};
    moveButtonClick(f.game, 1);  // onto 1006: blocked with R to go
    ASSERT_EQ(f.frontend.messages.size(), 1u) << c.name;
    const Message& m = f.frontend.messages[0];
    EXPECT_EQ(m.title, "Blocking Alert") << c.name;
    EXPECT_EQ(m.buttons, MessageButtons::YesNo) << c.name;
    const auto& r = f.round(2);
    if (c.survives) {
      EXPECT_EQ(m.icon, MessageIcon::Warning);
      EXPECT_EQ(m.text,
                "This move will cause your car to be blocked!\r\nAre you sure you want to make "
                "this move?");
      EXPECT_EQ(count(r, "WEAR BRAK"), c.brakesCharged) << c.name;
      EXPECT_EQ(count(r, "WEAR TIRE"), c.tiresCharged) << c.name;
      EXPECT_EQ(f.car(0).location, 1006) << c.name;
      EXPECT_EQ(f.car(0).status, Running) << c.name;
      EXPECT_NE(f.logRow(29, 9), nullptr) << c.name;
    } else {
      EXPECT_EQ(m.icon, MessageIcon::Error);
      EXPECT_EQ(m.text,
                "This move will cause your car to be eliminated!\r\nAre you sure you want to make "
                "this move?");
      EXPECT_EQ(f.car(0).status, RetiredBlocking) << c.name;
      // The car directly ahead of where it was stopped takes the damage.
      EXPECT_EQ(f.car(1).body, f.game.raceClass.classWear[1].body - 1) << c.name;
      EXPECT_EQ(f.car(2).body, f.game.raceClass.classWear[1].body) << c.name;
      EXPECT_EQ(count(r, "STAT 0 24"), 1) << c.name;
      EXPECT_EQ(count(r, "DRVR 1"), 2) << c.name;  // its damage, then its own turn
    }
    // Either way the turn goes on with the next car.
    EXPECT_EQ(f.game.currCar, 1) << c.name;
    EXPECT_EQ(f.step(), "ROLL GEAR WAIT") << c.name;
    EXPECT_FALSE(f.game.controls.movePanel.visible) << c.name;
  }
}

TEST(Blocking, SevenSpacesOrMoreCrashAfterTheQuestion) {
  BlockedRace f(7);
  f.planTurn(0, 8);
  f.frontend.answers = {Answer::Yes};
  moveButtonClick(f.game, 1);
  EXPECT_EQ(f.frontend.messages.at(0).icon, MessageIcon::Warning);
  EXPECT_EQ(f.car(0).status, RetiredBlocking);
  EXPECT_EQ(f.car(1).body, f.game.raceClass.classWear[1].body);  // nobody else is hurt
  EXPECT_EQ(f.step(), "ROLL GEAR WAIT");
  EXPECT_EQ(f.game.currCar, 1);
}

TEST(Blocking, DecliningResetsTheMove) {
  BlockedRace f(7);
  f.planTurn(0, 4);
  f.frontend.answers = {Answer::No};
  moveButtonClick(f.game, 1);
  EXPECT_EQ(f.game.moves, std::vector<int>{1005});
  EXPECT_EQ(f.game.controls.diePanel.valueText, "4");
  EXPECT_EQ(f.step(), "MOVE WAIT");
  EXPECT_EQ(f.car(0).status, Running);
}

TEST(Blocking, AtTheStartOfAMoveOnlyOkMessagesAndTheRollsThatFollowWait) {
  {
    BlockedRace f(6);
    f.planTurn(0, 2);
    ASSERT_EQ(f.frontend.messages.size(), 1u);
    EXPECT_EQ(f.frontend.messages[0].text,
              "Your car has been irreversably blocked.\r\nWear points will be deducted "
              "automatically!");
    EXPECT_EQ(f.frontend.messages[0].buttons, MessageButtons::Ok);
    const auto& r = f.round(2);
    // The move of no space takes the waiting entry's place; the brake points follow.
    EXPECT_EQ(r[2], "");
    EXPECT_EQ(count(r, "WEAR BRAK"), 2);
    EXPECT_EQ(f.step(), "ROLL GEAR WAIT");
    EXPECT_EQ(f.game.currCar, 1);
  }
  {
    BlockedRace f(6);
    f.game.rules[Rule::Collisions] = 1;
    f.planTurn(0, 2);  // blocked, pays, and stands behind car 1: a collision roll follows
    EXPECT_EQ(f.step(), "ROLL CLSN WAIT");
    const auto& r = f.round(2);
    EXPECT_EQ(count(r, "MOVE WAIT"), 0);
  }
  {
    BlockedRace f(6);
    f.car(0).brakes = 1;
    f.planTurn(0, 2);
    ASSERT_EQ(f.frontend.messages.size(), 1u);
    EXPECT_EQ(f.frontend.messages[0].title, "Elimination Due to Blocking");
    EXPECT_EQ(f.frontend.messages[0].text,
              "Your car has been irreversably blocked and doesn't have enough\r\nwear points to "
              "survive. It will be eliminated!");
    EXPECT_EQ(f.car(0).status, RetiredBlocking);
    EXPECT_EQ(f.car(1).body, f.game.raceClass.classWear[1].body - 1);  // ahead of its space
    EXPECT_EQ(f.game.results[19], 0);
    EXPECT_EQ(f.step(), "ROLL GEAR WAIT");
    EXPECT_EQ(f.game.currCar, 1);
  }
}

TEST(Blocking, ACrashOfTheLastRunningCarEndsTheRace) {
  OvalRace f(2);
  f.car(1).status = RetiredEngine;
  f.car(1).location = OffTrack;
  f.game.track.space(1003)->edgeType = 4;  // the lane ends ahead of car 0
  f.game.track.space(1003)->nextLink1 = NoSpace;
  f.game.track.space(1003)->nextLink2 = NoSpace;
  f.car(0).brakes = 0;
  f.planTurn(0, 2);
  EXPECT_EQ(f.car(0).status, RetiredBlocking);
  EXPECT_EQ(f.step(), "SHOW RSLT");
  EXPECT_EQ(f.frontend.results.size(), 1u);
}

TEST(Blocking, WithoutTheRuleTheMoveEndsWhereTheCarStands) {
  BlockedRace f(7);
  f.game.rules[Rule::Blocking] = 0;
  f.planTurn(0, 5);
  moveButtonClick(f.game, 1);
  EXPECT_TRUE(f.frontend.messages.empty());
  EXPECT_EQ(f.car(0).location, 1006);
  EXPECT_EQ(f.car(0).brakes, f.game.raceClass.classWear[1].brakes);
  EXPECT_FLOAT_EQ(f.car(0).speed, 100);  // the speed of the whole roll
  EXPECT_EQ(f.game.currCar, 1);
}

}  // namespace
}  // namespace tarmaq
