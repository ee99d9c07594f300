#include "movement/planned_move.h"

#include <algorithm>

#include "engine/game_state.h"
#include "movement/driver_card.h"

namespace tarmaq {

namespace {

// Slipstreams taken in the current turn: their commentary lines since the line that
// named the driver.
int slipstreamsThisTurn(const Game& game) {
  int count = 0;
  const auto& rows = game.log.rows;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (it->entryType == 2 && it->icon == 14) break;  // "Current Driver: ..."
    if (it->entryType == 29 && it->icon == 10 && it->color == LogGreen) ++count;
  }
  return count;
}

struct Plan {
  int remaining = 0;
  bool cornerBrake = false;  // one brake point paid for a slipstream ending in a corner
};

Plan workOut(const Game& game) {
  const Car* car = game.car(game.currCar);
  const int steps = static_cast<int>(game.moves.size()) - 1;
  if (!car || steps < 0) return {std::max(0, game.snapshot.move), false};
  const Track& track = game.track;
  int slipstreams = slipstreamsThisTurn(game);
  int count = game.snapshot.move;
  for (int i = 1; i <= steps; ++i) {
    const int p = game.moves[static_cast<std::size_t>(i)];
    const int previous = game.moves[static_cast<std::size_t>(i - 1)];
    const Space* here = track.space(p);
    const int lane = laneOf(p);
    const bool offTrack = lane == track.pitLane || lane == track.garageLane;
    if (here && here->marker == car->pitSpace + 40)
      count = 0;
    else if (spaceIndexOf(previous) != 0 && !offTrack && spaceIndexOf(p) == 0 &&
             car->lap == game.laps)
      count = 0;
    else
      --count;
    if (count <= 0 && slipstreams > 0) {
      count = game.rules[Rule::SlipstreamMove];
      --slipstreams;
    }
  }
  // A slipstream taken further on, and stepped back from since.
  count += slipstreams * game.rules[Rule::SlipstreamMove];
  const int brakesUsed = car->brakes - game.snapshot.brakes;
  count -= brakesUsed;
  const Space* last = track.space(game.moves.back());
  if (count == -1 && brakesUsed >= 1 && game.snapshot.slipstream == 1 && last &&
      last->segment % 2 != 0)
    return {0, true};
  return {std::max(0, count), false};
}

}  // namespace

int plannedRemainingCount(const Game& game) { return workOut(game).remaining; }

bool slipstreamCornerBrakePaid(const Game& game) { return workOut(game).cornerBrake; }

void showPlannedWear(Game& game) {
  const Car* car = game.car(game.currCar);
  if (!car) return;
  for (int i = std::max(0, game.snapshot.tires); i < car->tires; ++i)
    markWearPicture(game, WearRow::Tires, i, true);
  // The point a slipstream into a corner costs is not shown as used while planning.
  const int firstUsed = game.snapshot.brakes + (workOut(game).cornerBrake ? 1 : 0);
  for (int i = std::max(0, firstUsed); i < car->brakes; ++i)
    markWearPicture(game, WearRow::Brakes, i, true);
}

}  // namespace tarmaq
