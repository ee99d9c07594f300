#include "view/navigation.h"

#include <cmath>

#include "engine/game_state.h"

namespace tarmaq {

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
