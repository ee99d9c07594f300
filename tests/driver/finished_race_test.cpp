#include <gtest/gtest.h>

#include "log/standings.h"
#include "support/auto_race.h"

namespace tarmaq {
namespace {

// A finished automatic race, as the standings and the title show it.
TEST(FinishedRace, StandingsAndTitleFollowTheirRules) {
  for (std::uint64_t seed = 3; seed < 40; ++seed) {
    testing::AutoRace race(seed, "VelmontPark.trk", "Modern.cls", 8, 1, testing::allRules());
    ASSERT_TRUE(runRace(race.game, race.driver).finished);
    Game& g = race.game;
    if (g.results[0] < 0 || g.results[19] < 0) continue;  // wanted: a winner and a retirement
    g.view.visible = true;
    g.speedFactor = 1.6093f;
    g.options.useMetric = true;
    refreshStandingsColumns(g);
    refreshStandings(g);
    const auto& rows = g.controls.standings.rows;
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0][6].text, "Winner!");
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const Car& car = g.cars[static_cast<std::size_t>(g.positions[i])];
      if (i > 0 && car.status == Finished) {
        EXPECT_EQ(rows[i][6].text, "Finished");
      }
      if (i == 0) continue;
      // Behind a car that has left the race the gap is "-"; a retired car behind a
      // running one shows "Ret.". At the end of a race every car has left it.
      const Car& before = g.cars[static_cast<std::size_t>(g.positions[i - 1])];
      if (before.status >= Finished) {
        EXPECT_EQ(rows[i][5].text, "-");
      } else if (car.status >= RetiredTires) {
        EXPECT_EQ(rows[i][5].text, "Ret.");
      }
    }
    EXPECT_EQ(g.controls.standings.headers[7], "Speed\n(Km/H)");
    EXPECT_NE(g.controls.windowTitle.find(
                  g.cars[static_cast<std::size_t>(g.results[0])].driverName + " has won the race!"),
              std::string::npos);
    return;
  }
  FAIL() << "no race with a winner and a retirement";
}

}  // namespace
}  // namespace tarmaq
