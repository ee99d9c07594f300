// Collisions and blocking: whether the car planning its move is blocked.
#pragma once

namespace tarmaq {

struct Game;

void checkBlocking(Game& game, int location);

// Which debris a collision at this space leaves: 0 when a car stands directly ahead in
// the lane, 1 when one stands directly behind, 2 otherwise.
int neighbourInLane(const Game& game, int location);

}  // namespace tarmaq
