// A small circuit for movement tests: three racing lanes of 24 spaces with two corners,
// a pit lane with two boxes and their garages, and a race on it whose cars a test
// places where a rule matters.
#pragma once

#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/rolls.h"
#include "engine/turn_controller.h"
#include "support/fakes.h"
#include "support/paths.h"

namespace tarmaq::testing {

// Lanes 0 "Left", 1 "Middle", 2 "Right" (24 spaces each), 3 "Pit" (6), 4 "Garages" (2).
// Segments of the racing lanes: 0-5 straight 0, 6-9 corner "First Bend" (segment 1,
// 1 stop), 10-15 straight 2, 16-19 corner "Hairpin" (segment 3, 2 stops), 20-23
// straight 4. Right space 20 leads into pit space 0; pit spaces 2 and 3 are the boxes of
// pit spaces 0 and 1, with their garages on the right; the pit lane's end leads back to
// Right space 3 on the left and to nothing on the right.
inline constexpr int OvalSpaces = 24;
inline constexpr int PitLaneIndex = 3;
inline constexpr int GarageLaneIndex = 4;

inline void setVertices(Space& s) {
  const float l = SpaceHalfLength * s.lengthFactor;
  const float w = SpaceHalfWidth;
  s.vertex = {Point{s.x - l, s.y - w}, Point{s.x + l, s.y - w}, Point{s.x + l, s.y + w},
              Point{s.x - l, s.y + w}};
}

inline int ovalSegment(int s) {
  if (s < 6) return 0;
  if (s < 10) return 1;
  if (s < 16) return 2;
  if (s < 20) return 3;
  return 4;
}

inline Track ovalBoard() {
  Track t;
  t.lanes.clear();
  const char* names[] = {"Left", "Middle", "Right"};
  for (int l = 0; l < 3; ++l) {
    Lane lane{names[l], {}};
    for (int s = 0; s < OvalSpaces; ++s) {
      Space sp;
      sp.x = static_cast<float>(s) * 200;
      sp.y = static_cast<float>(l) * 100;
      sp.position = static_cast<float>(s);
      sp.segment = ovalSegment(s);
      const int next = (s + 1) % OvalSpaces;
      sp.nextLink1 = l > 0 ? makeLocation(l - 1, next) : NoSpace;
      sp.nextLink2 = l < 2 ? makeLocation(l + 1, next) : NoSpace;
      sp.sideLink[0] = l > 0 ? makeLocation(l - 1, s) : NoSpace;
      sp.sideLink[1] = l < 2 ? makeLocation(l + 1, s) : NoSpace;
      setVertices(sp);
      lane.spaces.push_back(sp);
    }
    t.lanes.push_back(lane);
  }
  t.lanes[2].spaces[20].nextLink2 = makeLocation(PitLaneIndex, 0);
  Lane pit{"Pit", {}};
  for (int s = 0; s < 6; ++s) {
    Space sp;
    sp.x = static_cast<float>(20 + s) * 200;
    sp.y = 300;
    sp.segment = 4;
    sp.position = static_cast<float>(20 + s);
    setVertices(sp);
    pit.spaces.push_back(sp);
  }
  pit.spaces[2].marker = 30;
  pit.spaces[2].nextLink2 = makeLocation(GarageLaneIndex, 0);
  pit.spaces[3].marker = 31;
  pit.spaces[3].nextLink2 = makeLocation(GarageLaneIndex, 1);
  pit.spaces[5].nextLink1 = makeLocation(2, 3);
  t.lanes.push_back(pit);
  Lane garages{"Garages", {}};
  for (int s = 0; s < 2; ++s) {
    Space sp;
    sp.x = static_cast<float>(22 + s) * 200;
    sp.y = 400;
    sp.segment = 4;
    sp.marker = 40 + s;
    sp.nextLink1 = makeLocation(PitLaneIndex, 3 + s);
    setVertices(sp);
    garages.spaces.push_back(sp);
  }
  t.lanes.push_back(garages);
  t.pitLane = PitLaneIndex;
  t.garageLane = GarageLaneIndex;
  t.corners = {Corner{"First Bend", 1, 4, 4, 1200, -200}, Corner{"Hairpin", 2, 4, 4, 3400, -200}};
  for (Corner& c : t.corners) {
    c.signLeft = c.signX + 0.2f * SpaceHalfLength;
    c.signTop = c.signY - 2.5f * SpaceHalfLength;
    c.signRight = c.signX + 1.8f * SpaceHalfLength;
    c.signBottom = c.signY - 0.9f * SpaceHalfLength;
  }
  for (int g = 1; g <= 20; ++g) t.gridLocations[static_cast<std::size_t>(g)] = NoSpace;
  return t;
}

// A two-lap race on the oval, round 2: every rule at its default, three cars standing on
// the Middle lane (car 0 in front), each in the running order of its number.
struct OvalRace : TestGame {
  explicit OvalRace(int carCount = 3) {
    readRaceClass(fixture("classes/basic.cls"), game.raceClass);
    game.track = ovalBoard();
    game.laps = 2;
    game.options.autoSave = false;
    game.view.visible = true;
    game.view.zoom = 1;
    const WearPoints& w = game.raceClass.classWear[1];
    for (int c = 0; c < carCount; ++c) {
      Car car;
      car.driverName = "Driver " + std::string(1, static_cast<char>('A' + c));
      car.teamName = "Team " + std::to_string(c / 2 + 1);
      car.pitSpace = c % 2;
      car.tires = w.tires;
      car.brakes = w.brakes;
      car.fuel = w.fuel;
      car.body = w.body;
      car.engine = w.engine;
      car.roadHold = w.roadHold;
      car.location = makeLocation(1, 3 - c);
      car.pos = static_cast<float>(3 - c);
      car.lap = 1;
      car.gear = 3;
      car.lapLength.assign(3, 0);
      car.totalSpeed.assign(3, 0);
      car.avgSpeed.assign(3, 0);
      game.cars.push_back(car);
      game.positions.push_back(c);
    }
    game.currRound = 2;
    game.gameLogArray.resize(3);
    game.currStep = -1;
  }

