#include "log/standings.h"

#include <gtest/gtest.h>

#include "support/race_fixture.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

struct StandingsFixture : RaceFixture {
  StandingsFixture() : RaceFixture(4) {
    game.laps = 2;
    game.track.info.name = "Ring";
    game.track.pitLane = 99;
    for (Car& c : game.cars) {
      c.lap = 1;
      c.startGrid = static_cast<int>(&c - &game.cars[0]) + 1;
      c.lastRoundPos = c.startGrid - 1;
      c.lapLength.assign(3, 0);
      c.avgSpeed.assign(3, 0);
    }
  }
  const StandingsCell& cell(int place, int column) const {
    return game.controls.standings.rows.at(static_cast<std::size_t>(place))
        .at(static_cast<std::size_t>(column));
  }
};

TEST(Standings, ColumnsFollowTheirRules) {
  StandingsFixture f;
  f.car(0).pos = 15;
  f.car(1).pos = 12;
  f.car(2).status = RetiredEngine;
  f.car(3).lap = 0;
  f.car(3).pos = 2;
  f.car(0).displaySpeed = 100;
  f.car(0).lapLength[1] = 7;
  f.car(0).avgSpeed[1] = 120.5f;
  f.car(0).roundsLed = 2;
  f.game.positions = {0, 1, 2, 3};
  f.game.speedFactor = 1.6093f;
  f.game.options.useMetric = true;
  refreshStandingsColumns(f.game);
  refreshStandings(f.game);
  EXPECT_EQ(f.cell(0, 2).text, "DRIVER A");
  EXPECT_EQ(f.cell(0, 3).text, "H");
  EXPECT_EQ(f.cell(0, 5).text, "-");
  EXPECT_EQ(f.cell(1, 5).text, "+3.0");
  EXPECT_EQ(f.cell(2, 5).text, "Ret.");
  EXPECT_EQ(f.cell(3, 5).text, "-");  // behind a retired car
  EXPECT_EQ(f.cell(2, 6).text, "Engine Failure");
  EXPECT_EQ(f.cell(3, 4).text, "Start");
  EXPECT_EQ(f.cell(0, 7).text, "160.93");
  EXPECT_EQ(f.cell(0, 8).text, "193.92");
  EXPECT_EQ(f.cell(0, 9).text, "7");
  EXPECT_EQ(f.cell(1, 9).text, "-");
  EXPECT_EQ(f.cell(0, 13).text, "2");
  EXPECT_EQ(f.cell(1, 13).text, "-");
  EXPECT_EQ(f.game.controls.standings.headers[7], "Speed\n(Km/H)");
}

TEST(Standings, GapOfALappedCarAndNeverNegative) {
  StandingsFixture f;
  f.car(0).lap = 2;
  f.car(0).pos = 1;
  f.car(1).lap = 1;
  f.car(1).pos = 15;  // the lane's last space has position 19
  f.car(1).location = makeLocation(1, 15);
  EXPECT_DOUBLE_EQ(gapToLeader(f.game, 1, 0), (1 + 1) + (19 - 15));
  f.car(1).pos = 60;  // ahead in position, a lap down
  f.car(1).location = makeLocation(1, 19);
  EXPECT_GE(gapToLeader(f.game, 1, 0), 0);
  f.car(0).lap = 1;
  EXPECT_EQ(gapToLeader(f.game, 1, 0), 0);
}

TEST(Standings, FinishersShowWinnerAndFinishedAndPlacesSinceTheGrid) {
  StandingsFixture f;
  f.car(3).status = Finished;
  f.car(3).lap = 3;
  f.car(1).status = Finished;
  f.game.positions = {3, 1, 0, 2};
  f.game.results[0] = 3;
  f.game.currRound = 9;
  refreshStandings(f.game);
  EXPECT_EQ(f.cell(0, 6).text, "Winner!");
  EXPECT_EQ(f.cell(1, 6).text, "Finished");
  EXPECT_EQ(f.cell(0, 4).text, "-");
  EXPECT_EQ(f.cell(2, 11).text, "-2");  // grid 1, now third
  EXPECT_EQ(f.cell(3, 11).text, "-1");  // grid 3, now fourth
  EXPECT_EQ(f.game.controls.windowTitle, "Tarmaq - Ring - Round 9 - Driver D has won the race!");
}

TEST(Standings, HighlightsCompareNumbersInAnyLocaleAndEqualValuesMarkTheFirstRow) {
  StandingsFixture f;
  f.game.controls.standings.decimalPoint = ',';
  f.car(0).displaySpeed = 9.5f;
  f.car(1).displaySpeed = 10.25f;
  f.car(2).displaySpeed = 9.75f;
  f.car(3).displaySpeed = 9.0f;
  refreshStandings(f.game);
  EXPECT_EQ(f.cell(1, 7).text, "10,25");
  EXPECT_EQ(f.cell(1, 7).color, HighlightGreen);
  EXPECT_EQ(f.cell(3, 7).color, HighlightRed);
  EXPECT_EQ(f.cell(0, 7).color, HighlightWhite);
  // All equal: the first row, coloured lowest last; reversed in the lap-length column.
  EXPECT_EQ(f.cell(0, 13).color, HighlightRed);
  EXPECT_EQ(f.cell(0, 14).color, HighlightGreen);
}

TEST(Standings, ColumnWidthsFollowTheOptionBoxes) {
  StandingsFixture f;
  f.game.options.standingsColumns.fill(false);
  f.game.controls.standings.tableWidth = 500;
  refreshStandingsColumns(f.game);
  const auto& w = f.game.controls.standings.widths;
  for (int col = 3; col <= 14; ++col) EXPECT_EQ(w[static_cast<std::size_t>(col)], 0);
  EXPECT_EQ(w[2], 140);
  EXPECT_EQ(w[15], 500 - 168 - 1);
}

TEST(WindowTitle, NamesTheFileTheRoundAndTheLeader) {
  StandingsFixture f;
  f.game.currRound = 1;
  f.game.gameFileName = "/home/p/Games/race.tmq";
  refreshWindowTitle(f.game);
  EXPECT_EQ(f.game.controls.windowTitle, "Tarmaq - race.tmq - Ring - Round 1");
  f.game.currRound = 2;
  refreshWindowTitle(f.game);
  EXPECT_EQ(f.game.controls.windowTitle, "Tarmaq - race.tmq - Ring - Round 2 - Driver A leading");
}

TEST(StandingsClicks, RowsAndGridCellsSelectCars) {
  StandingsFixture f;
  f.game.positions = {2, 0, 1, 3};
  EXPECT_EQ(carAtStandingsRow(f.game, 1), -1);
  EXPECT_EQ(carAtStandingsRow(f.game, 2), 2);
  EXPECT_EQ(carAtStandingsRow(f.game, 5), 0);  // a separator row counts as the place above
  EXPECT_EQ(carAtStandingsRow(f.game, 6), 1);
  EXPECT_EQ(carAtGridCell(f.game, 1, 2), 0);
  EXPECT_EQ(carAtGridCell(f.game, 1, 3), -1);
  EXPECT_EQ(carAtGridCell(f.game, 2, 4), 1);
  EXPECT_EQ(startingGridNames(f.game)[3], "DRIVER D");
}

}  // namespace
}  // namespace tarmaq
