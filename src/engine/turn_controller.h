// The turn controller: every change of a race goes through advanceGame(step). A step is
// a short code ("ROLL GEAR WAIT", "DRVR 3", "WEAR TIRE"); its handler changes the
// state, writes log lines and may issue nested steps; then the step is stored in
// gameLogArray and the automatic follow-ups run.
#pragma once

#include <string>

#include "engine/frontend.h"

namespace tarmaq {

struct Game;

void advanceGame(Game& game, std::string step);

// Continues the turn after a move, after the mover's engine rolls, and after a pit stop.
void afterMove(Game& game);
// Hands the turn to the next car ("DRVR ADVN") and asks it for its start or movement
// roll, while some car is still in the race.
void passTheTurn(Game& game);
// Run when the collision or engine result pause ends.
void collisionContinuation(Game& game);
void engineContinuation(Game& game);

// Sorts the running order: laps, then position, then gear; retired cars last; ties keep
// the earlier place. CurrPos follows its car.
void sortRunningOrder(Game& game);
// The first index i >= p of the running order whose car is still in the race; p when p
// is beyond the last index; the number of cars when no such car exists.
int nextRunningPosition(const Game& game, int p);
bool anyCarRunning(const Game& game);

// Shows car c's driver card and the die controls for the active car.
void showTurn(Game& game, int c);

// A named timer elapsed: stop it (restoring its interval) and run what it continues.
void fireTimer(Game& game, TimerId id);
// Lets the first armed result pause elapse at once, as waiting it out would; false when
// no result pause is running.
bool fireArmedResultTimer(Game& game);

// Helpers shared by the step handlers.
bool endsWith(const std::string& s, const std::string& suffix);
bool startsWith(const std::string& s, const std::string& prefix);
// The number in the last `count` characters of a step ("DRVR 12" → 12); -1 if none.
int trailingNumber(const std::string& step, std::size_t count);
bool sameAddress(const std::string& a, const std::string& b);
// The active car's e-mail differs from this installation's own address.
bool activeCarIsRemote(const Game& game);
std::string carName(const Game& game, int c);
// A commentary line's text: the indent, then the sentence between apostrophes.
std::string commentLine(const Game& game, int indent, int kind, int car, int otherCar = 0);

}  // namespace tarmaq
