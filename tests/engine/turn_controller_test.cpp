#include "engine/turn_controller.h"

#include <gtest/gtest.h>

#include "support/race_fixture.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;
using Steps = std::vector<std::string>;

TEST(StoringSteps, FirstStepOfAGameGoesToIndexZeroOfRoundZero) {
  RaceFixture reset;
  initializeVariables(reset.game);
  EXPECT_EQ(reset.game.currStep, -1);
  EXPECT_EQ(reset.round(0), Steps{""});
  EXPECT_EQ(reset.game.moves, std::vector<int>{0});
  EXPECT_TRUE(reset.game.cars.empty());
  EXPECT_EQ(reset.game.results[19], -1);

  RaceFixture f;
  advanceGame(f.game, "ROLL POSN WAIT");
  EXPECT_EQ(f.round(0), Steps{"ROLL POSN WAIT"});
  EXPECT_EQ(f.game.currStep, 0);
  advanceGame(f.game, "ROLL POSN 7");  // replaces the waiting entry
  advanceGame(f.game, "DRVR 1");
  EXPECT_EQ(f.round(0), (Steps{"ROLL POSN 7", "DRVR 1"}));
}

TEST(StoringSteps, ARoundKeepsAnEmptyEntryZeroAndRoundsLedCountsTheLeader) {
  RaceFixture f;
  advanceGame(f.game, "POSN GRID");
  advanceGame(f.game, "ROUN");
  EXPECT_EQ(f.game.currRound, 1);
  EXPECT_EQ(f.round(1), (Steps{"", "ROUN 1"}));
  EXPECT_EQ(f.game.currStep, 1);
  EXPECT_EQ(f.car(0).roundsLed, 1);
  EXPECT_EQ(f.game.log.rows.back().text, "Round 1");
  EXPECT_TRUE(f.game.log.rows.back().bold);
  EXPECT_TRUE(f.game.view.visible);
  EXPECT_TRUE(f.game.timers[TimerId::CarBlink].enabled);
}

TEST(StoringSteps, AShiftReplacesTheWaitingRollAndTheResultFollowsIt) {
  RaceFixture f;
  f.game.currRound = 2;
  f.game.gameLogArray.resize(3);
  f.game.currStep = -1;
  f.car(0).gear = 2;
  f.game.snapshot.gear = 3;
  advanceGame(f.game, "ROLL GEAR WAIT");
  advanceGame(f.game, "SHFT 3");
  advanceGame(f.game, "ROLL GEAR 5");
  EXPECT_EQ(f.round(2), (Steps{"SHFT 3", "ROLL GEAR 5"}));
  EXPECT_EQ(f.car(0).gear, 3);
  const LogRow& shift = f.game.log.rows[f.game.log.rows.size() - 2];
  EXPECT_EQ(shift.text, "          Driver A upshifts from gear 2 into gear 3");
  EXPECT_EQ(shift.icon, 4);
  EXPECT_EQ(f.game.log.rows.back().text, "               Driver A rolled 5 for movement");
  EXPECT_EQ(f.game.snapshot.move, 5);
}

TEST(StoringSteps, MailSentIsKeptBehindTheWaitingEntry) {
  RaceFixture f;
  advanceGame(f.game, "ROLL GEAR WAIT");
  advanceGame(f.game, "MAIL SENT bob@example.test");
  EXPECT_EQ(f.round(0), (Steps{"ROLL GEAR WAIT", "MAIL SENT bob@example.test"}));
  advanceGame(f.game, "MAIL SENT bob@example.test");  // not a waiting entry: appended
  EXPECT_EQ(f.round(0).size(), 3u);
}

TEST(StoringSteps, UnknownStepsAreOnlyStoredAndAnEmptyStepReplacesTheWait) {
  RaceFixture f;
  advanceGame(f.game, "MOVE WAIT");
  advanceGame(f.game, "");  // the move of no space
  advanceGame(f.game, "XYZW 12");
  EXPECT_EQ(f.round(0), (Steps{"", "XYZW 12"}));
}

TEST(StoringSteps, NothingIsStoredAfterTheResults) {
  RaceFixture f;
  advanceGame(f.game, "SHOW RSLT");
  advanceGame(f.game, "DRVR ADVN");
  advanceGame(f.game, "ROLL GEAR WAIT");
  advanceGame(f.game, "SHOW RSLT");  // resuming a finished game shows them again
  EXPECT_EQ(f.round(0), Steps{"SHOW RSLT"});
}

