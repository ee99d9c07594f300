#include "movement/move_input.h"

#include <gtest/gtest.h>

#include "movement/remaining_count.h"
#include "support/oval_board.h"

namespace tarmaq {
namespace {

using testing::OvalRace;

struct InputRace : OvalRace {
  // A press on the centre of a space, wherever the view stands.
  void click(int location, PointerButton b = PointerButton::Left) {
    const Space* s = game.track.space(location);
    pointerPress(game, b, game.view.toScreenX(s->x), game.view.toScreenY(s->y));
  }
};

TEST(Keys, PlanStepBackResetAndAcceptAMove) {
  InputRace f;
  f.beginTurn(0);
  f.game.forcedRolls = {3};
  handleKey(f.game, key::Space, false);
  ASSERT_EQ(f.step(), "MOVE WAIT");
  handleKey(f.game, key::Delete, false);  // Step Back is disabled: the start stays
  EXPECT_EQ(f.game.moves, std::vector<int>{1003});
  handleKey(f.game, key::Left, false);
  handleKey(f.game, key::Right, false);  // back into a lane used in this move: closed
  handleKey(f.game, key::Up, false);
  EXPECT_EQ(f.game.moves, (std::vector<int>{1003, 4, 5}));
  handleKey(f.game, key::Backspace, false);
  EXPECT_EQ(f.game.moves, (std::vector<int>{1003, 4}));
  handleKey(f.game, key::Escape, false);
  EXPECT_EQ(f.game.moves, std::vector<int>{1003});
  handleKey(f.game, key::Up, false);
  handleKey(f.game, key::Enter, false);  // spaces still to go: ignored
  EXPECT_EQ(f.step(), "MOVE WAIT");
  handleKey(f.game, key::Up, false);
  handleKey(f.game, key::Up, false);
  handleKey(f.game, key::Enter, false);
  EXPECT_EQ(f.car(0).location, 1006);
  EXPECT_EQ(f.game.currCar, 1);
}

TEST(Keys, UpOnTheLastSpaceOfALaneGoesToSpaceZero) {
  InputRace f;
  f.car(0).location = 1023;
  f.planTurn(0, 4);
  handleKey(f.game, key::Up, false);
  EXPECT_EQ(f.game.moves.back(), 1000);
}

TEST(Keys, GearKeysOnlyWhileTheGearIsChosen) {
  InputRace f;
  f.car(0).gear = 4;
  f.beginTurn(0);
  handleKey(f.game, '3', false);
  EXPECT_EQ(f.game.snapshot.gear, 3);
  handleKey(f.game, key::U, false);
  EXPECT_EQ(f.game.snapshot.gear, 4);
  handleKey(f.game, key::D, false);
  EXPECT_EQ(f.game.snapshot.gear, 3);
  f.roll(5);
  handleKey(f.game, '5', false);  // during the move: nothing
  EXPECT_EQ(f.game.snapshot.gear, 3);
}

TEST(Keys, TheBKeyBrakesOnlyWhereAClickWould) {
  InputRace f;
  f.beginTurn(0);
  handleKey(f.game, key::B, false);  // no move planned yet
  EXPECT_EQ(f.game.snapshot.brakes, f.car(0).brakes);
  f.roll(5);
  handleKey(f.game, key::B, false);
  EXPECT_EQ(f.game.snapshot.brakes, f.car(0).brakes - 1);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "4");
  EXPECT_EQ(f.game.controls.driverCard.picture(WearRow::Brakes, f.car(0).brakes - 1).tag, "1");
  f.game.rules[Rule::Braking] = 0;
  handleKey(f.game, key::B, false);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "4");
}

TEST(Keys, TheTestingDialogSetsTheDieValueAndTellsOnTheDriver) {
  struct Case {
    const char* name;
    std::optional<std::string> reply;
    std::string text;
    int move;
  } cases[] = {
      {"OK with a number", std::string("7"), "7", 7},
      {"Cancel keeps the value", std::nullopt, "5", 5},
      {"text that is not a number", std::string("lots"), "lots", 5},
  };
  for (const auto& c : cases) {
    InputRace f;
    f.planTurn(0, 5);
    f.frontend.cheatReply = c.reply;
    handleKey(f.game, key::D, true);
    EXPECT_EQ(f.frontend.cheatPrompts, std::vector<std::string>{"5"}) << c.name;
    EXPECT_EQ(f.game.controls.diePanel.valueText, c.text) << c.name;
    EXPECT_EQ(f.game.snapshot.move, c.move) << c.name;
    const LogRow& row = f.game.log.rows.back();
    EXPECT_EQ(row.text, "     Driver A has cheated!") << c.name;
    EXPECT_EQ(row.entryType, 29);
    EXPECT_EQ(row.icon, 9);
    EXPECT_EQ(row.color, LogRed);
  }
  // During the gear choice the key then also shifts one gear down.
  InputRace f;
  f.car(0).gear = 4;
  f.beginTurn(0);
  handleKey(f.game, key::D, true);
  EXPECT_EQ(f.game.snapshot.gear, 3);
}

