#include "movement/remaining_count.h"

#include <cctype>

#include "engine/game_state.h"

namespace tarmaq {

std::optional<int> parseCount(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const std::size_t first = i;
  long value = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    value = value * 10 + (text[i] - '0');
    if (value > 32767) return std::nullopt;  // beyond what the label's number can hold
    ++i;
  }
  if (i == first) return std::nullopt;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i != text.size()) return std::nullopt;
  return static_cast<int>(negative ? -value : value);
}

int remainingCount(const Game& game) {
  return parseCount(game.controls.diePanel.valueText).value_or(0);
}

void setDieValueText(Game& game, const std::string& text) {
  if (game.controls.diePanel.valueText == text) return;
  game.controls.diePanel.valueText = text;
  dieValueChanged(game);
}

void setRemainingCount(Game& game, int count) { setDieValueText(game, std::to_string(count)); }

void dieValueChanged(Game& game) {
  MovePanel& panel = game.controls.movePanel;
  const int count = remainingCount(game);
  panel.stepBackEnabled = count < game.snapshot.move;
  panel.resetEnabled = panel.stepBackEnabled;
  if (game.controls.diePanel.valueText != "0") {
    panel.acceptEnabled = false;
    return;
  }
  panel.laneEnabled = {false, false, false};
  game.view.shadedSpaces.clear();  // no next spaces any more
  panel.acceptEnabled = true;
}

}  // namespace tarmaq