TEST(RunningOrder, SortsByLapPositionAndGearAndKeepsTiesInPlace) {
  struct CarState {
    int lap;
    float pos;
    int gear;
    int status;
  };
  struct Case {
    const char* name;
    std::vector<CarState> cars;
    std::vector<int> expected;
  } cases[] = {
      {"laps first", {{1, 50, 3, 0}, {2, 10, 3, 0}, {1, 60, 3, 0}}, {1, 2, 0}},
      {"gear breaks a tie of position", {{1, 10, 3, 0}, {1, 10, 5, 0}, {1, 9, 6, 0}}, {1, 0, 2}},
      {"complete tie keeps the earlier place",
       {{1, 10, 3, 0}, {1, 10, 3, 0}, {1, 10, 3, 0}},
       {0, 1, 2}},
      {"retired on a higher lap sorts last",
       {{1, 5, 2, 0}, {3, -19, 0, 22}, {1, 7, 2, 0}},
       {2, 0, 1}},
      {"finishers ahead in finishing order",
       {{1, 60, 4, 0}, {2, 998, 4, 20}, {2, 999, 4, 20}},
       {2, 1, 0}},
      {"two laps down beside the leader stays behind",
       {{3, 40, 1, 0}, {1, 40, 6, 0}, {3, 1, 1, 0}},
       {0, 2, 1}},
  };
  for (const auto& c : cases) {
    RaceFixture f;
    for (int i = 0; i < 3; ++i) {
      f.car(i).lap = c.cars[static_cast<std::size_t>(i)].lap;
      f.car(i).pos = c.cars[static_cast<std::size_t>(i)].pos;
      f.car(i).gear = c.cars[static_cast<std::size_t>(i)].gear;
      f.car(i).status = c.cars[static_cast<std::size_t>(i)].status;
    }
    f.game.positions = {0, 1, 2};
    f.game.currPos = 0;
    sortRunningOrder(f.game);
    EXPECT_EQ(f.game.positions, c.expected) << c.name;
    // CurrPos follows the car that was at it.
    EXPECT_EQ(f.game.carAtPosition(f.game.currPos), 0) << c.name;
  }
}

TEST(RunningOrder, NextRunningPosition) {
  RaceFixture f(4);
  f.car(0).status = Finished;
  f.car(2).status = RetiredEngine;
  EXPECT_EQ(nextRunningPosition(f.game, 0), 1);
  EXPECT_EQ(nextRunningPosition(f.game, 2), 3);
  EXPECT_EQ(nextRunningPosition(f.game, 4), 4);
  EXPECT_EQ(nextRunningPosition(f.game, 9), 9);
  f.car(1).status = Finished;
  f.car(3).status = RetiredCrash;
  EXPECT_EQ(nextRunningPosition(f.game, 0), 4);
}

struct ShiftCase {
  int from, to;
  Steps wear;
  int fuel, brakes, engine;
};

TEST(Shift, SkippedGearsCostFuelThenBrakesThenEngine) {
  const ShiftCase cases[] = {
      {6, 5, {}, 0, 0, 0},
      {6, 4, {"WEAR FUEL"}, 1, 0, 0},
      {6, 3, {"WEAR FUEL", "WEAR BRAK"}, 1, 1, 0},
      {6, 2, {"WEAR FUEL", "WEAR BRAK", "WEAR ENGN"}, 1, 1, 1},
      {6, 1, {}, 0, 0, 0},  // five gears down: the gear buttons never offer it
      {2, 6, {}, 0, 0, 0},
  };
  for (const auto& c : cases) {
    RaceFixture f;
    f.game.currRound = 2;
    f.game.gameLogArray.resize(3);
    f.game.currStep = -1;
    f.car(0).gear = c.from;
    const Car before = f.car(0);
    advanceGame(f.game, "ROLL GEAR WAIT");
    f.game.snapshot.gear = c.to;
    advanceGame(f.game, "SHFT " + std::to_string(c.to));
    Steps expected = c.wear;
    expected.push_back("SHFT " + std::to_string(c.to));
    EXPECT_EQ(f.round(2), expected) << c.from << "->" << c.to;
    EXPECT_EQ(before.fuel - f.car(0).fuel, c.fuel);
    EXPECT_EQ(before.brakes - f.car(0).brakes, c.brakes);
    EXPECT_EQ(before.engine - f.car(0).engine, c.engine);
    EXPECT_EQ(f.car(0).gear, c.to);
  }
}

