#include "driver/race_runner.h"

#include <set>

#include "driver/auto_driver.h"
#include "engine/game_state.h"
#include "engine/turn_controller.h"

namespace tarmaq {

std::string checkInvariants(const Game& game) {
  std::set<int> occupied;
  for (int c = 0; c < game.carCount(); ++c) {
    const Car& car = game.cars[static_cast<std::size_t>(c)];
    for (int wear : {car.tires, car.brakes, car.fuel, car.body, car.engine, car.roadHold})
      if (wear < 0) return "car " + std::to_string(c) + " has negative wear points";
    if (car.status >= Finished) {
      if (car.location != OffTrack)
        return "car " + std::to_string(c) + " left the race but stands on the track";
      continue;
    }
    if (game.currRound >= 1 && !occupied.insert(car.location).second)
      return "two running cars on space " + std::to_string(car.location);
  }
  if (game.currRound != static_cast<int>(game.gameLogArray.size()) - 1)
    return "CurrRound is not the last round of the step list";
  std::vector<int> seen(game.cars.size(), 0);
  for (int p : game.positions)
    if (p < 0 || p >= game.carCount() || seen[static_cast<std::size_t>(p)]++)
      return "the running order does not hold each car once";
  std::vector<int> results(game.cars.size(), 0);
  for (int r : game.results) {
    if (r == -1) continue;
    if (r < 0 || r >= game.carCount() || results[static_cast<std::size_t>(r)]++)
      return "a car is in the results twice";
    if (game.cars[static_cast<std::size_t>(r)].status < Finished)
      return "a running car is in the results";
  }
  for (int c = 0; c < game.carCount(); ++c)
    if (game.cars[static_cast<std::size_t>(c)].status >= Finished &&
        !results[static_cast<std::size_t>(c)])
      return "car " + std::to_string(c) + " left the race but is not in the results";
  return {};
}

RaceOutcome runRace(Game& game, AutoDriver& driver, int maxActions,
                    const std::function<std::string(const Game&)>& check) {
  RaceOutcome out;
  while (out.actions < maxActions) {
    const std::string* step = game.currentStep();
    if (step && *step == "SHOW RSLT") {
      out.finished = true;
      break;
    }
    ++out.actions;
    if (!fireArmedResultTimer(game) && !driver.act(game)) {
      out.stuckAt = step ? *step : std::string("(no step)");
      break;
    }
    if (check) {
      out.broken = check(game);
      if (!out.broken.empty()) break;
    }
  }
  if (!out.finished && out.stuckAt.empty() && out.broken.empty()) out.stuckAt = "too many actions";
  return out;
}

}  // namespace tarmaq
