// The die panel and the gear buttons: which die is shown, whether its value is shown,
// and which gear is highlighted.
#pragma once

namespace tarmaq {

struct Game;

// Shows die kind 0-6 (0 the event die). Hides the value unless the current step begins
// with "WEAR" or ends in "WAIT".
void setDie(Game& game, int kind);

// Highlights gear g on the gear buttons and, while the die panel is shown, shows the
// matching die. The pending gear (Snapshot.Gear) follows only when the card shown is the
// active car's: looking at another car's card must not change what the active car rolls.
void showGear(Game& game, int gear, bool activeCar = true);

}  // namespace tarmaq