TEST(Wear, EachKindUsesOnePointAndWritesItsLine) {
  struct Case {
    const char* step;
    int Car::*field;
    int entryType;
    const char* text;
  } cases[] = {
      {"WEAR TIRE", &Car::tires, 18, "                    Driver A used a tire point!"},
      {"WEAR ENGN", &Car::engine, 22, "                    Driver A used an engine point!"},
      {"WEAR BODY", &Car::body, 21, "                    Driver A used a bodywork point"},
      {"WEAR ROAD", &Car::roadHold, 23, "                    Driver A used a road holding point"},
      {"WEAR BRAK", &Car::brakes, 19, nullptr},
      {"WEAR FUEL", &Car::fuel, 20, nullptr},
  };
  for (const auto& c : cases) {
    RaceFixture f;
    const int before = f.car(0).*c.field;
    advanceGame(f.game, c.step);
    EXPECT_EQ(f.car(0).*c.field, before - 1) << c.step;
    const LogRow& row = f.game.log.rows.back();
    EXPECT_EQ(row.entryType, c.entryType) << c.step;
    EXPECT_EQ(row.icon, c.entryType) << c.step;
    EXPECT_EQ(row.color, LogRed) << c.step;
    if (c.text) {
      EXPECT_EQ(row.text, c.text) << c.step;
    }
    EXPECT_EQ(f.game.controls.flashRequests, 1);
  }
}

TEST(Wear, LastBrakePointSaysTheCarCannotBrake) {
  RaceFixture f;
  f.car(0).brakes = 1;
  advanceGame(f.game, "WEAR BRAK");
  EXPECT_EQ(f.lastLogText(), "                    'Driver A no longer has the ability to brake!'");
  EXPECT_EQ(f.game.log.rows.back().icon, 40);
}

TEST(Wear, BodyPointThatDestroysAVictimDamagesTheMoverToo) {
  RaceFixture f;
  f.game.currPos = 0;  // the mover is car 0
  f.game.currCar = 2;  // car 2 rolled for the collision and lost
  f.car(2).body = 1;
  f.car(0).body = 3;
  f.game.snapshot.clsn = 2;
  advanceGame(f.game, "WEAR BODY");
  EXPECT_EQ(f.round(0), (Steps{"STAT 2 22", "WEAR BODY"}));
  EXPECT_EQ(f.car(0).body, 2);
  EXPECT_EQ(f.game.snapshot.clsn, 1);
  bool damageLine = false;
  for (const auto& row : f.game.log.rows)
    damageLine |= row.text == "                    Driver A took damage as well!";
  EXPECT_TRUE(damageLine);
}

TEST(Wear, MoverDestroyedByTheChainLeavesTooAndRollsNoMore) {
  RaceFixture f;
  f.game.currCar = 2;
  f.car(2).body = 1;
  f.car(0).body = 1;
  f.game.snapshot.clsn = 2;
  advanceGame(f.game, "WEAR BODY");
  EXPECT_EQ(f.round(0), (Steps{"STAT 2 22", "STAT 0 22", "WEAR BODY"}));
  EXPECT_EQ(f.car(0).body, 0);
  EXPECT_EQ(f.game.snapshot.clsn, 0);
}

TEST(Wear, AMoverAlreadyOutOfTheRaceTakesNoDamage) {
  RaceFixture f;
  f.game.currCar = 2;
  f.car(2).body = 1;
  f.car(0).body = 2;
  f.car(0).status = RetiredEngine;
  advanceGame(f.game, "WEAR BODY");
  EXPECT_EQ(f.car(0).body, 2);
  EXPECT_EQ(f.round(0), (Steps{"STAT 2 22", "WEAR BODY"}));
}

