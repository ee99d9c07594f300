// Blocking: the active car still has spaces to go but no step is allowed. Under the
// "Blocking" rule the spaces left are paid with brake and tire points, or the car
// crashes out; without it the move ends where the car stands.
#pragma once

namespace tarmaq {

struct Game;

// Works from the move panel's state and the active car; `location` is where the check
// was asked for and is not needed.
void checkBlocking(Game& game, int location);

// Which debris a collision at this space leaves: 0 when a car stands directly ahead in
// the lane, 1 when one stands directly behind, 2 otherwise. The first car in car-number
// order that stands on either space decides.
int neighbourInLane(const Game& game, int location);

}  // namespace tarmaq