TEST(Keys, NothingWhileNoGameIsShown) {
  InputRace f;
  f.beginTurn(0);
  f.game.view.visible = false;
  f.game.forcedRolls = {3};
  handleKey(f.game, key::Space, false);
  EXPECT_EQ(f.step(), "ROLL GEAR WAIT");
}

TEST(Pointer, OneStepARunOfStepsAndTheirLimits) {
  struct Case {
    const char* name;
    int roll;
    int target;
    int blocker;
    int edge4;
    std::vector<int> moves;
  } cases[] = {
      {"the space ahead", 5, 1004, -1, -1, {1003, 1004}},
      {"diagonally ahead-left", 5, 4, -1, -1, {1003, 4}},
      {"three ahead", 5, 1006, -1, -1, {1003, 1004, 1005, 1006}},
      {"a car on the second stops the run after the first", 5, 1006, 1005, -1, {1003, 1004}},
      {"a lane end stops the run", 5, 1007, -1, 1004, {1003, 1004}},
      {"beyond the roll", 3, 1007, -1, -1, {1003}},
      {"behind the car", 3, 1002, -1, -1, {1003}},
      {"across the line", 4, 1001, -1, -1, {1003}},
  };
  for (const auto& c : cases) {
    InputRace f;
    f.car(1).location = c.blocker >= 0 ? c.blocker : 12;
    f.car(2).location = 2012;
    if (c.edge4 >= 0) f.game.track.space(c.edge4)->edgeType = 4;
    f.planTurn(0, c.roll);
    f.click(c.target);
    EXPECT_EQ(f.game.moves, c.moves) << c.name;
  }
  // A run across the line of a lane.
  InputRace f;
  f.car(0).location = 1022;
  f.car(1).location = 12;
  f.car(2).location = 2012;
  f.planTurn(0, 5);
  f.click(1001);
  EXPECT_EQ(f.game.moves, (std::vector<int>{1022, 1023, 1000, 1001}));
}

TEST(Pointer, CarsCornerSignsAndTheRightButton) {
  InputRace f;
  f.beginTurn(0);
  f.click(1002);  // no move planned: car 1's card
  EXPECT_EQ(f.game.controls.driverCard.car, 1);
  EXPECT_EQ(f.game.currCar, 0);
  const Corner& bend = f.game.track.corners[0];
  const ViewState& v = f.game.view;
  pointerPress(f.game, PointerButton::Left, v.toScreenX((bend.signLeft + bend.signRight) / 2),
               v.toScreenY((bend.signTop + bend.signBottom) / 2));
  EXPECT_EQ(f.frontend.cornersShown, std::vector<int>{0});
  pointerPress(f.game, PointerButton::Left, -50000, -50000);  // nothing there
  f.click(1003);  // the own car again: its die comes back
  EXPECT_TRUE(f.game.controls.diePanel.visible);
  f.roll(2);
  f.click(1004);
  f.click(1004, PointerButton::Right);  // not complete yet
  EXPECT_EQ(f.step(), "MOVE WAIT");
  f.click(1005);
  f.click(1005, PointerButton::Right);
  EXPECT_EQ(f.car(0).location, 1005);
}

TEST(Pointer, TheHitSpaceIsTheOneUnderThePoint) {
  InputRace f;
  EXPECT_EQ(spaceAt(f.game, 400, 100), 1002);
  EXPECT_EQ(spaceAt(f.game, 400, 150), NoSpace);  // on the edge between two lanes
  f.game.view.zoom = 2;
  f.game.view.offsetX = 100;
  EXPECT_EQ(spaceAt(f.game, 900, 200), 1002);
}

}  // namespace
}  // namespace tarmaq
