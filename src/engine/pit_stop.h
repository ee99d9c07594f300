// Pit stops: fresh tires, the pit-stop roll, and leaving the pits.
#pragma once

namespace tarmaq {

struct Game;

// The active car has stopped at its pit space.
void beginPitStop(Game& game);

}  // namespace tarmaq
