#include "engine/pit_stop.h"

#include "engine/game_state.h"

namespace tarmaq {

void beginPitStop(Game&) {}

}  // namespace tarmaq
