#include "engine/rolls.h"

#include "engine/game_state.h"

namespace tarmaq {

void rollCommand(Game&, RollBy) {}

void resultTimerElapsed(Game&, TimerId) {}

}  // namespace tarmaq
