#include "movement/move_execution.h"

#include <gtest/gtest.h>

#include "movement/move_stepping.h"
#include "movement/remaining_count.h"
#include "support/oval_board.h"

namespace tarmaq {
namespace {

using testing::OvalRace;
using Steps = std::vector<std::string>;

void straight(OvalRace& f, int k) {
  for (int i = 0; i < k; ++i) moveButtonClick(f.game, 1);
}

bool stored(const OvalRace& f, const std::string& step) {
  const auto& r = f.round(2);
  return std::find(r.begin(), r.end(), step) != r.end();
}

TEST(AcceptMove, ExecutesTheMoveAndHandsTheTurnOn) {
  OvalRace f;
  f.planTurn(0, 3);
  straight(f, 3);
  acceptMoveCommand(f.game);
  EXPECT_EQ(f.car(0).location, 1006);
  EXPECT_TRUE(stored(f, "MOVE 1004   1005   1006"));
  EXPECT_TRUE(f.logHas("               Driver A moved 3"));
  EXPECT_EQ(f.car(0).speed, 90);  // third gear: 80, 85, 90 for 1, 2, 3 spaces
  EXPECT_EQ(f.car(0).pos, 6);
  EXPECT_FALSE(f.game.controls.movePanel.visible);
  EXPECT_EQ(f.game.currCar, 1);
  EXPECT_EQ(f.step(), "ROLL GEAR WAIT");
}

TEST(AcceptMove, IgnoredWithSpacesStillToGo) {
  OvalRace f;
  f.planTurn(0, 3);
  straight(f, 2);
  const auto before = f.round(2);
  acceptMoveCommand(f.game);
  EXPECT_EQ(f.round(2), before);
  EXPECT_EQ(f.car(0).location, 1003);
}

TEST(AcceptMove, SpeedFromTheSpeedTable) {
  struct Case {
    const char* name;
    int gear, roll, moved, brakesUsed;
    float speed;
  } cases[] = {
      // Third gear: 4..8 spaces, speeds 80, 85, ... for 1, 2, ... spaces.
      {"the spaces moved", 3, 5, 5, 0, 100},
      {"stopped short without braking: the speed of the roll", 3, 5, 2, 0, 100},
      {"stopped short by braking: the speed of the spaces", 3, 5, 2, 1, 85},
      {"beyond the table: its last speed", 1, 6, 6, 0, 60},
  };
  for (const auto& c : cases) {
    OvalRace f;
    f.car(0).gear = c.gear;
    f.planTurn(0, c.roll);
    straight(f, c.moved);
    f.game.snapshot.brakes -= c.brakesUsed;
    setRemainingCount(f.game, 0);
    acceptMove(f.game);
    EXPECT_FLOAT_EQ(f.car(0).speed, c.speed) << c.name;
    EXPECT_GE(f.car(0).displaySpeed, c.speed) << c.name;
    EXPECT_FLOAT_EQ(f.game.trapSpeed, c.speed) << c.name;
  }
}

TEST(AcceptMove, CornersAndStops) {
  struct Case {
    const char* name;
    int from;
    int segment, stops;  // the car's at the start
    int spaces;
    int stopsAfter;
    const char* lastLine;
  } cases[] = {
      {"ends in a 2-stop corner it entered", 1013, 2, 0, 4, 1,
       "               Driver A has 1 stop remaining in this corner"},
      {"a second move in a 1-stop corner", 1006, 1, 0, 1, -1,
       "               Driver A has completed stops in this corner"},
      {"ends on a straight", 1008, 1, 1, 4, 0, nullptr},
      {"skipped a stop and entered the next corner", 1009, 1, 1, 8, 2,
       "               Driver A has 2 stops remaining in this corner"},
  };
  for (const auto& c : cases) {
    OvalRace f;
    f.game.rules[Rule::Overshooting] = 0;  // no tire charges in the way
    f.car(0).location = c.from;
    f.car(0).segment = c.segment;
    f.car(0).stops = c.stops;
    f.planTurn(0, c.spaces);
    straight(f, c.spaces);
    acceptMove(f.game);
    EXPECT_EQ(f.car(0).stops, c.stopsAfter) << c.name;
    if (c.lastLine) {
      EXPECT_TRUE(f.logHas(c.lastLine)) << c.name;
    }
  }
  OvalRace f;
  f.planTurn(0, 4);
  straight(f, 4);
  acceptMove(f.game);
  EXPECT_TRUE(f.logHas("               Driver A entered corner #1 (First Bend)"));
  EXPECT_TRUE(f.logHas("               Driver A stopped in corner #1 (First Bend)"));
}

TEST(AcceptMove, LeavingACornerOwingAStopIsCommentedInRed) {
  OvalRace f;
  f.game.rules[Rule::Overshooting] = 0;
  f.car(0).location = 1009;
  f.car(0).segment = 1;
  f.car(0).stops = 1;
  f.planTurn(0, 2);
  straight(f, 2);
  acceptMove(f.game);
  const LogRow* row = f.logRow(14, 38);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->color, LogRed);
  EXPECT_EQ(row->text.substr(0, 21), "                    '");
}

TEST(AcceptMove, LapsAndTheFinish) {
  {
    OvalRace f;
    f.car(1).location = 12;
    f.car(2).location = 2012;
    f.car(0).location = 1022;
    f.planTurn(0, 4);
    straight(f, 4);
    acceptMove(f.game);
    EXPECT_EQ(f.car(0).lap, 2);
    EXPECT_TRUE(f.logHas("               Driver A has completed lap 1!"));
    EXPECT_EQ(f.car(0).lapLength[1], 1);
    EXPECT_EQ(f.car(0).lapLength[2], 3);
    EXPECT_FLOAT_EQ(f.car(0).spacesPerRound, 2);  // 4 spaces in two rounds
  }
  {
    OvalRace f;
    f.car(0).lap = 0;  // the first crossing after the start counts no lap line
    f.car(0).location = 1022;
    f.planTurn(0, 4);
    straight(f, 4);
    acceptMove(f.game);
    EXPECT_EQ(f.car(0).lap, 1);
    EXPECT_EQ(f.logRow(31, 8), nullptr);
  }
  {
    OvalRace f;
    f.car(0).lap = 2;
    f.car(0).location = 1022;
    f.planTurn(0, 6);
    straight(f, 2);  // the line on the last lap ends the move
    acceptMoveCommand(f.game);
    EXPECT_EQ(f.car(0).status, Finished);
    EXPECT_EQ(f.car(0).lap, 2);
    EXPECT_EQ(f.game.results[0], 0);
    EXPECT_EQ(f.car(0).location, OffTrack);
    EXPECT_EQ(f.round(2)[2], "STAT 0 20");  // in place of the waiting move
    EXPECT_EQ(f.round(2)[3], "MOVE 1023   1000");
    EXPECT_EQ(f.game.currCar, 1);
  }
}

TEST(AcceptMove, PitEntryTheGarageAndLeavingThePits) {
  {
    OvalRace f;
    f.car(0).location = 2019;
    f.planTurn(0, 6);
    straight(f, 1);
    moveButtonClick(f.game, 2);
    straight(f, 2);
    moveButtonClick(f.game, 2);  // the own garage
    acceptMoveCommand(f.game);
    EXPECT_TRUE(f.logHas("               Driver A has entered the pit lane"));
    // In the pits: the stop follows at once.
    EXPECT_EQ(f.car(0).status, InThePits);
    EXPECT_EQ(f.car(0).location, 4000);
    EXPECT_EQ(f.step(), "ROLL PITS WAIT");
  }
  {
    OvalRace f;
    f.car(0).location = 3004;
    f.car(0).status = ExitingPits;
    f.planTurn(0, 3);
    straight(f, 1);
    moveButtonClick(f.game, 0);  // the end of the pit lane joins Right space 3
    straight(f, 1);
    acceptMove(f.game);
    EXPECT_EQ(f.car(0).status, Running);
    EXPECT_EQ(f.car(0).lap, 2);  // back on the track counts as crossing the line
  }
}

TEST(AcceptMove, AnEliminatedCarWhosePathCrossedThePitEntryStaysOut) {
  OvalRace f;
  f.game.moves = {2020, 3000, 3001};
  f.game.currCar = 0;
  advanceGame(f.game, "STAT 0 21");
  acceptMove(f.game);
  EXPECT_EQ(f.car(0).status, RetiredTires);
  EXPECT_FALSE(f.logHas("               Driver A has entered the pit lane"));
}

TEST(AcceptMove, OvertakesNearestFirstAndTheLead) {
  OvalRace f(4);
  f.car(3).location = 0;  // the Left lane, behind everybody
  f.car(3).pos = 0;
  f.game.positions = {0, 1, 2, 3};
  f.planTurn(3, 4);
  straight(f, 4);
  acceptMove(f.game);
  std::vector<const LogRow*> lines;
  for (const auto& row : f.game.log.rows)
    if (row.entryType == 4) lines.push_back(&row);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0]->text.substr(lines[0]->text.size() - 2), "!'");
  EXPECT_EQ(lines[2]->text.substr(lines[2]->text.size() - 15), " for the lead!'");
  EXPECT_EQ(lines[2]->color, LogGreen);
  EXPECT_EQ(f.game.leadChange, 1);
}