TEST(DriverAdvance, PassesTheTurnAndOpensTheNextRoundAfterTheLastCar) {
  RaceFixture f;
  f.game.currRound = 1;
  f.game.gameLogArray.resize(2);
  f.game.currStep = -1;
  advanceGame(f.game, "DRVR ADVN");
  EXPECT_EQ(f.game.currPos, 1);
  EXPECT_EQ(f.game.currCar, 1);
  EXPECT_EQ(f.round(1), Steps{"DRVR 1"});
  EXPECT_EQ(f.lastLogText(), "     Current Driver: Driver B");
  EXPECT_EQ(f.game.controls.driverCard.car, 1);
  EXPECT_TRUE(f.game.controls.diePanel.visible);

  f.car(2).status = SpunOut;
  advanceGame(f.game, "DRVR ADVN");
  EXPECT_EQ(f.car(2).status, Running);
  // Car 0 has moved ahead on a later lap: the new round re-sorts the order.
  f.car(1).lap = 1;
  advanceGame(f.game, "DRVR ADVN");
  EXPECT_EQ(f.game.currRound, 2);
  ASSERT_EQ(f.round(2).size(), 4u);
  EXPECT_EQ(f.round(2)[0], "");
  EXPECT_EQ(f.round(2)[1], "ROUN 2");
  EXPECT_EQ(f.round(2)[2], "POSN 1 0 2");
  EXPECT_EQ(f.round(2)[3], "DRVR 1");
  EXPECT_EQ(f.car(1).lastRoundPos, 0);
  EXPECT_EQ(f.car(0).lastRoundPos, 1);
  // From round 2 on the round opens with the leader line.
  bool leaderLine = false;
  for (const auto& row : f.game.log.rows) leaderLine |= row.entryType == 3 && row.icon == 39;
  EXPECT_TRUE(leaderLine);
}

TEST(DriverAdvance, EndsTheRaceWhenNoCarRunsAndStoresNothingElse) {
  RaceFixture f(2);
  f.game.currRound = 3;
  f.game.gameLogArray.resize(4);
  f.game.currStep = -1;
  f.car(0).status = Finished;
  f.car(1).status = RetiredCrash;
  advanceGame(f.game, "DRVR ADVN");
  EXPECT_EQ(f.round(3), Steps{"SHOW RSLT"});
}

TEST(DriverAdvance, ACarInThePitsIsExitingAtItsNextTurn) {
  RaceFixture f;
  f.game.currRound = 2;
  f.game.gameLogArray.resize(3);
  f.car(1).status = InThePits;
  advanceGame(f.game, "DRVR ADVN");
  EXPECT_EQ(f.car(1).status, ExitingPits);
}

TEST(DriverAdvance, DriverCommentIsLoggedAndCanBeSwitchedOff) {
  RaceFixture f;
  f.game.currRound = 1;
  f.game.options.driverComment = true;
  f.frontend.comments.push_back({"Brakes are fading", true});
  advanceGame(f.game, "DRVR ADVN");
  ASSERT_GE(f.game.log.rows.size(), 2u);
  const LogRow& comment = f.game.log.rows[f.game.log.rows.size() - 2];
  EXPECT_EQ(comment.text, "     Driver A: Brakes are fading");
  EXPECT_EQ(comment.color, LogBlue);
  EXPECT_FALSE(f.game.options.driverComment);
  EXPECT_EQ(f.settings.value("Settings", "DriverComm"), "0");
}

TEST(DriverAdvance, EMailGameNamesTheAddressAndEnablesSendMailForARemotePlayer) {
  RaceFixture f;
  f.game.gameType = 1;
  f.game.options.localEMail = "ALICE@example.test";
  f.car(0).eMail = "alice@example.test";
  f.car(1).eMail = "bob@example.test";
  advanceGame(f.game, "DRVR 1");
  EXPECT_EQ(f.lastLogText(), "     Current Driver: Driver B (bob@example.test)");
  EXPECT_TRUE(f.game.controls.toolbar.get(control::SendMailButton).enabled);
  EXPECT_FALSE(f.game.controls.diePanel.visible);  // the die is the other player's
  advanceGame(f.game, "DRVR 0");
  EXPECT_FALSE(f.game.controls.toolbar.get(control::SendMailButton).enabled);
  EXPECT_TRUE(f.game.controls.diePanel.visible);
}

TEST(ShowTurn, LookingAtAnotherCarKeepsTheActiveCarsPendingGear) {
  RaceFixture f;
  f.game.currCar = 0;
  f.game.snapshot.gear = 4;
  f.car(1).gear = 2;
  showTurn(f.game, 1);
  EXPECT_EQ(f.game.snapshot.gear, 4);
  EXPECT_TRUE(f.game.controls.driverCard.gears[1].selected);
  EXPECT_FALSE(f.game.controls.diePanel.visible);
  showTurn(f.game, 0);
  EXPECT_TRUE(f.game.controls.driverCard.gears[3].selected);
  EXPECT_EQ(f.game.snapshot.gear, 4);
}

