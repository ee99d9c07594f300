#include "log/standings.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "engine/game_state.h"

namespace tarmaq {

namespace {

constexpr std::array<int, StandingsColumns> NaturalWidths = {10, 18, 140, 30, 30, 40, 70, 50,
                                                             50, 30, 40,  25, 25, 30, 25, 0};

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string signedCount(int difference) {
  if (difference > 0) return "+" + std::to_string(difference);
  if (difference < 0) return "-" + std::to_string(-difference);
  return "-";
}

float lanePosition(const Game& game, int lane, bool last) {
  const int n = game.track.spaceCount(lane);
  if (n <= 0) return 0;
  const Space* s = game.track.space(makeLocation(lane, last ? n - 1 : 0));
  return s ? s->position : 0;
}

}  // namespace

std::string statusText(int status, int place) {
  switch (status) {
    case 0:
      return "";
    case 1:
      return "Spun Out";
    case 10:
      return "Entering Pits";
    case 11:
      return "In The Pits";
    case 12:
      return "Exiting Pits";
    case 20:
      return place == 0 ? "Winner!" : "Finished";
    case 21:
      return "Tire Failure";
    case 22:
      return "Crashed";
    case 23:
      return "Engine Failure";
    case 24:
      return "Blocking Crash";
    case -1:
      return "Stalled!";
    case -2:
      return "Flying Start!";
    case -3:
      return "Max Speed!";
    case -4:
      return "Bogged";
    default:
      return "\x01";  // not a status: the cell keeps its text
  }
}

std::string formatFixed(double value, int decimals, char decimalPoint) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::isfinite(value) ? value : 0.0);
  std::string s(buffer);
  for (char& c : s)
    if (c == '.') c = decimalPoint;
  return s;
}

double gapToLeader(const Game& game, int c, int l) {
  const Car* car = game.car(c);
  const Car* leader = game.car(l);
  if (!car || !leader) return 0;
  const float p0 = lanePosition(game, game.track.pitLane, false);
  const float pn = lanePosition(game, game.track.pitLane, true);
  const float e = lanePosition(game, laneOf(car->location), true);
  double gap;
  if (car->lap < leader->lap) {
    // A lapped car: the rest of its lap, and the leader's way into the new one.
    gap = (leader->pos + 1) + (e - car->pos);
    if (car->pos < p0) gap -= (pn - p0);
  } else if (leader->pos < p0 && car->pos < p0) {
    gap = leader->pos - car->pos;
  } else {
    gap = leader->pos - car->pos;
    if (car->pos < p0 && leader->pos > p0) gap -= (pn - p0);
  }
  return gap < 0 ? 0 : gap;
}

void refreshStandingsColumns(Game& game) {
  Standings& s = game.controls.standings;
  int used = NaturalWidths[0] + NaturalWidths[1] + NaturalWidths[2];
  s.widths[0] = NaturalWidths[0];
  s.widths[1] = NaturalWidths[1];
  s.widths[2] = NaturalWidths[2];
  for (int col = 3; col <= 14; ++col) {
    const bool on = game.options.standingsColumns[static_cast<std::size_t>(col - 3)];
    s.widths[static_cast<std::size_t>(col)] = on ? NaturalWidths[static_cast<std::size_t>(col)] : 0;
    if (on) used += NaturalWidths[static_cast<std::size_t>(col)];
  }
  s.widths[15] = s.tableWidth > used ? s.tableWidth - used - 1 : 0;
  s.headers = {"",           "",          "Driver",       "Tire\nType",
               "Lap",        "Gap",       "Status",       "",
               "Avg\nSpeed", "Lap\nLen",  "Spaces\n/Rnd", "Strt\nPos",
               "Last\nRnd",  "Rnds\nLed", "Psbl\nClsn",   ""};
  s.headers[7] = game.options.useMetric ? "Speed\n(Km/H)" : "Speed\n(Mph)";
}

namespace {

void highlight(Standings& s) {
  for (std::size_t col = 7; col < StandingsColumns; ++col) {
    if (s.rows.empty()) continue;
    std::size_t high = 0, low = 0;
    for (std::size_t r = 0; r < s.rows.size(); ++r) {
      StandingsCell& cell = s.rows[r][col];
      cell.color = HighlightWhite;
      if (cell.value > s.rows[high][col].value) high = r;
      if (cell.value < s.rows[low][col].value) low = r;
    }
    const bool reversed = col == 9 || col == 14;
    s.rows[high][col].color = reversed ? HighlightRed : HighlightGreen;
    s.rows[low][col].color = reversed ? HighlightGreen : HighlightRed;
  }
}

void set(StandingsCell& cell, std::string text, double value = 0) {
  cell.text = std::move(text);
  cell.value = value;
}

}  // namespace

