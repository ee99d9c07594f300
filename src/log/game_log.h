// The game log: the human-readable story of the race, one row per line, grouped by
// round. Every line goes through writeToGameLog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarmaq {

struct Game;

inline constexpr int LogRowHeight = 16;  // pixels; 0 hides a row

struct LogRow {
  std::string text;
  int entryType = 0;
  int icon = 0;  // 0 no picture, 1-43 the log icons
  bool bold = false;
  std::uint32_t color = 0;
  int height = LogRowHeight;
  bool pictureShown = false;
};

struct GameLog {
  std::vector<LogRow> rows{LogRow{}};  // a new log holds one empty row
  int firstVisibleRow = 0;
  bool changed = false;  // a line was written since the game was last saved or loaded

  void clear() {
    rows.assign(1, LogRow{});
    firstVisibleRow = 0;
  }
};

inline constexpr std::uint32_t LogBlack = 0;
inline constexpr std::uint32_t LogRed = 0x0000FF;
inline constexpr std::uint32_t LogGreen = 0x008000;
inline constexpr std::uint32_t LogBlue = 0xFF0000;

// Appends a line, or replaces the last one when that is a waiting line or when the new
// line is the first header line of a game ("Round 0 ..."). Marks the game as changed.
void writeToGameLog(Game& game, int entryType, int icon, const std::string& text, bool bold,
                    std::uint32_t color);

// Marks the game as changed (or saved): the "&Save Game" entry and the "SaveGame" button.
void setGameChanged(Game& game, bool changed);

}  // namespace tarmaq
