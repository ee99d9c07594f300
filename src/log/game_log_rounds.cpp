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
  if (game.options.autoCollapse) collapsePreviousRounds(game);
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
