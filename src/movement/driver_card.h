// The driver card: the car shown, its gear buttons, wear pictures and stop lights.
#pragma once

namespace tarmaq {

struct Game;

// Refreshes the card for car c.
void showDriverCard(Game& game, int c);

}  // namespace tarmaq
