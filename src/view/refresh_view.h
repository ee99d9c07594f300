// The full redraw of the track view from the game state, and the quick outline redraw
// used while the view is being moved.
#pragma once

#include "view/canvas.h"

namespace tarmaq {

struct Game;

// Draws everything in its order: shapes, gap fillers, spaces and marks, debris, cars,
// the planned move with its options, corner signs, die icons, then the lap path and the
// blink of the active car when they are on. With `skipMoveOptions` the option shading
// is left out (while a move is being stepped). During a screen flash the view is a plain
// surface in the flash's colour.
void refreshView(Game& game, Canvas& canvas, bool skipMoveOptions);

// Clears the view and draws, in exclusive-or, the centre lines of lane 2 and of the
// last lane.
void quickRedraw(const Game& game, Canvas& canvas);

// Carries out the pending request of the view state (a full or a quick redraw) and
// clears it. Returns true when a full redraw was made; false when nothing or only the
// outline was drawn.
bool renderRequested(Game& game, Canvas& canvas);

}  // namespace tarmaq
