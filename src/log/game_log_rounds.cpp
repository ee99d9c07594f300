#include "log/game_log_rounds.h"

#include <string>

#include "engine/game_state.h"

namespace tarmaq {

namespace {

bool isRoundHeader(const std::string& text) { return text.compare(0, 5, "Round") == 0; }

// "Round 3" or "Round 0 (Pre-Race)" for round 3 or 0.
bool isHeaderOf(const std::string& text, int round) {
  const std::string prefix = "Round " + std::to_string(round);
  if (text.compare(0, prefix.size(), prefix) != 0) return false;
  return text.size() == prefix.size() || text[prefix.size()] == ' ';
}

}  // namespace

void collapsePreviousRounds(Game& game) {
  const std::string current = "Round " + std::to_string(game.currRound);
  for (LogRow& row : game.log.rows) {
    if (row.text == current) break;
    if (isRoundHeader(row.text)) {
      row.icon = CollapsedIcon;
      row.pictureShown = true;
    } else {
      row.height = 0;
      row.pictureShown = false;
    }
  }
}

void refreshGameLogGrid(Game& game) {
  auto& rows = game.log.rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    LogRow& row = rows[i];
    if (row.entryType >= 100) continue;
    if (row.icon == CollapsedIcon) {
      // A collapsed round: its rows stay as they are; the next expanded header, or the
      // current round's header (which has no icon), is processed again.
      std::size_t j = i + 1;
      while (j < rows.size() && rows[j].icon != ExpandedIcon && rows[j].icon != 0) ++j;
      i = j - 1;
      continue;
    }
    const bool shown = game.options.showsEntryType(row.entryType);
    row.height = shown ? LogRowHeight : 0;
    row.pictureShown = shown && row.icon > 0;
  }
  // Before the race the pre-race round is the current one: there is no earlier round to
  // collapse, and collapsing it would hide the line the game waits at.
  if (game.options.autoCollapse && game.currRound > 0) collapsePreviousRounds(game);
}

void expandAllRounds(Game& game) {
  for (LogRow& row : game.log.rows) {
    row.height = LogRowHeight;
    row.pictureShown = row.icon > 0;
  }
}

bool toggleRound(Game& game, int index) {
  auto& rows = game.log.rows;
  if (index < 0 || index >= static_cast<int>(rows.size())) return false;
  LogRow& header = rows[static_cast<std::size_t>(index)];
  if (!isRoundHeader(header.text)) return false;
  if (isHeaderOf(header.text, game.currRound)) return false;
  // Collapsed or expanded is told by the header's own mark: the row below it may be
  // hidden by a category filter.
  const bool expand = header.icon == CollapsedIcon;
  header.icon = expand ? ExpandedIcon : CollapsedIcon;
  header.pictureShown = true;
  for (std::size_t i = static_cast<std::size_t>(index) + 1;
       i < rows.size() && !isRoundHeader(rows[i].text); ++i) {
    rows[i].height = expand ? LogRowHeight : 0;
    rows[i].pictureShown = expand && rows[i].icon > 0;
  }
  game.log.firstVisibleRow = index;
  return true;
}

namespace {

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// "Current Driver: " followed by exactly this name, then the end or " (".
bool opensTurnOf(const std::string& text, const std::string& name) {
  const std::string prefix = "Current Driver: " + name;
  if (text.compare(0, prefix.size(), prefix) != 0) return false;
  return text.size() == prefix.size() || text.compare(prefix.size(), 2, " (") == 0;
}

}  // namespace

void showLogForSelectedPlayer(Game& game) {
  const Car* car = game.car(game.controls.driverCard.car);
  if (!car) return;
  const std::string current = "Round " + std::to_string(game.currRound);
  bool inTurn = false;
  for (LogRow& row : game.log.rows) {
    if (row.text == current) break;
    const std::string text = trimmed(row.text);
    if (isRoundHeader(text)) {
      inTurn = false;
    } else if (text.compare(0, 15, "Current Driver:") == 0) {
      inTurn = opensTurnOf(text, car->driverName);
    }
    if (inTurn || isRoundHeader(text)) {
      row.height = LogRowHeight;
      row.pictureShown = row.icon > 0;
    } else {
      row.height = 0;
      row.pictureShown = false;
    }
  }
}

void markRoundCollapsible(Game& game, int round) {
  for (auto it = game.log.rows.rbegin(); it != game.log.rows.rend(); ++it) {
    if (isHeaderOf(it->text, round)) {
      it->icon = ExpandedIcon;
      it->pictureShown = it->height > 0;
      return;
    }
  }
}

}  // namespace tarmaq
