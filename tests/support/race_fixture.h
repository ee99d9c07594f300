// A small race for scenario tests: a class, a plain board of straight lanes, and cars
// whose fields a test sets as it needs.
#pragma once

#include <string>
#include <vector>

#include "engine/game_state.h"
#include "support/fakes.h"
#include "support/paths.h"

namespace tarmaq::testing {

// Lanes "Left", "Middle", "Right" of `spaces` spaces each; positions rise with the
// space index; every space is on straight segment 0.
inline Track straightBoard(int spaces = 20) {
  Track t;
  t.lanes.clear();
  for (const char* name : {"Left", "Middle", "Right"}) {
    Lane lane{name, {}};
    for (int s = 0; s < spaces; ++s) {
      Space sp;
      sp.x = static_cast<float>(s) * 200;
      sp.y = static_cast<float>(t.lanes.size()) * 100;
      sp.position = static_cast<float>(s);
      lane.spaces.push_back(sp);
    }
    t.lanes.push_back(lane);
  }
  for (int g = 1; g <= 20; ++g) t.gridLocations[static_cast<std::size_t>(g)] = NoSpace;
  t.pitLane = 99;
  t.garageLane = 99;
  return t;
}

struct RaceFixture : TestGame {
  explicit RaceFixture(int carCount = 3) {
    readRaceClass(fixture("classes/basic.cls"), game.raceClass);
    game.track = straightBoard();
    game.options.autoSave = false;
    for (int c = 0; c < carCount; ++c) {
      Car car;
      car.driverName = "Driver " + std::string(1, static_cast<char>('A' + c));
      car.teamName = "Team " + std::to_string(c / 2 + 1);
      applyClassWear(car, game.raceClass.classWear[0]);
      car.location = makeLocation(1, 10 - c);
      car.pos = static_cast<float>(10 - c);
      car.lapLength.assign(2, 0);
      car.totalSpeed.assign(2, 0);
      car.avgSpeed.assign(2, 0);
      game.cars.push_back(car);
      game.positions.push_back(c);
    }
  }

  const std::vector<std::string>& round(int r) const {
    return game.gameLogArray.at(static_cast<std::size_t>(r));
  }
  const std::string& lastLogText() const { return game.log.rows.back().text; }
  Car& car(int c) { return game.cars.at(static_cast<std::size_t>(c)); }
};

}  // namespace tarmaq::testing
