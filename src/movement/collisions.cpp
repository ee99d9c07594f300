#include "movement/collisions.h"

#include "engine/game_state.h"
#include "engine/turn_controller.h"

namespace tarmaq {

namespace {

void report(Game& game, int c, int kind, int& result) {
  writeToGameLog(game, 15, 38, commentLine(game, 15, kind, game.currCar, c), false, LogRed);
  game.cars[static_cast<std::size_t>(c)].clsnFlag = True;
  ++game.snapshot.clsn;
  result = True;
}

}  // namespace

// The mover itself is never its own victim, not even on a lane of one space.
int checkCollisions(Game& game, int location) {
  game.snapshot.clsn = 0;
  int result = False;
  const Space* here = game.track.space(location);
  const int L = laneOf(location);
  const int n = game.track.spaceCount(L);
  if (!here || n <= 0) return result;
  const int s = spaceIndexOf(location);
  const int ahead = makeLocation(L, (s + 1) % n);
  const int behind = makeLocation(L, (s + n - 1) % n);
  const bool frontCollisions = game.rules[Rule::FrontCollisions] == 1;
  for (int c = 0; c < game.carCount(); ++c) {
    const Car& car = game.cars[static_cast<std::size_t>(c)];
    if (!car.inRace() || c == game.currCar) continue;
    if (car.location == ahead && here->edgeType != 4) report(game, c, 14, result);
    if (frontCollisions && car.location == behind && here->edgeType != 3)
      report(game, c, 15, result);
  }
  auto besides = [&](int link) {
    if (link < 0) return;
    for (int c = 0; c < game.carCount(); ++c)
      if (c != game.currCar && game.cars[static_cast<std::size_t>(c)].location == link)
        report(game, c, 13, result);
  };
  besides(here->nextLink1);
  besides(here->nextLink2);
  for (int link : here->sideLink) besides(link);
  return result;
}

}  // namespace tarmaq
