// What a change of the options does to a game on screen: the Options dialog's "OK"
// stores the new options, and the main window applies them with these calls.
#pragma once

#include "setup/options.h"

namespace tarmaq {

struct Game;

// The dialog's "OK": takes the options into the game and writes them (and the
// minutes box's "5" when "Auto-Check Mail every" is ticked with an empty box), starts or
// stops the mail-check timer, and re-applies the game log's filters and the standings'
// columns when the game information panel is shown.
void acceptOptions(Game& game, const Options& options);

// After the dialog has closed: the distance unit and the speed heading, the blink of
// the current car (stopping it leaves the car drawn normally, never half-blinked) and a
// full redraw of the track view. The scroll bars follow `options.scrollBars` at the
// next render.
void applyOptionsEffects(Game& game);

}  // namespace tarmaq
