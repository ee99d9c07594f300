#include "movement/blocking.h"

#include "engine/game_state.h"

namespace tarmaq {

void checkBlocking(Game&, int) {}

}  // namespace tarmaq
