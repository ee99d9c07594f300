#include "log/driver_comment.h"

#include "engine/game_state.h"
#include "engine/turn_controller.h"
#include "log/game_log.h"

namespace tarmaq {

void addDriverComment(Game& game, const std::string& text) {
  if (text.empty()) return;
  // A new line replaces a waiting line, so the waiting line is written again after the
  // comment: the log still says whom the game waits for.
  std::string waiting;
  if (!game.log.rows.empty()) {
    const std::string& last = game.log.rows.back().text;
    const std::size_t start = last.find_first_not_of(' ');
    if (start != std::string::npos && last.compare(start, 7, "Waiting") == 0)
      waiting = last.substr(start);
  }
  writeToGameLog(game, 30, 29, "     " + carName(game, game.mover()) + ": " + text, false, LogBlue);
  if (!waiting.empty()) writeToGameLog(game, 100, 11, waiting, false, LogBlack);
}

}  // namespace tarmaq