void refreshStandings(Game& game) {
  Standings& s = game.controls.standings;
  const int n = static_cast<int>(game.positions.size());
  s.rows.resize(static_cast<std::size_t>(n));
  int leader = -1;
  for (int c : game.positions) {
    const Car* car = game.car(c);
    if (car && car->status < Finished) {
      leader = c;
      break;
    }
  }
  const float factor = game.speedFactor;
  const char dp = s.decimalPoint;
  for (int i = 0; i < n; ++i) {
    const int c = game.carAtPosition(i);
    const Car* car = game.car(c);
    if (!car) continue;
    auto& row = s.rows[static_cast<std::size_t>(i)];
    set(row[1], std::to_string(i + 1), i + 1);
    set(row[2], upper(car->driverName));
    set(row[3], car->tireType == 1   ? "H"
                : car->tireType == 2 ? "M"
                : car->tireType == 3 ? "S"
                                     : "");
    set(row[4],
        car->lap < 1           ? "Start"
        : car->lap > game.laps ? "-"
                               : std::to_string(car->lap),
        car->lap);
    const Car* before = game.car(game.carAtPosition(i - 1));
    if (i == 0 || car->status == Finished || (before && before->status >= Finished))
      set(row[5], "-");
    else if (car->status >= RetiredTires)
      set(row[5], "Ret.");
    else {
      const double gap = gapToLeader(game, c, leader);
      set(row[5], "+" + formatFixed(gap, 1, dp), gap);
    }
    const std::string status = statusText(car->status, i);
    if (status != "\x01") set(row[6], status);
    const double speed = car->displaySpeed * factor;
    set(row[7], formatFixed(speed, 2, dp), speed);
    const auto lap = static_cast<std::size_t>(car->lap);
    const bool lapKnown = car->lap >= 1 && car->lap <= game.laps && lap < car->lapLength.size() &&
                          car->lapLength[lap] != 0;
    if (lapKnown) {
      const double avg = (lap < car->avgSpeed.size() ? car->avgSpeed[lap] : 0) * factor;
      set(row[8], formatFixed(avg, 2, dp), avg);
      set(row[9], std::to_string(car->lapLength[lap]), car->lapLength[lap]);
    } else {
      set(row[8], "-");
      set(row[9], "-");
    }
    set(row[10], formatFixed(car->spacesPerRound, 2, dp), car->spacesPerRound);
    if (car->status < Finished) {
      const int gained = car->startGrid - (i + 1);
      set(row[11], signedCount(gained), gained);
    }
    const int sinceLast = car->lastRoundPos - i;
    if (sinceLast < 0 && car->status >= Finished)
      set(row[12], "-", sinceLast);
    else
      set(row[12], signedCount(sinceLast), sinceLast);
    set(row[13], car->roundsLed < 1 ? "-" : std::to_string(car->roundsLed), car->roundsLed);
    set(row[14], car->possCollCaused < 1 ? "-" : std::to_string(car->possCollCaused),
        car->possCollCaused);
  }
  highlight(s);
  refreshWindowTitle(game);
}

void refreshWindowTitle(Game& game) {
  std::string title = "Tarmaq - ";
  if (!game.gameFileName.empty()) {
    std::string name = game.gameFileName;
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name = name.substr(slash + 1);
    title += name + " - ";
  }
  title += game.track.info.name + " - Round " + std::to_string(game.currRound);
  if (game.currRound >= 2) {
    if (game.results[0] < 0) {
      if (const Car* first = game.car(game.carAtPosition(0)))
        title += " - " + first->driverName + " leading";
    } else if (const Car* winner = game.car(game.results[0])) {
      title += " - " + winner->driverName + " has won the race!";
    }
  }
  game.controls.windowTitle = title;
}

std::vector<std::string> startingGridNames(const Game& game) {
  std::vector<std::string> names(static_cast<std::size_t>(game.carCount()));
  for (const Car& car : game.cars)
    if (car.startGrid >= 1 && car.startGrid <= game.carCount())
      names[static_cast<std::size_t>(car.startGrid - 1)] = upper(car.driverName);
  return names;
}

int carAtStandingsRow(const Game& game, int row) {
  if (row < 2) return -1;
  return game.carAtPosition(row / 2 - 1);
}

int carAtGridCell(const Game& game, int row, int column) {
  if (row < 1) return -1;
  const bool odd = row % 2 == 1;
  if (odd ? column > 2 : column < 3) return -1;
  for (int c = 0; c < game.carCount(); ++c)
    if (game.cars[static_cast<std::size_t>(c)].startGrid == row) return c;
  return -1;
}

}  // namespace tarmaq