TEST(AcceptMove, WearSpentWhilePlanningIsChargedAsSteps) {
  OvalRace f;
  f.car(0).location = 1009;
  f.car(0).segment = 1;
  f.car(0).stops = 1;
  f.planTurn(0, 3);
  straight(f, 3);  // three spaces beyond the corner: three tire points
  --f.game.snapshot.brakes;
  acceptMove(f.game);
  const auto& r = f.round(2);
  EXPECT_EQ(std::count(r.begin(), r.end(), "WEAR TIRE"), 3);
  EXPECT_EQ(std::count(r.begin(), r.end(), "WEAR BRAK"), 1);
  EXPECT_EQ(f.car(0).tires, f.game.raceClass.classWear[1].tires - 3);
}

TEST(AcceptMove, EngineDangerFromTheHighestFaces) {
  struct Case {
    const char* name;
    int gear, roll;
    int comments;
  } cases[] = {
      {"fifth gear at its highest face", 5, 20, 1},
      {"fifth gear below it", 5, 19, 0},
      {"sixth gear reaching both dice's highest faces", 6, 30, 2},
  };
  for (const auto& c : cases) {
    OvalRace f;
    f.game.rules[Rule::Collisions] = 0;
    f.game.rules[Rule::Overshooting] = 0;
    f.car(0).gear = c.gear;
    f.car(1).gear = 5;
    f.car(2).gear = 2;
    f.planTurn(0, c.roll);
    f.game.moves = {1003, 1004};
    setRemainingCount(f.game, 0);
    acceptMove(f.game);
    int comments = 0;
    for (const auto& row : f.game.log.rows) comments += row.entryType == 16;
    EXPECT_EQ(comments, c.comments) << c.name;
    if (c.comments > 0) {
      EXPECT_EQ(f.step(), "ROLL ENGN WAIT") << c.name;
      EXPECT_EQ(f.car(1).engnFlag, True) << c.name;   // every car in a high gear
      EXPECT_EQ(f.car(2).engnFlag, False) << c.name;  // but not in a low one
    } else {
      EXPECT_EQ(f.step(), "ROLL GEAR WAIT") << c.name;
    }
  }
}

TEST(AcceptMove, AMoveOfNoSpaceEndsTheMove) {
  OvalRace f;
  f.game.rules[Rule::Blocking] = 0;
  f.game.rules[Rule::Collisions] = 0;
  f.car(1).location = 1004;  // ahead of car 0
  f.car(2).location = 4;
  f.game.cars.push_back(f.car(2));
  f.game.cars.back().location = 2004;
  f.game.positions.push_back(3);
  f.planTurn(0, 4);  // blocked at once: accepted where it stands
  const auto& r = f.round(2);
  EXPECT_EQ(r[2], "");
  EXPECT_TRUE(f.logHas("               Driver A moved 0"));
  EXPECT_EQ(f.car(0).location, 1003);
  EXPECT_FALSE(f.game.controls.movePanel.visible);
  EXPECT_FALSE(f.game.controls.movePanel.acceptEnabled);
  EXPECT_EQ(f.step(), "ROLL GEAR WAIT");
  EXPECT_EQ(f.game.currCar, 1);
}

}  // namespace
}  // namespace tarmaq
