// Die rolls: the roll command, the move-on command and the result timers.
#pragma once

#include "engine/frontend.h"

namespace tarmaq {

struct Game;

// Who asks for a roll: a player (a click, the space bar) or the program (the automatic
// roll for other players, a scripted driver).
enum class RollBy { Player, Program };

// Rolls the die shown, when a roll is awaited.
void rollCommand(Game& game, RollBy by);

// A result timer other than the collision and engine timers elapsed.
void resultTimerElapsed(Game& game, TimerId id);

}  // namespace tarmaq
