#include "view/pointer.h"

#include <cmath>

#include "engine/game_state.h"
#include "view/navigation.h"

namespace tarmaq {

namespace {

int direction(float now, float last) { return now < last ? 1 : (now > last ? -1 : 0); }

ViewCursor modeCursor(PointerMode mode) {
  switch (mode) {
    case PointerMode::ZoomView:
      return ViewCursor::ZoomView;
    case PointerMode::TranslateView:
      return ViewCursor::TranslateView;
    case PointerMode::Select:
      break;
  }
  return ViewCursor::Arrow;
}

void armResize(ViewState& v, float y) {
  v.resizeArmed = v.height - ResizeBandPx * v.twipsPerPixelY <= y;
  v.cursor = v.resizeArmed ? ViewCursor::Resize : modeCursor(v.mode);
}

// Pans along one axis with the pointer, as far as the scroll bar's range allows.
void panAxis(ViewState& v, float now, float last, float twipsPerPixel, bool horizontal) {
  const int dir = direction(now, last);
  const float moved = std::fabs(now - last);
  ScrollBar& bar = horizontal ? v.hScroll : v.vScroll;
  if (dir == 0 || moved < twipsPerPixel * v.zoom) return;
  if ((dir < 0 && bar.value <= bar.min) || (dir > 0 && bar.value >= bar.max)) return;
  const float d = -moved * static_cast<float>(dir) / v.zoom;
  if (horizontal)
    panBy(v, d, 0);
  else
    panBy(v, 0, d);
  const float size = horizontal ? v.width : v.height;
  const float offset = horizontal ? v.offsetX : v.offsetY;
  const long value = std::lround((size / 2 - offset) / v.zoom);
  bar.value =
      value < bar.min || value > bar.max ? (dir < 0 ? bar.min : bar.max) : static_cast<int>(value);
}

void resizeDrag(ViewState& v, float y, int dirY, float infoPanelHeightPx) {
  const float viewHeightPx = v.height / v.twipsPerPixelY;
  if ((dirY == -1 && infoPanelHeightPx >= MinInfoPanelHeightPx) ||
      (dirY == 1 && viewHeightPx >= MinViewHeightPx))
    v.requestedHeight = y;
}

}  // namespace

void pointerPressed(Game& game, float x, float y) {
  ViewState& v = game.view;
  v.anchorX = v.dragLastX = x;
  v.anchorY = v.dragLastY = y;
}

void pointerMoved(Game& game, PointerButtons buttons, float x, float y, float infoPanelHeightPx) {
  ViewState& v = game.view;
  if (buttons == PointerButtons::None) {
    v.cursor = modeCursor(v.mode);
    armResize(v, y);
    return;
  }
  if (buttons != PointerButtons::Left) {
    armResize(v, y);
    return;
  }
  const int dirY = direction(y, v.dragLastY);
  if (v.resizeArmed) {
    resizeDrag(v, y, dirY, infoPanelHeightPx);
    // The resize follows the pointer from move to move, so that turning back takes
    // effect at once rather than only after passing the press position.
    v.dragLastY = y;
    return;
  }
  bool zoomSkipped = false;
  if (v.mode == PointerMode::ZoomView && dirY != 0) {
    if (std::fabs(y - v.dragLastY) < ZoomDragThresholdTwips)
      zoomSkipped = true;
    else
      zoomAbout(v, v.anchorX, v.anchorY, ZoomStep * static_cast<float>(dirY));
  }
  if (!zoomSkipped && v.mode == PointerMode::TranslateView) {
    panAxis(v, x, v.dragLastX, v.twipsPerPixelX, true);
    panAxis(v, y, v.dragLastY, v.twipsPerPixelY, false);
  }
  if (std::fabs(x - v.dragLastX) >= v.twipsPerPixelX * v.zoom) v.dragLastX = x;
  if (std::fabs(y - v.dragLastY) >= v.twipsPerPixelY * v.zoom) v.dragLastY = y;
  armResize(v, y);
}

void pointerReleased(Game& game) {
  ViewState& v = game.view;
  if (v.mode != PointerMode::Select && (v.dragLastX != v.anchorX || v.dragLastY != v.anchorY))
    v.requestRedraw();
  v.resizeArmed = false;
}

void doubleClicked(Game& game, float x, float y) {
  ViewState& v = game.view;
  if (v.mode == PointerMode::Select) return;
  v.anchorX = x;
  v.anchorY = y;
  const float tx = v.toTrackX(x), ty = v.toTrackY(y);
  if (tx > static_cast<float>(v.hScroll.min) && tx < static_cast<float>(v.hScroll.max)) {
    panBy(v, (v.width / 2 - x) / v.zoom, 0);
    v.hScroll.setValue(std::lround((v.width / 2 - v.offsetX) / v.zoom));
  }
  if (ty > static_cast<float>(v.vScroll.min) && ty < static_cast<float>(v.vScroll.max)) {
    panBy(v, 0, (v.height / 2 - y) / v.zoom);
    v.vScroll.setValue(std::lround((v.height / 2 - v.offsetY) / v.zoom));
  }
  v.requestRedraw();
}

void viewResized(Game& game, float width, float height) {
  game.view.width = width;
  game.view.height = height;
  requestQuickRedraw(game.view);
}

}  // namespace tarmaq
