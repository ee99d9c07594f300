// The start of a race: rolling for the grid, putting the cars on it, and the start roll
// of round 1 with its bad, flying and normal starts.
#pragma once

#include "engine/frontend.h"

namespace tarmaq {

struct Game;

// Lets every player roll for a grid place, car 0 first.
void beginGridRolls(Game& game);
// A grid roll: a value another car already has is rolled again at once.
void resolveGridRoll(Game& game, int value);
void gridRollTimerElapsed(Game& game);
// Puts the cars on their grid spaces and begins round 1.
void startRace(Game& game);
void startTimerElapsed(Game& game, TimerId id);

}  // namespace tarmaq
