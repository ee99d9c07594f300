// The view's timers: the refresh after a burst of repaints, the blink of the active
// car's space and the red flash of the whole view. Their state is plain view state that
// the next redraw reads.
#pragma once

#include "engine/frontend.h"

namespace tarmaq {

struct Game;

inline constexpr int RefreshDelayMs = 100;
inline constexpr int FlashOnce = 1;    // wear used: one red flash
inline constexpr int FlashThrice = 2;  // a car retired: three red flashes

// A repaint of the main window: the quick outline now, and a full redraw (or the
// centring on the current car) 100 ms after the last of a burst.
void mainWindowRepainted(Game& game);

// Asks for a flash; a three-flash sequence under way is not cut short by a single one.
void requestScreenFlash(Game& game, int interval);

// Starts or stops the blink with the "Blinking Current Car" option.
void startCarBlink(Game& game);
void stopCarBlink(Game& game);

// The elapse of a view timer (the timer has already stopped itself). Returns false for
// a timer that is not the view's.
bool viewTimerElapsed(Game& game, TimerId id);

}  // namespace tarmaq
