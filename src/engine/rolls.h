// Die rolls: choosing a gear, the roll command with its overshoot warning and
// animation, resolving the value, the move-on command and the result timers.
#pragma once

#include <string>

#include "engine/frontend.h"

namespace tarmaq {

struct Game;

// Who asks for a roll: a player (a click, the space bar) or the program (the automatic
// roll for other players).
enum class RollBy { Player, Program };

// The player's gear choice before a movement roll, with the preview of what skipping
// gears will cost.
void selectGear(Game& game, int gear);

// Rolls the die shown. Acts only in a waiting roll step ("ROLL ... WAIT", or "... AUTO"
// for the program's own roll) and, for a player, only while the die panel is shown.
void rollCommand(Game& game, RollBy by);

// Resolves a rolled value by the current step.
void resolveRoll(Game& game, int value);

// Cuts the result pause short.
void moveOnCommand(Game& game);

// A result timer other than the collision and engine timers elapsed.
void resultTimerElapsed(Game& game, TimerId id);

// The overshoot warning's text for the active car and the die shown, or an empty text
// when a minimum roll overshoots nothing.
std::string overshootWarning(const Game& game);

}  // namespace tarmaq
