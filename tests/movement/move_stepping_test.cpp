#include "movement/move_stepping.h"

#include <gtest/gtest.h>

#include "movement/move_execution.h"
#include "movement/move_options.h"
#include "movement/remaining_count.h"
#include "support/oval_board.h"

namespace tarmaq {
namespace {

using testing::OvalRace;
using Steps = std::vector<std::string>;

const std::string Sure = "\r\nAre you sure you want to make this move?";

// Steps straight `k` times.
void straight(OvalRace& f, int k) {
  for (int i = 0; i < k; ++i) moveButtonClick(f.game, 1);
}

TEST(Stepping, EachStepCountsDownAndTheMoveIsCompleteAtZero) {
  OvalRace f;
  f.planTurn(0, 5);
  const MovePanel& panel = f.game.controls.movePanel;
  EXPECT_TRUE(panel.visible);
  EXPECT_FALSE(panel.stepBackEnabled);
  EXPECT_FALSE(panel.resetEnabled);
  EXPECT_FALSE(panel.acceptEnabled);
  moveButtonClick(f.game, 0);  // one lane to the left
  EXPECT_EQ(f.game.moves, (std::vector<int>{1003, 4}));
  EXPECT_EQ(f.game.controls.diePanel.valueText, "4");
  EXPECT_TRUE(panel.stepBackEnabled);
  EXPECT_TRUE(panel.resetEnabled);
  straight(f, 4);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "0");
  EXPECT_EQ(panel.laneEnabled, (std::array<bool, 3>{false, false, false}));
  EXPECT_TRUE(panel.acceptEnabled);
  moveButtonClick(f.game, 1);  // a disabled button does nothing
  EXPECT_EQ(f.game.moves.size(), 6u);
}

// A game loaded while its move was being planned waits at "MOVE WAIT" again with the
// planned spaces: the lane buttons and the shading are those of the last planned space.
TEST(Stepping, ResumingAPlannedMoveOffersTheOptionsOfItsLastSpace) {
  OvalRace f;
  f.planTurn(0, 5);
  moveButtonClick(f.game, 0);
  straight(f, 1);
  const auto lanes = f.game.controls.movePanel.laneEnabled;
  const auto shaded = f.game.view.shadedSpaces;
  const auto moves = f.game.moves;
  ASSERT_EQ(moves.size(), 3u);
  ASSERT_FALSE(shaded.empty());
  f.game.controls.movePanel.laneEnabled = {true, true, true};
  f.game.view.shadedSpaces.clear();
  advanceGame(f.game, "MOVE WAIT");
  EXPECT_EQ(f.game.moves, moves);
  EXPECT_EQ(f.game.controls.movePanel.laneEnabled, lanes);
  EXPECT_EQ(f.game.view.shadedSpaces, shaded);
}

TEST(Stepping, StepBackKeepsTheStartAndResetGivesEverythingBack) {
  OvalRace f;
  f.car(0).location = makeLocation(1, 8);  // in the 1-stop corner, its stop made
  f.car(0).segment = 1;
  f.car(0).stops = 1;  // still owed
  f.planTurn(0, 4);
  straight(f, 2);  // 1009, then 1010 on the straight beyond: a tire point
  EXPECT_EQ(f.game.snapshot.tires, f.car(0).tires - 1);
  undoStep(f.game);
  EXPECT_EQ(f.game.moves, (std::vector<int>{1008, 1009}));
  EXPECT_EQ(f.game.controls.diePanel.valueText, "3");
  EXPECT_EQ(f.game.snapshot.tires, f.car(0).tires - 1);  // Step Back keeps the charge
  undoStep(f.game);
  undoStep(f.game);  // nothing left to take back: the start stays
  EXPECT_EQ(f.game.moves, std::vector<int>{1008});
  EXPECT_EQ(f.game.controls.diePanel.valueText, "4");
  EXPECT_FALSE(f.game.controls.movePanel.stepBackEnabled);
  straight(f, 2);
  resetMove(f.game);
  EXPECT_EQ(f.game.moves, std::vector<int>{1008});
  EXPECT_EQ(f.game.snapshot.tires, f.car(0).tires);
  EXPECT_EQ(f.game.controls.driverCard.picture(WearRow::Tires, f.car(0).tires - 1).tag, "0");
  EXPECT_EQ(f.game.controls.movePanel.laneEnabled[1], true);
}

TEST(Stepping, OvershootingWithOneStopOwedCostsATirePerSpaceAndClosesTheLanes) {
  OvalRace f;
  f.car(0).location = makeLocation(1, 9);
  f.car(0).segment = 1;
  f.car(0).stops = 1;
  f.planTurn(0, 3);
  const int tires = f.car(0).tires;
  straight(f, 2);
  EXPECT_EQ(f.game.snapshot.tires, tires - 2);
  EXPECT_EQ(f.game.controls.driverCard.picture(WearRow::Tires, tires - 1).key, "SlashedTire");
  EXPECT_EQ(f.game.controls.driverCard.picture(WearRow::Tires, tires - 1).tag, "1");
  EXPECT_EQ(f.game.controls.movePanel.laneEnabled, (std::array<bool, 3>{false, true, false}));
  EXPECT_TRUE(f.frontend.messages.empty());
}

TEST(Stepping, OvershootWarningsEliminateSpinOrReset) {
  struct Case {
    const char* name;
    int stops;
    int tires;
    int roll;
    int stepsToTake;
    Answer answer;
    const char* title;
    std::string text;
    int status;
    std::string lastStep;
  } cases[] = {
      {"two stops skipped, Yes", 2, 8, 3, 1, Answer::Yes, "Elimination Alert",
       "Skipping 2 or more stops will cause your car to be eliminated!" + Sure, RetiredTires,
       "ROLL GEAR WAIT"},
      {"two stops skipped, No", 2, 8, 3, 1, Answer::No, "Elimination Alert",
       "Skipping 2 or more stops will cause your car to be eliminated!" + Sure, Running,
       "MOVE WAIT"},
      {"last tire with spaces to go, Yes", 1, 1, 3, 1, Answer::Yes, "Elimination Alert",
       "This move will cause your car to be eliminated!" + Sure, RetiredTires, "ROLL GEAR WAIT"},
      {"last tire on the last space, Yes", 1, 1, 1, 1, Answer::Yes, "Spin-Out Warning",
       "This move will cause your car to spin out!" + Sure, SpunOut, "ROLL GEAR WAIT"},
      {"last tire on the last space, No", 1, 1, 1, 1, Answer::No, "Spin-Out Warning",
       "This move will cause your car to spin out!" + Sure, Running, "MOVE WAIT"},
  };
  for (const auto& c : cases) {
    OvalRace f;
    f.car(0).location = makeLocation(1, 9);
    f.car(0).segment = 1;
    f.car(0).stops = c.stops;
    f.car(0).tires = c.tires;
    f.planTurn(0, c.roll);
    f.frontend.answers = {c.answer};
    straight(f, c.stepsToTake);
    ASSERT_EQ(f.frontend.messages.size(), 1u) << c.name;
    EXPECT_EQ(f.frontend.messages[0].title, c.title) << c.name;
    EXPECT_EQ(f.frontend.messages[0].text, c.text) << c.name;
    EXPECT_EQ(f.frontend.messages[0].icon, MessageIcon::Error) << c.name;
    EXPECT_EQ(f.car(0).status, c.status) << c.name;
    EXPECT_EQ(f.step(), c.lastStep) << c.name;
    if (c.answer == Answer::No) {
      EXPECT_EQ(f.game.moves, std::vector<int>{1009}) << c.name;  // the whole move is reset
      EXPECT_EQ(f.game.snapshot.tires, c.tires) << c.name;
    }
    if (c.status == RetiredTires) {
      const auto& r = f.round(2);
      EXPECT_NE(std::find(r.begin(), r.end(), "STAT 0 21"), r.end()) << c.name;
      EXPECT_NE(f.logRow(28, 26), nullptr) << c.name;
      EXPECT_EQ(f.game.currCar, 1) << c.name;  // the turn went on
    }
    if (c.status == SpunOut) {
      EXPECT_EQ(f.car(0).gear, 0);
      EXPECT_EQ(f.car(0).speed, 0);
      EXPECT_EQ(f.car(0).location, 1010);
    }
  }
}

TEST(Stepping, NoOvershootingBeforeTheStartLineOrWithTheRuleOff) {
  for (int variant = 0; variant < 2; ++variant) {
    OvalRace f;
    f.car(0).location = makeLocation(1, 9);
    f.car(0).segment = 1;
    f.car(0).stops = 2;
    if (variant == 0)
      f.car(0).lap = 0;
    else
      f.game.rules[Rule::Overshooting] = 0;
    f.planTurn(0, 3);
    straight(f, 3);
    EXPECT_TRUE(f.frontend.messages.empty()) << variant;
    EXPECT_EQ(f.game.snapshot.tires, f.car(0).tires) << variant;
  }
}

TEST(Stepping, TakingOnACornerAlsoAfterStopsWentBelowZero) {
  OvalRace f;
  // Stopped twice in the 1-stop corner: the car owes -1 stops there.
  f.car(0).location = makeLocation(1, 9);
  f.car(0).segment = 1;
  f.car(0).stops = -1;
  f.planTurn(0, 8);
  straight(f, 8);  // through the straight into the 2-stop hairpin (1016, 1017)
  EXPECT_EQ(f.game.snapshot.segment, 3);
  EXPECT_EQ(f.game.snapshot.stops, 2);
}

TEST(Stepping, PitEntryTheOwnGarageAndTheFinishLine) {
  {
    OvalRace f;
    f.car(0).location = makeLocation(2, 19);
    f.planTurn(0, 6);
    straight(f, 1);
    moveButtonClick(f.game, 2);  // into the pit lane
    EXPECT_EQ(f.car(0).status, EnteringPits);
    straight(f, 2);  // the own box (pit space 0)
    EXPECT_EQ(f.game.controls.movePanel.laneEnabled, (std::array<bool, 3>{false, false, true}));
    moveButtonClick(f.game, 2);  // into the garage: the move ends at once
    EXPECT_EQ(f.car(0).status, InThePits);
    EXPECT_EQ(f.game.controls.diePanel.valueText, "0");
    EXPECT_TRUE(f.game.controls.movePanel.acceptEnabled);
    undoStep(f.game);  // taken back: in the pit lane again
    EXPECT_EQ(f.car(0).status, EnteringPits);
  }
  {
    OvalRace f;
    f.car(0).lap = 2;  // the last lap
    f.car(0).location = makeLocation(1, 21);
    f.planTurn(0, 6);
    straight(f, 3);  // space 0: the finish line ends the move
    EXPECT_EQ(f.game.controls.diePanel.valueText, "0");
    EXPECT_TRUE(f.game.controls.movePanel.acceptEnabled);
  }
}

TEST(Stepping, SlipstreamOfferedBehindACarAndAcceptedOrDeclined) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    OvalRace f;
    f.car(0).gear = 4;
    f.car(0).location = makeLocation(1, 11);
    f.car(0).segment = 2;
    f.car(1).gear = 4;
    f.car(1).location = makeLocation(1, 13);
    f.planTurn(0, 7);
    f.game.snapshot.move = 1;  // one space to go
    setRemainingCount(f.game, 1);
    f.frontend.answers = {answer};
    straight(f, 1);
    ASSERT_EQ(f.titles(), std::vector<std::string>{"Slipstream Possible"});
    EXPECT_EQ(f.frontend.messages[0].text,
              "Your car is eligible for a slipstream.\r\nWould you like to utilize it?");
    EXPECT_EQ(f.frontend.messages[0].icon, MessageIcon::Question);
    if (answer == Answer::Yes) {
      EXPECT_EQ(f.game.controls.diePanel.valueText, "3");
      EXPECT_EQ(f.game.snapshot.slipstream, 1);
      const LogRow* line = f.logRow(29, 10);
      ASSERT_NE(line, nullptr);
      EXPECT_EQ(line->color, LogGreen);
      EXPECT_EQ(line->text.substr(0, 16), "               '");
      EXPECT_EQ(line->text.back(), '\'');
      // Raised to the roll or above: nothing to step back to.
      EXPECT_FALSE(f.game.controls.movePanel.stepBackEnabled);
    } else {
      EXPECT_EQ(f.game.controls.diePanel.valueText, "0");
      EXPECT_EQ(f.game.snapshot.slipstream, 0);
    }
  }
}

