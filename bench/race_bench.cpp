// A whole automatic race of 20 cars over 3 laps with every rule on, timers immediate;
// and saving and loading its finished game.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "driver/auto_driver.h"
#include "driver/race_runner.h"
#include "engine/folders.h"
#include "engine/game_state.h"
#include "engine/random_source.h"
#include "engine/settings_store.h"
#include "gamefile/game_file_open.h"
#include "gamefile/game_file_writer.h"
#include "gamefile/saved_game.h"
#include "setup/new_game.h"
#include "setup/shipped_teams.h"

namespace {

using namespace tarmaq;

struct BenchRace {
  SeededRandom random;
  MemorySettings settings;
  FolderTree folders{TARMAQ_DATA};
  AutoDriver driver;
  AutoFrontend frontend;
  Game game;
  explicit BenchRace(std::uint64_t seed) : random(seed), driver(seed), frontend(driver, game) {
    game.services.frontend = &frontend;
    game.services.random = &random;
    game.services.settings = &settings;
    game.services.folders = &folders;
    game.options.autoSave = false;
    NewGameSetup setup;
    setup.classFile = "Modern.cls";
    setup.trackFile = "BrackwoodRing.trk";
    setup.laps = 3;
    for (int i = 0; i <= static_cast<int>(Rule::EngineForSpace); ++i)
      setup.rules.values()[static_cast<std::size_t>(i)] =
          (i >= 11 && i <= 17) || i == 21 || i == 22 ? 0 : 1;
    setup.teams = participatingTeams(teamsInFolder(folders.shippedTeams()), 20);
    buildNewGame(game, setup);
  }
};

void BM_AutomaticRace(benchmark::State& state) {
  std::uint64_t seed = 1;
  std::int64_t steps = 0;
  for (auto _ : state) {
    BenchRace race(seed++);
    RaceOutcome outcome = runRace(race.game, race.driver);
    if (!outcome.finished) state.SkipWithError("the race did not finish");
    for (const auto& round : race.game.gameLogArray)
      steps += static_cast<std::int64_t>(round.size());
  }
  state.counters["races/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["steps/race"] =
      static_cast<double>(steps) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AutomaticRace)->Unit(benchmark::kMillisecond);

void BM_SaveFinishedRace(benchmark::State& state) {
  BenchRace race(5);
  runRace(race.game, race.driver);
  const auto path = std::filesystem::temp_directory_path() / "tarmaq-bench-save.tmq";
  for (auto _ : state) gameFileSave(race.game, path);
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_SaveFinishedRace)->Unit(benchmark::kMillisecond);

void BM_LoadFinishedRace(benchmark::State& state) {
  BenchRace race(5);
  runRace(race.game, race.driver);
  const auto path = std::filesystem::temp_directory_path() / "tarmaq-bench-load.tmq";
  gameFileSave(race.game, path);
  for (auto _ : state) {
    BenchRace other(6);
    gameFileOpen(other.game, path);
  }
}
BENCHMARK(BM_LoadFinishedRace)->Unit(benchmark::kMillisecond);

}  // namespace
