#include "view/navigation.h"

#include <cmath>

#include "engine/game_state.h"

namespace tarmaq {

void requestQuickRedraw(ViewState& v) {
  if (!v.visible) return;
  if (v.lastFullFrameMs < FrameBudgetMs)
    v.requestRedraw();
  else
    v.quickRedrawRequested = true;
}

bool zoomBy(ViewState& v, float delta) {
  if (!(v.zoom > 1 || delta > 0)) return false;
  v.zoom += delta;
  requestQuickRedraw(v);
  return true;
}

void panBy(ViewState& v, float dx, float dy) {
  v.offsetX += dx * v.zoom;
  v.offsetY += dy * v.zoom;
  requestQuickRedraw(v);
}

void centerView(ViewState& v) {
  v.offsetX = v.width / 2;
  v.offsetY = v.height / 2;
  v.requestRedraw();
}

void zoomAbout(ViewState& v, float x, float y, float delta) {
  if (!(v.zoom > 1 || delta > 0)) return;
  v.offsetX += (v.offsetX - x) * delta / v.zoom;
  v.offsetY += (v.offsetY - y) * delta / v.zoom;
  zoomBy(v, delta);
}

void scrollValueChanging(ViewState& v, bool horizontal, int value) {
  if (horizontal) {
    v.hScroll.setValue(value);
    v.applyHorizontalValue();
  } else {
    v.vScroll.setValue(value);
    v.applyVerticalValue();
  }
  requestQuickRedraw(v);
}

void scrollValueCommitted(Game& game, bool horizontal, int value, bool byUser) {
  ViewState& v = game.view;
  if (horizontal) {
    v.hScroll.setValue(value);
    v.applyHorizontalValue();
  } else {
    v.vScroll.setValue(value);
    v.applyVerticalValue();
  }
  if (v.visible && byUser) {
    v.requestRedraw();
    game.controls.trackViewHasFocus = true;
  }
}

void centerCar(Game& game, int c) {
  ViewState& v = game.view;
  if (!v.visible) return;
  const Car* car = game.car(c);
  const Space* space = car ? game.track.space(car->location) : nullptr;
  if (!space) return;
  v.offsetX = v.width / 2 - space->x * v.zoom;
  v.offsetY = v.height / 2 - space->y * v.zoom;
  v.hScroll.setValue(std::lround(space->x));
  v.vScroll.setValue(std::lround(space->y));
  v.requestRedraw();
}

void scrollToSpace(Game& game, int location) {
  ViewState& v = game.view;
  const Space* space = game.track.space(location);
  if (!space || !game.options.autoScroll) return;
  bool moved = false;
  auto nudge = [&](float centre, float size, float& offset, float zoom) {
    if (centre * zoom + offset < 0.1f * size) {
      offset += 0.1f * size;
      moved = true;
    }
    if (centre * zoom + offset > 0.9f * size) {
      offset -= 0.1f * size;
      moved = true;
    }
  };
  nudge(space->x, v.width, v.offsetX, v.zoom);
  nudge(space->y, v.height, v.offsetY, v.zoom);
  if (moved) v.requestRedraw(true);
}

}  // namespace tarmaq