  Car& car(int c) { return game.cars.at(static_cast<std::size_t>(c)); }
  const std::vector<std::string>& round(int r) const {
    return game.gameLogArray.at(static_cast<std::size_t>(r));
  }
  std::string step() const { return game.currentStep() ? *game.currentStep() : std::string(); }

  // Car c's turn begins: it is the mover and waits for its movement roll.
  void beginTurn(int c) {
    for (std::size_t i = 0; i < game.positions.size(); ++i)
      if (game.positions[i] == c) game.currPos = static_cast<int>(i);
    advanceGame(game, "DRVR " + std::to_string(c));
    advanceGame(game, "ROLL GEAR WAIT");
  }
  // The movement roll comes up `value`; an overshoot warning is answered Yes and not
  // kept among the messages, so a test sees only what the planning asks.
  void roll(int value) {
    const bool warned = !overshootWarning(game).empty();
    if (warned) frontend.answers.push_front(Answer::Yes);
    const std::size_t asked = frontend.messages.size();
    game.forcedRolls = {value};
    rollCommand(game, RollBy::Player);
    if (warned && frontend.messages.size() > asked)
      frontend.messages.erase(frontend.messages.begin() + static_cast<long>(asked));
  }
  // Car c's turn up to its planning with `value` spaces to go.
  void planTurn(int c, int value) {
    beginTurn(c);
    roll(value);
  }
  bool logHas(const std::string& text) const {
    for (const auto& row : game.log.rows)
      if (row.text == text) return true;
    return false;
  }
  const LogRow* logRow(int entryType, int icon) const {
    for (const auto& row : game.log.rows)
      if (row.entryType == entryType && row.icon == icon) return &row;
    return nullptr;
  }
  std::vector<std::string> titles() const {
    std::vector<std::string> t;
    for (const auto& m : frontend.messages) t.push_back(m.title);
    return t;
  }
};

}  // namespace tarmaq::testing
