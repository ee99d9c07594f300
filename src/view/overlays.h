// What the view shows on top of the board besides cars: the move-option shading, the
// blink of the active car, the screen flash and a car's lap path. Plain state: the
// rules set it, the next redraw draws it.
#pragma once

#include <vector>

namespace tarmaq {

// The spaces the move options shade: the allowed next spaces (blue) and the space where
// the remaining roll would end (green), both cross-hatched. The move code fills these
// when it shows the options and empties them when it erases them.
struct MoveShading {
  std::vector<int> next;
  int final = -1;  // location, -1 none
  bool empty() const { return next.empty() && final < 0; }
  void clear() {
    next.clear();
    final = -1;
  }
};

// The blink phase is the blink timer's interval: 500 after a silver tick, 501 after a
// yellow one. Before the first tick the space is drawn as usual.
struct CarBlink {
  int intervalMs = 500;
  bool ticked = false;
  bool lit() const { return intervalMs == 501; }
};

// The flash state is the flash timer's interval: 0 none, 1 or 2 about to start, 50-55
// a step of the sequence.
struct ScreenFlash {
  int intervalMs = 0;
  bool showsRed = false;   // the view is a plain red surface until the next step
  bool showsBack = false;  // the view is a plain background surface until the next step
};

struct LapPath {
  bool shown = false;
  int car = -1;
  int lap = 0;
};

}  // namespace tarmaq
