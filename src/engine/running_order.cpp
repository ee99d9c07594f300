#include "engine/game_state.h"
#include "engine/turn_controller.h"

namespace tarmaq {

namespace {

// Whether the car at index j of the running order is ahead of the current best b.
bool ahead(const Game& game, int j, int b) {
  const Car* cj = game.car(game.carAtPosition(j));
  const Car* cb = game.car(game.carAtPosition(b));
  if (!cj || !cb) return false;
  const bool retiredJ = cj->status >= RetiredTires;
  const bool retiredB = cb->status >= RetiredTires;
  if (retiredJ != retiredB) return retiredB;
  if (cj->lap != cb->lap) return cj->lap > cb->lap;
  if (cj->pos != cb->pos) return cj->pos > cb->pos;
  return cj->gear > cb->gear;  // a complete tie keeps the earlier place
}

}  // namespace

void sortRunningOrder(Game& game) {
  auto& order = game.positions;
  const int n = static_cast<int>(order.size());
  for (int i = 0; i + 1 < n; ++i) {
    int best = i;
    for (int j = i + 1; j < n; ++j)
      if (ahead(game, j, best)) best = j;
    if (best == i) continue;
    std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(best)]);
    if (game.currPos == i)
      game.currPos = best;
    else if (game.currPos == best)
      game.currPos = i;
  }
}

int nextRunningPosition(const Game& game, int p) {
  const int n = static_cast<int>(game.positions.size());
  if (p >= n) return p;
  for (int i = p < 0 ? 0 : p; i < n; ++i) {
    const Car* car = game.car(game.carAtPosition(i));
    if (car && car->inRace()) return i;
  }
  return game.carCount();
}

bool anyCarRunning(const Game& game) {
  for (const Car& car : game.cars)
    if (car.inRace()) return true;
  return false;
}

}  // namespace tarmaq