TEST(ExecutedMove, LabelsMaxSpeedBoggedAndClearsOldLabels) {
  struct Case {
    int gear;
    int spaces;
    int statusBefore;
    int round;
    int expected;
  } cases[] = {
      {5, 20, 0, 2, MaxSpeed},  // as many spaces as the die has faces
      {3, 8, 0, 2, 0},          // never in third gear
      {4, 7, 0, 2, Bogged},     // no more than the lowest face (7)
      {4, 9, -2, 2, 0},         // an old label is cleared from round 2 on
      {4, 9, -2, 1, -2},        // but not in the start round
      {5, 20, 10, 2, 10},       // in the pit lane the status stays
  };
  for (const auto& c : cases) {
    RaceFixture f;
    f.game.currRound = c.round;
    f.game.gameLogArray.resize(3);
    f.car(0).gear = c.gear;
    f.car(0).status = c.statusBefore;
    f.game.track.pitLane = 2;
    const int lane = c.statusBefore == EnteringPits ? 2 : 0;
    f.game.moves = {f.car(0).location};
    for (int k = 1; k <= c.spaces; ++k) f.game.moves.push_back(makeLocation(lane, k % 20));
    advanceGame(f.game, "MOVE 1");
    EXPECT_EQ(f.car(0).status, c.expected) << c.gear << " " << c.spaces;
    EXPECT_EQ(f.car(0).location, f.game.moves.back());
    EXPECT_FALSE(f.game.controls.movePanel.visible);
  }
}

struct CountingFollowUps : FollowUps {
  int saves = 0;
  int mails = 0;
  void autoSave(Game&) override { ++saves; }
  void autoMail(Game&) override { ++mails; }
};

TEST(FollowUps, AutoSaveAtTheFirstCarsWaitingRollAndAutoMailToARemotePlayer) {
  RaceFixture f;
  CountingFollowUps follow;
  f.game.services.followUps = &follow;
  f.game.options.autoSave = true;
  advanceGame(f.game, "ROLL GEAR WAIT");
  EXPECT_EQ(follow.saves, 1);
  advanceGame(f.game, "ROLL GEAR WAIT");  // re-run at CurrPos 0: saved again
  EXPECT_EQ(follow.saves, 2);
  f.game.currPos = 1;
  advanceGame(f.game, "ROLL GEAR WAIT");
  EXPECT_EQ(follow.saves, 2);

  f.game.options.autoMail = true;
  f.game.gameType = 1;
  f.game.options.localEMail = "me@example.test";
  f.car(0).eMail = "ME@example.test";
  f.game.currCar = 0;
  advanceGame(f.game, "ROLL GEAR WAIT");
  EXPECT_EQ(follow.mails, 0);
  f.car(0).eMail = "you@example.test";
  advanceGame(f.game, "ROLL GEAR WAIT");
  EXPECT_EQ(follow.mails, 1);
  advanceGame(f.game, "ROLL GEAR 3");  // not a waiting step
  EXPECT_EQ(follow.mails, 1);
}

TEST(Positions, GridPlacesTheCarsOnTheirGridSpaces) {
  RaceFixture f;
  f.game.track.gridLocations[1] = makeLocation(1, 5);
  f.game.track.gridLocations[2] = makeLocation(0, 4);
  f.game.track.gridLocations[3] = makeLocation(2, 3);
  f.game.positions = {2, 0, 1};
  advanceGame(f.game, "POSN GRID");
  EXPECT_EQ(f.round(0), Steps{"POSN 2 0 1"});
  EXPECT_EQ(f.car(2).startGrid, 1);
  EXPECT_EQ(f.car(2).location, 1005);
  EXPECT_EQ(f.car(2).pos, 5);
  EXPECT_EQ(f.car(1).location, 2003);
}

