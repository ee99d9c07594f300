// Collisions and blocking: whether the car planning its move is blocked.
#pragma once

namespace tarmaq {

struct Game;

void checkBlocking(Game& game, int location);

}  // namespace tarmaq
