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
