#include <gtest/gtest.h>

#include "engine/turn_controller.h"
#include "log/game_log_rounds.h"
#include "support/race_fixture.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

// A log of three rounds: "Round 0 (Pre-Race)", then rounds 1 and 2 with a driver line
// and a roll line each for drivers A and B.
struct LogFixture : RaceFixture {
  LogFixture() {
    game.log.clear();
    writeToGameLog(game, 1, 0, "Round 0 (Pre-Race)", true, LogBlack);
    writeToGameLog(game, 0, 8, "Game Type: Local", false, LogBlack);
    for (int r = 1; r <= 2; ++r) {
      game.currRound = r;
      writeToGameLog(game, 1, 0, "Round " + std::to_string(r), true, LogBlack);
      for (const char* name : {"Driver A", "Driver AB"}) {
        writeToGameLog(game, 2, 14, std::string("     Current Driver: ") + name, false, LogBlack);
        writeToGameLog(game, 6, 3, std::string("               ") + name + " rolled 3", false,
                       LogBlack);
      }
    }
  }
  std::vector<int> heights() const {
    std::vector<int> h;
    for (const auto& row : game.log.rows) h.push_back(row.height);
    return h;
  }
  int row(const std::string& text) const {
    for (std::size_t i = 0; i < game.log.rows.size(); ++i)
      if (game.log.rows[i].text == text) return static_cast<int>(i);
    return -1;
  }
};

TEST(GameLog, AWaitingLineIsReplacedAndTheLastSevenRowsStayInView) {
  LogFixture f;
  const std::size_t n = f.game.log.rows.size();
  writeToGameLog(f.game, 100, 11, "          Waiting for Driver A to move", false, LogBlack);
  writeToGameLog(f.game, 30, 29, "     Driver A: hello", false, LogBlue);
  EXPECT_EQ(f.game.log.rows.size(), n + 1);
  EXPECT_EQ(f.lastLogText(), "     Driver A: hello");
  EXPECT_EQ(f.game.log.firstVisibleRow, static_cast<int>(n + 1) - 7);
  f.game.options.showInGameLog[6] = false;
  writeToGameLog(f.game, 6, 3, "               Driver A rolled 4", false, LogBlack);
  EXPECT_EQ(f.game.log.rows.back().height, 0);
  EXPECT_FALSE(f.game.log.rows.back().pictureShown);
  EXPECT_TRUE(f.game.log.changed);
}

TEST(GameLog, CollapseExpandAndToggle) {
  LogFixture f;
  collapsePreviousRounds(f.game);
  const auto h = f.heights();
  // Round 0 and round 1 collapse to their headers; round 2, the current one, stays.
  EXPECT_EQ(h, (std::vector<int>{16, 0, 16, 0, 0, 0, 0, 16, 16, 16, 16, 16}));
  EXPECT_EQ(f.game.log.rows[2].icon, CollapsedIcon);
  EXPECT_FALSE(toggleRound(f.game, f.row("Round 2")));  // the current round
  EXPECT_FALSE(toggleRound(f.game, 3));                 // not a header
  ASSERT_TRUE(toggleRound(f.game, f.row("Round 1")));
  EXPECT_EQ(f.game.log.rows[2].icon, ExpandedIcon);
  EXPECT_EQ(f.heights()[3], 16);
  EXPECT_EQ(f.game.log.firstVisibleRow, 2);
  ASSERT_TRUE(toggleRound(f.game, f.row("Round 1")));
  EXPECT_EQ(f.heights()[3], 0);
  expandAllRounds(f.game);
  for (int height : f.heights()) EXPECT_EQ(height, 16);
  EXPECT_EQ(f.game.log.rows[0].icon, CollapsedIcon);  // a collapsed header keeps its mark
}

TEST(GameLog, ToggleIsDecidedByTheHeaderEvenWhenTheFirstRowIsFiltered) {
  LogFixture f;
  markRoundCollapsible(f.game, 1);
  f.game.options.autoCollapse = false;
  f.game.options.showInGameLog[2] = false;  // "Current Driver" lines hidden
  refreshGameLogGrid(f.game);
  ASSERT_EQ(f.heights()[3], 0);
  ASSERT_TRUE(toggleRound(f.game, f.row("Round 1")));
  EXPECT_EQ(f.game.log.rows[2].icon, CollapsedIcon);  // the click collapsed the round
  EXPECT_EQ(f.heights()[4], 0);
}

TEST(GameLog, RefreshAppliesTheFiltersToEveryRowButLeavesCollapsedRounds) {
  LogFixture f;
  collapsePreviousRounds(f.game);
  f.game.options.autoCollapse = false;
  f.game.options.showInGameLog[6] = false;
  refreshGameLogGrid(f.game);
  const auto h = f.heights();
  EXPECT_EQ(h[4], 0);      // round 1 stays collapsed
  EXPECT_EQ(h[10], 16);    // round 2's driver line
  EXPECT_EQ(h.back(), 0);  // the last row is processed too
}

TEST(GameLog, ShowForTheSelectedPlayerMatchesTheWholeName) {
  LogFixture f;
  f.game.controls.driverCard.car = 0;  // "Driver A", not "Driver AB"
  f.game.currRound = 3;                // every round shown is an earlier one
  showLogForSelectedPlayer(f.game);
  EXPECT_EQ(f.heights(), (std::vector<int>{16, 0, 16, 16, 16, 0, 0, 16, 16, 16, 0, 0}));
}

}  // namespace
}  // namespace tarmaq
