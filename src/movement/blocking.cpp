#include "movement/blocking.h"

#include "engine/game_state.h"

namespace tarmaq {

void checkBlocking(Game&, int) {}

namespace {

bool carStandsOn(const Game& game, int location) {
  for (const Car& car : game.cars)
    if (car.inRace() && car.location == location) return true;
  return false;
}

}  // namespace

int neighbourInLane(const Game& game, int location) {
  const int lane = laneOf(location);
  const int n = game.track.spaceCount(lane);
  if (location < 0 || n <= 0) return 2;
  const int s = spaceIndexOf(location);
  if (carStandsOn(game, makeLocation(lane, (s + 1) % n))) return 0;
  if (carStandsOn(game, makeLocation(lane, (s + n - 1) % n))) return 1;
  return 2;
}

}  // namespace tarmaq
