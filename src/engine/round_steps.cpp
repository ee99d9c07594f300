// "ROUN" and "POSN": a new round, and the running order.
#include "engine/game_state.h"
#include "engine/step_handlers.h"
#include "engine/turn_controller.h"
#include "log/game_log_rounds.h"

namespace tarmaq {

StoreStep handleRound(Game& game, std::string& step) {
  const int r = game.currRound + 1;
  game.currRound = r;
  game.currStep = 0;
  game.currPos = 0;
  if (r == 1) {
    game.view.visible = true;
    game.controls.scrollBarsVisible = game.options.scrollBars;
    game.controls.driverCard.visible = true;
    game.view.requestRedraw();
    if (game.options.carBlink) startTimer(game, TimerId::CarBlink, 500);
  }
  if (Car* leader = game.car(game.carAtPosition(0))) ++leader->roundsLed;
  writeToGameLog(game, 1, 0, "Round " + std::to_string(r), true, LogBlack);
  if (game.gameLogArray.size() < static_cast<std::size_t>(r) + 1)
    game.gameLogArray.resize(static_cast<std::size_t>(r) + 1);
  if (game.options.autoCollapse)
    collapsePreviousRounds(game);
  else
    markRoundCollapsible(game, r - 1);
  step = "ROUN " + std::to_string(r);
  game.controls.standingsStale = true;
  return StoreStep::Yes;
}

namespace {

std::string positionsStep(const Game& game) {
  std::string s = "POSN";
  for (int c : game.positions) s += " " + std::to_string(c);
  return s;
}

}  // namespace

StoreStep handlePositions(Game& game, std::string& step) {
  if (step == "POSN SORT") {
    sortRunningOrder(game);
    game.currPos = nextRunningPosition(game, 0);
    if (game.currPos >= static_cast<int>(game.positions.size())) {
      stopTimer(game, TimerId::CollisionRoll);
      stopTimer(game, TimerId::EngineRoll);
      advanceGame(game, "SHOW RSLT");
      return StoreStep::No;
    }
    if (game.currRound >= 2) {
      if (game.results[0] == -1)
        writeToGameLog(game, 3, 39, commentLine(game, 5, 2, game.mover()), false, LogBlack);
      else
        writeToGameLog(game, 3, 39, "     " + carName(game, game.results[0]) + " has won the race!",
                       false, LogGreen);
    }
  } else if (step == "POSN GRID") {
    for (std::size_t i = 0; i < game.positions.size(); ++i) {
      Car* car = game.car(game.positions[i]);
      if (!car) continue;
      car->startGrid = static_cast<int>(i) + 1;
      if (i + 1 < game.track.gridLocations.size()) {
        car->location = game.track.gridLocations[i + 1];
        if (const Space* space = game.track.space(car->location)) car->pos = space->position;
      }
    }
    game.controls.startingGridStale = true;
  }
  step = positionsStep(game);
  return StoreStep::Yes;
}

}  // namespace tarmaq
