// The path a car took in one lap: its outline on every space it stood on, with the gear
// icon of each move, read back from the stored steps.
#pragma once

#include "view/canvas.h"

namespace tarmaq {

struct Game;

// Shows the path on the view until the next redraw of the game.
void showLapPath(Game& game, int car, int lap);

// Draws the path onto the picture. Laps are counted as the move itself counts them: a
// step onto space 0 of a racing lane from another space, at most once a move, and the
// first step back onto a racing lane after the pit lane or the garages. Space 0 of the
// pit lane and of the garages is no crossing of the line. Lap 0 shows only the gear
// icons of the moves before the first crossing.
void drawLapPath(const Game& game, Canvas& canvas, int car, int lap);

}  // namespace tarmaq
