#include "movement/blocking.h"

#include "engine/game_state.h"
#include "engine/turn_controller.h"
#include "movement/ask.h"
#include "movement/move_execution.h"
#include "movement/move_options.h"
#include "movement/move_stepping.h"
#include "movement/remaining_count.h"

namespace tarmaq {

namespace {

void crashLine(Game& game) {
  writeToGameLog(game, 28, 26, commentLine(game, 15, 33, game.currCar), false, LogRed);
}

// The blocked car is out: the turn goes on as after a move, with the mover active again.
void endTurnAfterCrash(Game& game) {
  game.controls.movePanel.visible = false;
  game.controls.movePanel.acceptEnabled = false;
  game.controls.movePanel.laneEnabled = {false, false, false};
  game.view.shadedSpaces.clear();
  game.currCar = game.mover();
  afterMove(game);
}

void blockingCrash(Game& game, bool damageTheCarAhead) {
  const int blocked = game.currCar;
  // The car directly ahead of where the car was stopped, found before anything changes.
  std::vector<int> ahead;
  if (damageTheCarAhead) {
    const int stoppedAt = lastPlannedSpace(game);
    const int front = spaceAhead(game, stoppedAt);
    for (int c = 0; c < game.carCount(); ++c)
      if (c != blocked && front >= 0 && game.cars[static_cast<std::size_t>(c)].location == front)
        ahead.push_back(c);
  }
  crashLine(game);
  advanceGame(game, "STAT " + std::to_string(blocked) + " 24");
  for (int c : ahead) {
    advanceGame(game, "DRVR " + std::to_string(c));
    advanceGame(game, "WEAR BODY");
  }
  endTurnAfterCrash(game);
}

}  // namespace

void checkBlocking(Game& game, int) {
  const MovePanel& panel = game.controls.movePanel;
  if (panel.acceptEnabled || panel.laneEnabled[0] || panel.laneEnabled[1] || panel.laneEnabled[2])
    return;
  const Car* car = game.car(game.currCar);
  if (!car || !car->inRace()) return;
  const int R = remainingCount(game);
  if (R <= 0) return;
  const Track& track = game.track;
  if (!(game.rules[Rule::Blocking] == 1 && track.pitLane != 0 && track.garageLane != 0)) {
    setRemainingCount(game, 0);
    game.controls.movePanel.acceptEnabled = true;
    acceptMove(game);
    return;
  }
  const int B = game.snapshot.brakes;
  const int T = game.snapshot.tires;
  const bool moved = R != game.snapshot.move;
  const bool cannotSurvive = (R < 4 && R > B) || (R > 3 && (B < 3 || R - 3 > T));
  if (cannotSurvive) {
    const Answer a =
        moved ? askPlayer(game, "Blocking Alert",
                          "This move will cause your car to be eliminated!\r\nAre you sure you "
                          "want to make this move?",
                          MessageIcon::Error, MessageButtons::YesNo)
              : askPlayer(game, "Elimination Due to Blocking",
                          "Your car has been irreversably blocked and doesn't have enough\r\nwear "
                          "points to survive. It will be eliminated!",
                          MessageIcon::Error, MessageButtons::Ok);
    if (moved && !agreed(a)) {
      resetMove(game);
      return;
    }
    blockingCrash(game, true);
    return;
  }
  const Answer a =
      moved ? askPlayer(game, "Blocking Alert",
                        "This move will cause your car to be blocked!\r\nAre you sure you want to "
                        "make this move?",
                        MessageIcon::Warning, MessageButtons::YesNo)
            : askPlayer(game, "Blocking Alert",
                        "Your car has been irreversably blocked.\r\nWear points will be deducted "
                        "automatically!",
                        MessageIcon::Warning, MessageButtons::Ok);
  if (moved && !agreed(a)) {
    resetMove(game);
    return;
  }
  if (R >= 7) {
    blockingCrash(game, false);
    return;
  }
  for (int k = 1; k <= R; ++k) {
    if (k <= 3)
      --game.snapshot.brakes;
    else
      --game.snapshot.tires;
  }
  writeToGameLog(game, 29, 9, commentLine(game, 15, 41, game.currCar), false, LogRed);
  acceptMove(game);
}

int neighbourInLane(const Game& game, int location) {
  const Space* here = game.track.space(location);
  const int lane = laneOf(location);
  const int n = game.track.spaceCount(lane);
  if (!here || n <= 0) return 2;
  const int s = spaceIndexOf(location);
  const int ahead = makeLocation(lane, (s + 1) % n);
  const int behind = makeLocation(lane, (s + n - 1) % n);
  for (const Car& car : game.cars) {
    if (car.location == ahead && here->edgeType != 4) return 0;
    if (car.location == behind && here->edgeType != 3) return 1;
  }
  return 2;
}

}  // namespace tarmaq
