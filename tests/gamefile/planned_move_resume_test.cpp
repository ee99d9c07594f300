// A move half planned when the game is saved goes on after a load with the same plan,
// the same spaces still to go and the same choices from its last planned space.
#include <gtest/gtest.h>

#include <functional>

#include "engine/rolls.h"
#include "gamefile/game_file_open.h"
#include "gamefile/game_file_writer.h"
#include "movement/driver_card.h"
#include "movement/move_stepping.h"
#include "movement/planned_move.h"
#include "movement/remaining_count.h"
#include "support/fakes.h"
#include "support/paths.h"
#include "support/round_trip.h"
#include "support/temp_folders.h"
#include "track/track_loader.h"

namespace tarmaq {
namespace {

using testing::fixture;
using testing::TempFolders;
using testing::TestGame;

// The hand-written sprint: two straight lanes of twelve spaces, Alice Ash (car 0) on
// space 5 of the right lane to roll in first gear, Bea Birch (car 1) on space 8.
struct Sprint {
  TempFolders temp;
  TestGame player;
  Sprint() {
    temp.add("Tracks", fixture("tracks/sprint.trk"));
    temp.add("Classes", fixture("classes/basic.cls"));
    player.game.services.folders = &temp.folders();
    player.game.options.autoSave = false;
    EXPECT_EQ(gameFileOpen(player.game, fixture("games/sprint.tmq")), OpenResult::Opened);
  }
  // Saves the game and loads the file into another installation.
  std::unique_ptr<TestGame> reload() {
    const auto path = temp.root() / "Games" / "planned.tmq";
    EXPECT_TRUE(gameFileSave(player.game, path));
    auto other = std::make_unique<TestGame>();
    other->game.services.folders = &temp.folders();
    other->game.options.autoSave = false;
    EXPECT_EQ(gameFileOpen(other->game, path), OpenResult::Opened);
    return other;
  }
};

struct Case {
  const char* what;
  std::function<void(Game&, testing::ScriptedFrontend&)> plan;
  int remaining;
};

TEST(PlannedMoveResume, TheCountThePlanAndTheChoicesComeBack) {
  const Case cases[] = {
      {"one space of two",
       [](Game& g, auto&) {
         g.forcedRolls = {2};
         rollCommand(g, RollBy::Player);
         moveButtonClick(g, 1);
       },
       1},
      {"a side step",
       [](Game& g, auto&) {
         g.forcedRolls = {2};
         rollCommand(g, RollBy::Player);
         moveButtonClick(g, 0);
       },
       1},
      {"a brake point used before the first space",
       [](Game& g, auto&) {
         g.rules[Rule::Braking] = 1;
         showDriverCard(g, g.currCar);
         g.forcedRolls = {2};
         rollCommand(g, RollBy::Player);
         brakePicClick(g, lastAvailableBrakePicture(g));
       },
       1},
      {"a brake point used once the whole roll was planned",
       [](Game& g, auto&) {
         g.rules[Rule::Braking] = 1;
         g.rules[Rule::Slipstreaming] = 0;
         showDriverCard(g, g.currCar);
         g.forcedRolls = {2};
         rollCommand(g, RollBy::Player);
         moveButtonClick(g, 1);
         moveButtonClick(g, 1);
         brakePicClick(g, lastAvailableBrakePicture(g));
       },
       0},
      {"a slipstream taken, one space into it",
       [](Game& g, testing::ScriptedFrontend& f) {
         f.answers = {Answer::Yes};
         g.forcedRolls = {2};
         rollCommand(g, RollBy::Player);
         moveButtonClick(g, 1);
         moveButtonClick(g, 1);
         moveButtonClick(g, 0);
       },
       2},
      {"a slipstream declined",
       [](Game& g, testing::ScriptedFrontend& f) {
         f.answers = {Answer::No};
         g.forcedRolls = {2};
         rollCommand(g, RollBy::Player);
         moveButtonClick(g, 1);
         moveButtonClick(g, 1);
       },
       0},
      {"the finish line on the last lap",
       [](Game& g, auto&) {
         g.cars[0].location = 10;
         g.forcedRolls = {2};
         rollCommand(g, RollBy::Player);
         moveButtonClick(g, 1);
         moveButtonClick(g, 1);
       },
       0},
  };
  for (const Case& c : cases) {
    Sprint s;
    c.plan(s.player.game, s.player.frontend);
    const Game& before = s.player.game;
    ASSERT_EQ(*before.currentStep(), "MOVE WAIT") << c.what;
    ASSERT_EQ(remainingCount(before), c.remaining) << c.what;
    auto other = s.reload();
    const Game& after = other->game;
    EXPECT_EQ(after.moves, before.moves) << c.what;
    EXPECT_EQ(after.snapshot, before.snapshot) << c.what;
    EXPECT_EQ(after.controls.diePanel.valueText, before.controls.diePanel.valueText) << c.what;
    EXPECT_EQ(testing::playerView(after), testing::playerView(before)) << c.what;
    EXPECT_EQ(plannedRemainingCount(before), c.remaining) << c.what;
  }
}

TEST(PlannedMoveResume, TheOwnGarageEndsTheCount) {
  TestGame t;
  ASSERT_TRUE(loadTrack(t.game, fixture("tracks/ring.trk")));
  Car car;
  car.pitSpace = 0;
  car.location = 2001;  // the pit box, beside the garage
  t.game.cars = {car};
  t.game.snapshot.move = 4;
  t.game.moves = {2001, 3000};
  EXPECT_EQ(plannedRemainingCount(t.game), 0);
  t.game.moves = {2001};
  EXPECT_EQ(plannedRemainingCount(t.game), 4);
}

}  // namespace
}  // namespace tarmaq
