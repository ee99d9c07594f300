#include "movement/move_options.h"

#include "engine/game_state.h"
#include "movement/remaining_count.h"

namespace tarmaq {

bool carOn(const Game& game, int location, int except) {
  if (location < 0) return false;
  for (int c = 0; c < game.carCount(); ++c)
    if (c != except && game.cars[static_cast<std::size_t>(c)].location == location) return true;
  return false;
}

int spaceAhead(const Game& game, int location) {
  const int lane = laneOf(location);
  const int n = game.track.spaceCount(lane);
  if (location < 0 || n <= 0) return NoSpace;
  return makeLocation(lane, (spaceIndexOf(location) + 1) % n);
}

int lastPlannedSpace(const Game& game) {
  if (game.moves.size() > 1) return game.moves.back();
  const Car* car = game.car(game.currCar);
  return car ? car->location : NoSpace;
}

void refreshMoveOptions(Game& game) {
  game.view.shadedSpaces.clear();
  game.view.requestRedraw();
  const std::string* step = game.currentStep();
  if (game.controls.movePanel.visible && step && *step == "MOVE WAIT")
    showMoveOptions(game, lastPlannedSpace(game), ShowOptionsColor, ShowOptionsMode);
}

namespace {

int laneUsed(const Game& game, int lane) {
  const auto& used = game.snapshot.laneUsed;
  return lane >= 0 && lane < static_cast<int>(used.size()) ? used[static_cast<std::size_t>(lane)]
                                                           : False;
}

void shade(Game& game, int location, std::uint32_t color, int mode) {
  if (!game.track.space(location)) return;
  game.view.shadedSpaces[location] = ViewState::Shade{color, mode};
  game.view.requestRedraw();
}

// A side step that the pit lane's end or the garages allow: only onto a space that
// exists and is free, or the car would leave the board or share a space.
bool sideStepPossible(const Game& game, int target) {
  return game.track.space(target) && !carOn(game, target);
}

}  // namespace

void showMoveOptions(Game& game, int location, std::uint32_t color, int mode) {
  const int r = remainingCount(game);
  const Car* car = game.car(game.currCar);
  if (r <= 0 || !car || !car->inRace()) return;
  const Track& track = game.track;
  const Space* here = track.space(location);
  const int L = laneOf(location);
  const int n = track.spaceCount(L);
  if (!here || n <= 0) return;
  const int s = spaceIndexOf(location);
  const int ahead = makeLocation(L, (s + 1) % n);
  const int finalSpace = makeLocation(L, (s + r) % n);
  const bool inPitOrGarage = L == track.pitLane || L == track.garageLane;

  bool left = false, straight = true, right = false;
  bool finalOccupied = false;
  for (const Car& other : game.cars) {
    if (other.location == ahead) straight = false;
    if (other.location == finalSpace) finalOccupied = true;
  }

  const bool garagesOnTheLeft = track.garageLane < track.pitLane;
  if (here->marker == car->pitSpace + 30 && car->status != ExitingPits) {
    // The own pit box: the car turns into its garage.
    straight = false;
    if (garagesOnTheLeft)
      left = sideStepPossible(game, here->nextLink1);
    else
      right = sideStepPossible(game, here->nextLink2);
  }
  if (here->marker == car->pitSpace + 40) {
    // Leaving the garage, back into the pit lane.
    straight = false;
    if (garagesOnTheLeft)
      right = sideStepPossible(game, here->nextLink2);
    else
      left = sideStepPossible(game, here->nextLink1);
  }
  if (L == track.pitLane && s == n - 1) {
    // The end of the pit lane joins the track on either side.
    left = sideStepPossible(game, here->nextLink1);
    straight = false;
    right = sideStepPossible(game, here->nextLink2);
  }

  if (car->lap == game.laps && track.pitLane >= 0 &&
      track.pitLane < static_cast<int>(game.snapshot.laneUsed.size()))
    game.snapshot.laneUsed[static_cast<std::size_t>(track.pitLane)] = True;

  if (!inPitOrGarage && (game.snapshot.segment == here->segment || game.snapshot.stops < 1)) {
    auto laneChange = [&](int t, bool& side) {
      if (t < 0) return;
      const int T = laneOf(t);
      const int u = spaceIndexOf(t);
      if (T == track.pitLane && !(game.rules[Rule::TirePitStops] == 1 && car->lap > 0)) return;
      side = true;
      if (laneUsed(game, T) == True) {
        // Back into a lane used in this move only to get round a car.
        side = carOn(game, ahead, game.currCar) ||
               (u > 0 && carOn(game, makeLocation(T, u - 1), game.currCar));
      }
      if (carOn(game, t)) side = false;
    };
    laneChange(here->nextLink1, left);
    laneChange(here->nextLink2, right);
  }
  if (!inPitOrGarage && here->edgeType == 4) straight = false;

  game.controls.movePanel.laneEnabled = {left, straight, right};

  if (color == EraseOptionsColor) {
    // Only the options of one space are ever shaded: erasing clears them all, also a
    // shading that the state has moved away from since it was drawn.
    game.view.shadedSpaces.clear();
    game.view.requestRedraw();
    return;
  }
  if (game.options.showNextSpaces) {
    if (left) shade(game, here->nextLink1, color, mode);
    if (straight && !(L == track.pitLane && s == n - 1)) shade(game, ahead, color, mode);
    if (right) shade(game, here->nextLink2, color, mode);
  }
  if (game.options.showFinalSpace && !inPitOrGarage && !finalOccupied)
    shade(game, finalSpace, color == ShowOptionsColor ? FinalSpaceColor : color, mode);
}

}  // namespace tarmaq
