#include "movement/move_options.h"

#include "engine/game_state.h"

namespace tarmaq {

void showMoveOptions(Game&, int, std::uint32_t, int) {}

}  // namespace tarmaq
