// Pit stops: fresh tires, the pit-stop roll, and leaving the pits at once with half the
// roll after a quick stop, or at the next turn after a slow one.
#pragma once

#include "engine/frontend.h"

namespace tarmaq {

struct Game;

// The active car has stopped at its pit space.
void beginPitStop(Game& game);
void pitStopTimerElapsed(Game& game, TimerId id);

}  // namespace tarmaq
