// Plays a race with automatic drivers and immediate timers, checking invariants after
// every action when asked to.
#pragma once

#include <functional>
#include <string>

namespace tarmaq {

struct Game;
class AutoDriver;

struct RaceOutcome {
  bool finished = false;  // the race reached "SHOW RSLT"
  int actions = 0;
  std::string stuckAt;  // the step where nothing could be done, when not finished
  std::string broken;   // the first invariant that failed
};

// Every invariant of a race in progress; an empty text when all hold.
std::string checkInvariants(const Game& game);

RaceOutcome runRace(Game& game, AutoDriver& driver, int maxActions = 200000,
                    const std::function<std::string(const Game&)>& check = {});

}  // namespace tarmaq
