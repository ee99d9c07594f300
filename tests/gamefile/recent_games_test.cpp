#include "gamefile/recent_games.h"

#include <gtest/gtest.h>

#include <fstream>

#include "engine/turn_controller.h"
#include "gamefile/auto_save.h"
#include "support/race_fixture.h"
#include "support/temp_folders.h"

namespace tarmaq {
namespace {

TEST(RecentGames, MostRecentFirstOnceEachAtMostFive) {
  MemorySettings store;
  EXPECT_TRUE(recentGames(store).empty());
  for (int i = 1; i <= 7; ++i) addRecentGame(store, "/g/" + std::to_string(i) + ".tmq");
  addRecentGame(store, "/g/5.tmq");
  EXPECT_EQ(recentGames(store),
            (std::vector<std::string>{"/g/5.tmq", "/g/7.tmq", "/g/6.tmq", "/g/4.tmq", "/g/3.tmq"}));
}

TEST(RecentGames, TheMenuShowsTheListAndItsSeparatorOnlyWhenThereIsOne) {
  testing::TestGame t;
  refreshRecentGames(t.game);
  EXPECT_FALSE(t.game.controls.recentGamesSeparatorVisible);
  EXPECT_TRUE(t.game.controls.recentGameEntries.empty());
  addRecentGame(t.settings, "/g/a.tmq");
  refreshRecentGames(t.game);
  EXPECT_TRUE(t.game.controls.recentGamesSeparatorVisible);
  EXPECT_EQ(t.game.controls.recentGameEntries, std::vector<std::string>{"/g/a.tmq"});
}

TEST(AutoSave, SavesAtTheFirstCarsWaitingRollToTheGameOrTheAutomaticFile) {
  testing::RaceFixture f;
  testing::TempFolders temp;
  GameFollowUps follow;
  f.game.services.folders = &temp.folders();
  f.game.services.followUps = &follow;
  f.game.options.autoSave = true;
  advanceGame(f.game, "ROLL GEAR WAIT");
  const auto autosave = temp.root() / "Games" / "autosave.tmp";
  EXPECT_TRUE(std::filesystem::exists(autosave));
  EXPECT_TRUE(f.game.controls.menu.get(control::SaveGameMenu).enabled);  // still unsaved
  f.game.gameFileName = (temp.root() / "Games" / "race.tmq").string();
  advanceGame(f.game, "ROLL GEAR WAIT");
  EXPECT_TRUE(std::filesystem::exists(f.game.gameFileName));
  EXPECT_FALSE(f.game.controls.menu.get(control::SaveGameMenu).enabled);
}

}  // namespace
}  // namespace tarmaq
