// A car leaving the race, and the end of the race with its podium.
#pragma once

#include "engine/frontend.h"

namespace tarmaq {

struct Game;

// Records car c as finished (20) or retired (21-24); a car that has left already is
// left as it is.
void leaveRace(Game& game, int c, int status);

// The podium: the first filled slots of Results from the front; retired cars, filling
// from the back, complete it in reverse order of retirement.
Podium podium(const Game& game);

}  // namespace tarmaq
