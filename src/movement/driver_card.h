// The driver card: the car shown, its gear buttons marked available or not for the
// coming gear choice, the tire type, one row of pictures per kind of wear point (plain
// while the point is there, slashed once used), the stop lights, and braking with the
// brake pictures.
#pragma once

#include "engine/controls.h"

namespace tarmaq {

struct Game;

// Refreshes the card for car c.
void showDriverCard(Game& game, int c);

// Shows wear picture `index` of a row as used (slashed, tag "1") or available (plain,
// tag "0"); picture 0 has its own drawing (the spin-out, the crash or failure).
void markWearPicture(Game& game, WearRow row, int index, bool used);

// Whether the brake pictures act now: the rule "Braking" is played and a move is being
// planned.
bool brakingPossible(const Game& game);

// A click on brake picture `index`: gives back a point used in this move, or uses an
// available one.
void brakePicClick(Game& game, int index);

// Uses one brake point: the move gets one space shorter (a planned space is taken back
// once the whole roll is planned).
void useBrakePoint(Game& game, int index);

// The highest-numbered brake picture that is shown and still available, or -1.
int lastAvailableBrakePicture(const Game& game);

}  // namespace tarmaq
