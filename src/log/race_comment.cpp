#include "log/race_comment.h"

#include "engine/game_state.h"

namespace tarmaq {

std::string raceComment(const Game& game, int kind, int car, int) {
  return "comment " + std::to_string(kind) + " " +
         (game.car(car) ? game.car(car)->driverName : std::string());
}

}  // namespace tarmaq