TEST(Continuations, VictimsRollFirstThenTheMoverThenTheTurnPasses) {
  RaceFixture f;
  f.game.currRound = 2;
  f.game.gameLogArray.resize(3);
  f.game.currPos = 0;
  f.game.currCar = 0;
  f.car(0).clsnFlag = True;
  f.car(2).clsnFlag = True;
  f.game.snapshot.clsn = 1;
  afterMove(f.game);
  EXPECT_EQ(f.game.currCar, 2);
  EXPECT_EQ(f.round(2).back(), "ROLL CLSN WAIT");
  EXPECT_EQ(f.car(0).possCollCaused, 1);

  f.car(2).clsnFlag = False;  // the victim has rolled
  collisionContinuation(f.game);
  EXPECT_EQ(f.game.currCar, 0);
  EXPECT_EQ(f.round(2).back(), "ROLL CLSN WAIT");

  f.game.snapshot.clsn = 0;  // the mover has rolled
  collisionContinuation(f.game);
  EXPECT_EQ(f.game.currCar, 1);
  EXPECT_EQ(f.round(2).back(), "ROLL GEAR WAIT");
}

TEST(Continuations, AutoRollForOtherPlayersButNeverForTheMover) {
  RaceFixture f;
  f.game.currRound = 2;
  f.game.gameLogArray.resize(3);
  f.game.options.autoRoll = true;
  f.car(0).clsnFlag = True;
  f.car(1).clsnFlag = True;
  f.game.snapshot.clsn = 1;
  f.random.values.assign(16, 0.99);
  f.random.values[0] = 0.0;  // fifteen frames of 20s: avoided
  afterMove(f.game);
  const auto& r = f.round(2);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0], "DRVR 1");
  EXPECT_EQ(r[1], "ROLL CLSN AUTO");
  EXPECT_EQ(r[2], "ROLL CLSN 20");
  EXPECT_EQ(f.game.log.rows[f.game.log.rows.size() - 3].icon, 35);
  EXPECT_TRUE(f.game.timers[TimerId::CollisionRoll].enabled);
  EXPECT_EQ(f.car(1).clsnFlag, False);
  fireTimer(f.game, TimerId::CollisionRoll);
  EXPECT_EQ(f.round(2).back(), "ROLL CLSN WAIT");  // the mover's own roll waits
  EXPECT_EQ(f.game.currCar, 0);
}

TEST(Continuations, EngineRollsOfEveryFlaggedCarThenTheTurnGoesOn) {
  RaceFixture f;
  f.game.currRound = 2;
  f.game.gameLogArray.resize(3);
  f.car(0).engnFlag = True;
  f.car(2).engnFlag = True;
  engineContinuation(f.game);
  EXPECT_EQ(f.game.currCar, 0);
  EXPECT_EQ(f.round(2).back(), "ROLL ENGN WAIT");
  f.car(0).engnFlag = False;
  engineContinuation(f.game);
  EXPECT_EQ(f.game.currCar, 2);
  f.car(2).engnFlag = False;
  engineContinuation(f.game);
  EXPECT_EQ(f.game.currCar, 1);
  EXPECT_EQ(f.round(2).back(), "ROLL GEAR WAIT");
}

TEST(Continuations, AMoverThatLeftTheRaceRollsNoMoreAndTheRaceEnds) {
  RaceFixture f(1);
  f.game.currRound = 2;
  f.game.gameLogArray.resize(3);
  f.car(0).clsnFlag = True;
  f.car(0).status = RetiredCrash;
  f.game.snapshot.clsn = 2;
  collisionContinuation(f.game);
  EXPECT_EQ(f.round(2), Steps{"SHOW RSLT"});
}

TEST(Timers, FiringAResultTimerStopsItAndRestoresItsInterval) {
  RaceFixture f;
  f.game.currRound = 2;
  f.game.gameLogArray.resize(3);
  startTimer(f.game, TimerId::EngineRoll, ResultPauseMs);
  shortenResultTimers(f.game);
  EXPECT_EQ(f.game.timers[TimerId::EngineRoll].intervalMs, MoveOnMs);
  fireTimer(f.game, TimerId::EngineRoll);
  EXPECT_FALSE(f.game.timers[TimerId::EngineRoll].enabled);
  EXPECT_EQ(f.game.timers[TimerId::EngineRoll].intervalMs, ResultPauseMs);
  EXPECT_EQ(f.round(2).back(), "ROLL GEAR WAIT");  // the engine continuation ran
  fireTimer(f.game, TimerId::EngineRoll);          // a stopped timer does nothing
  EXPECT_EQ(f.round(2).back(), "ROLL GEAR WAIT");
}

}  // namespace
}  // namespace tarmaq
