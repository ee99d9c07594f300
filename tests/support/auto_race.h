// A race built from the shipped content and played by automatic drivers.
#pragma once

#include "driver/auto_driver.h"
#include "driver/race_runner.h"
#include "engine/folders.h"
#include "engine/game_state.h"
#include "engine/random_source.h"
#include "engine/settings_store.h"
#include "setup/new_game.h"
#include "setup/shipped_teams.h"
#include "support/paths.h"

namespace tarmaq::testing {

struct AutoRace {
  SeededRandom random;
  MemorySettings settings;
  FolderTree folders{TARMAQ_DATA};
  AutoDriver driver;
  AutoFrontend frontend;
  Game game;
  bool built = false;

  AutoRace(std::uint64_t seed, const std::string& track, const std::string& raceClass, int cars,
           int laps, const Rules& rules)
      : random(seed), driver(seed * 31 + 7), frontend(driver, game) {
    game.services.frontend = &frontend;
    game.services.random = &random;
    game.services.settings = &settings;
    game.services.folders = &folders;
    game.options.autoSave = false;
    game.options.autoRoll = seed % 2 == 0;
    NewGameSetup setup;
    setup.classFile = raceClass;
    setup.trackFile = track;
    setup.laps = laps;
    setup.startDate = 46367.5;
    setup.rules = rulesForLaps(rules, laps);
    setup.teams = participatingTeams(teamsInFolder(folders.shippedTeams()), cars);
    setup.grid = seed % 3 == 0 ? GridMode::Manual : GridMode::Roll;
    built = buildNewGame(game, setup);
  }
};

inline Rules allRules() {
  Rules r;
  for (int i = 0; i <= static_cast<int>(Rule::EngineForSpace); ++i)
    r.values()[static_cast<std::size_t>(i)] = (i >= 11 && i <= 17) || i == 21 || i == 22 ? 0 : 1;
  return r;
}

inline Rules noRules() {
  Rules r;
  for (int& v : r.values()) v = 0;
  r[Rule::FinishNose] = -1;
  return r;
}

}  // namespace tarmaq::testing