TEST(Stepping, NoSlipstreamAfterBrakingOrWithoutAWayOut) {
  struct Case {
    const char* name;
    bool braked;
    bool boxedIn;
  } cases[] = {{"a brake point was used", true, false}, {"no side lane free", false, true}};
  for (const auto& c : cases) {
    OvalRace f(4);
    f.car(0).gear = 4;
    f.car(0).location = makeLocation(1, 11);
    f.car(1).gear = 4;
    f.car(1).location = makeLocation(1, 13);
    f.car(2).location = c.boxedIn ? makeLocation(0, 13) : makeLocation(0, 1);
    f.car(3).location = c.boxedIn ? makeLocation(2, 13) : makeLocation(2, 1);
    f.planTurn(0, 7);
    f.game.snapshot.move = 1;
    setRemainingCount(f.game, 1);
    if (c.braked) --f.game.snapshot.brakes;
    straight(f, 1);
    EXPECT_TRUE(f.frontend.messages.empty()) << c.name;
    EXPECT_EQ(f.game.controls.diePanel.valueText, "0") << c.name;
  }
}

TEST(Stepping, ASlipstreamEndingInACornerNeedsABrakePoint) {
  for (int brakes : {1, 0}) {
    OvalRace f;
    f.car(0).gear = 4;
    f.car(0).location = makeLocation(1, 2);
    f.car(1).gear = 4;
    f.car(1).location = makeLocation(1, 4);
    f.car(2).location = makeLocation(0, 20);
    f.planTurn(0, 7);
    f.game.snapshot.move = 1;
    setRemainingCount(f.game, 1);
    f.game.snapshot.brakes = brakes;  // what is left of this move's brake points
    f.car(0).brakes = brakes;
    f.frontend.answers = {Answer::Yes};
    straight(f, 1);              // 1003: the slipstream gives 3 more
    moveButtonClick(f.game, 0);  // 4 ...
    straight(f, 2);              // ... 5, 6: in the First Bend
    if (brakes == 1) {
      EXPECT_EQ(f.game.snapshot.brakes, 0);
      EXPECT_EQ(f.titles(), std::vector<std::string>{"Slipstream Possible"});
    } else {
      ASSERT_EQ(f.titles(),
                (std::vector<std::string>{"Slipstream Possible", "Invalid Slipstream Move"}));
      EXPECT_EQ(f.frontend.messages[1].icon, MessageIcon::Warning);
      EXPECT_EQ(f.frontend.messages[1].buttons, MessageButtons::Ok);
      EXPECT_EQ(f.game.moves, std::vector<int>{1002});  // reset
      EXPECT_EQ(f.game.snapshot.brakes, 0);             // never below zero
    }
  }
}

