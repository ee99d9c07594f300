#include "log/game_log.h"

#include "engine/game_state.h"

namespace tarmaq {

namespace {

std::string_view trimLeft(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return s.substr(i);
}

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

void setGameChanged(Game& game, bool changed) {
  game.log.changed = changed;
  game.controls.menu.setEnabled(control::SaveGameMenu, changed);
  game.controls.toolbar.setEnabled(control::SaveGameButton, changed);
}

void writeToGameLog(Game& game, int entryType, int icon, const std::string& text, bool bold,
                    std::uint32_t color) {
  auto& rows = game.log.rows;
  if (rows.empty()) rows.emplace_back();
  const std::string_view last = trimLeft(rows.back().text);
  if (!startsWith(last, "Waiting") && !startsWith(text, "Round 0")) rows.emplace_back();

  LogRow& row = rows.back();
  row.height = LogRowHeight;
  if (entryType < 100 && !game.options.showsEntryType(entryType)) row.height = 0;
  row.pictureShown = row.height > 0 && icon >= 1;
  row.bold = bold;
  row.color = color;
  row.entryType = entryType;
  row.icon = icon;
  row.text = text;

  const int count = static_cast<int>(rows.size());
  if (count > 7) game.log.firstVisibleRow = count - 7;
  setGameChanged(game, true);
}

}  // namespace tarmaq
