// Drawing on top of the board: cars, debris, the gear icons along the active car's lane.
#pragma once

#include "view/canvas.h"

namespace tarmaq {

struct Game;

// One car on one space, in the class's car drawing; a spun-out car (status 1) faces
// backwards. Nothing while the cars are hidden, for a car that has left the race
// (status 20 or more), in round 0, or for a location that is not a space.
void drawCar(const Game& game, Canvas& canvas, int status, int location, Color body, Color wing,
             bool outlineOnly);

// Debris `Hazards`(i), in the colours of the car that left it.
void drawHazard(const Game& game, Canvas& canvas, int i);

enum class IconSide { Left, Right, Centre };

// The icon of a gear (1 triangle ... 6 circle) on a space: in its back half (Left), its
// front half (Right) or at its centre. The icon is never turned with the space.
void drawDieIcon(const Game& game, Canvas& canvas, int gear, int lane, int space, float scale,
                 IconSide side);

// For each available gear, a small icon on the nearest and a full one on the farthest
// space of the car's own lane that the gear's die can reach.
void drawDieIcons(const Game& game, Canvas& canvas, int location);

}  // namespace tarmaq
