// Moving the view: centring on a car, keeping a space in sight while a move is planned.
#pragma once

namespace tarmaq {

struct Game;

// Only while the view is shown: centre on the car's space and set the scroll bars to
// the centre, clamped. A car that is not on a space leaves the view as it is.
void centerCar(Game& game, int car);

// Keeps a space in sight while a move is planned ("Auto-Scroll During Moves"): nudges
// the view by a tenth of its size when the space nears an edge. The scroll bars stay.
void scrollToSpace(Game& game, int location);

}  // namespace tarmaq
