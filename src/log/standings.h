// The current standings (one row per car in running order, up to twelve statistics
// columns with their best and worst values highlighted), the starting grid, and the
// window title. Models the shell draws; rebuilt from the game state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarmaq {

struct Game;

inline constexpr int StandingsColumns = 16;
inline constexpr std::uint32_t HighlightWhite = 0xFFFFFF;
inline constexpr std::uint32_t HighlightRed = 0xAFAFFF;
inline constexpr std::uint32_t HighlightGreen = 0xAFFFAF;

struct StandingsCell {
  std::string text;
  std::uint32_t color = HighlightWhite;  // highlight of columns 7 to 15
  double value = 0;                      // the number the highlight compares
};

struct Standings {
  std::array<int, StandingsColumns> widths{};  // pixels; 0 hides a column
  std::array<std::string, StandingsColumns> headers{};
  std::vector<std::array<StandingsCell, StandingsColumns>> rows;  // place 1 first
  int tableWidth = 600;                                           // pixels, set by the shell
  char decimalPoint = '.';
};

// Applies the option boxes to the column widths.
void refreshStandingsColumns(Game& game);
// Recomputes every cell and the highlights, then the window title. Cells a rule leaves
// as they were keep their text.
void refreshStandings(Game& game);
// "Tarmaq - file - circuit - Round r - leader".
void refreshWindowTitle(Game& game);

// The status text of a car at a place (0-based) of the running order.
std::string statusText(int status, int place);
// "###0.00" and "###0.0" with the given decimal point.
std::string formatFixed(double value, int decimals, char decimalPoint);
// The gap to the leader in spaces; never negative.
double gapToLeader(const Game& game, int car, int leader);

// The starting grid: the driver of each grid position, pole first ("" for none).
std::vector<std::string> startingGridNames(const Game& game);

// The car a click on a standings row selects (row 2 and below), or -1.
int carAtStandingsRow(const Game& game, int row);
// The car a click on the starting grid selects: only the occupied half of a row counts.
int carAtGridCell(const Game& game, int row, int column);

}  // namespace tarmaq