TEST(Stepping, StepBackFromASlipstreamIntoACornerGivesItsBrakePointBack) {
  OvalRace f;
  f.car(0).gear = 4;
  f.car(0).location = makeLocation(1, 2);
  f.car(1).gear = 4;
  f.car(1).location = makeLocation(1, 4);
  f.car(2).location = makeLocation(0, 20);
  f.planTurn(0, 7);
  f.game.snapshot.move = 1;
  setRemainingCount(f.game, 1);
  const int brakes = f.car(0).brakes;
  ASSERT_GE(brakes, 2);
  f.frontend.answers = {Answer::Yes};
  straight(f, 1);              // 1003: the slipstream gives 3 more
  moveButtonClick(f.game, 0);  // 4 ...
  straight(f, 2);              // ... 5, 6: in the First Bend, which costs a brake point
  ASSERT_EQ(f.game.snapshot.brakes, brakes - 1);
  ASSERT_TRUE(f.game.controls.movePanel.stepBackEnabled);
  stepBackCommand(f.game);  // back to 5, on the straight
  EXPECT_EQ(f.game.snapshot.brakes, brakes);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "1");
  straight(f, 1);  // into the bend again: one point, not two
  EXPECT_EQ(f.game.snapshot.brakes, brakes - 1);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "0");
  acceptMoveCommand(f.game);
  int brakeSteps = 0;
  for (const auto& round : f.game.gameLogArray)
    for (const auto& step : round) brakeSteps += step == "WEAR BRAK";
  EXPECT_EQ(brakeSteps, 1);
  EXPECT_EQ(f.car(0).brakes, brakes - 1);
}

TEST(Stepping, EnablingRulesApplyAfreshWhenAMoveStarts) {
  OvalRace f;
  f.planTurn(0, 4);
  straight(f, 4);
  ASSERT_TRUE(f.game.controls.movePanel.acceptEnabled);
  // The next move starts with the label still reading as the last roll of the same
  // value: Accept must not stay enabled from before.
  f.game.controls.diePanel.valueText = "4";
  f.game.controls.movePanel.acceptEnabled = true;
  f.game.controls.movePanel.stepBackEnabled = true;
  advanceGame(f.game, "MOVE WAIT");
  EXPECT_FALSE(f.game.controls.movePanel.acceptEnabled);
  EXPECT_FALSE(f.game.controls.movePanel.stepBackEnabled);
}

}  // namespace
}  // namespace tarmaq
