#include "view/view_keys.h"

#include <cmath>

#include "engine/game_state.h"
#include "view/navigation.h"

namespace tarmaq {

namespace {

// A keypad pan by the bar's large change. `towardsMin` is the direction in which the
// bar's value falls; the value follows the offset, or stops at that end of the range.
void keyPan(ViewState& v, bool horizontal, bool towardsMin) {
  ScrollBar& bar = horizontal ? v.hScroll : v.vScroll;
  if (towardsMin ? bar.value <= bar.min : bar.value >= bar.max) return;
  const float step = static_cast<float>(bar.largeChange) / v.zoom * (towardsMin ? 1.0f : -1.0f);
  if (horizontal)
    panBy(v, step, 0);
  else
    panBy(v, 0, step);
  const float size = horizontal ? v.width : v.height;
  const float offset = horizontal ? v.offsetX : v.offsetY;
  const long value = std::lround(-(offset - size / 2) / v.zoom);
  bar.value = value < bar.min || value > bar.max ? (towardsMin ? bar.min : bar.max)
                                                 : static_cast<int>(value);
  v.requestRedraw();
}

}  // namespace

bool viewKeyCommand(Game& game, int keyCode) {
  ViewState& v = game.view;
  switch (keyCode) {
    case key::KeypadPlus:
    case key::Plus:
    case key::KeypadMinus:
    case key::Minus:
      if (!v.visible) return true;
      zoomBy(v, keyCode == key::KeypadPlus || keyCode == key::Plus ? ZoomStep : -ZoomStep);
      v.requestRedraw();
      return true;
    case key::Keypad2:
    case key::Keypad8:
    case key::Keypad6:
    case key::Keypad4:
      if (!v.visible) return true;
      keyPan(v, keyCode == key::Keypad6 || keyCode == key::Keypad4,
             keyCode == key::Keypad2 || keyCode == key::Keypad6);
      return true;
    case key::Keypad5:
      if (v.visible) centerView(v);
      return true;
    case key::Keypad7:
      centerCar(game, game.currCar);
      return true;
    default:
      return false;
  }
}

}  // namespace tarmaq
