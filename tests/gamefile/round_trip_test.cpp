// Saving at any point of an automatic race and loading the file into a fresh game gives
// the same game: the same file when saved again, the same turn on the screen, the same
// log, and the race plays on to the same end.
#include "support/round_trip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "driver/auto_driver.h"
#include "driver/race_runner.h"
#include "engine/folders.h"
#include "engine/random_source.h"
#include "engine/settings_store.h"
#include "engine/turn_controller.h"
#include "gamefile/item_reader.h"
#include "setup/new_game.h"
#include "setup/shipped_teams.h"
#include "support/auto_race.h"
#include "support/paths.h"

namespace tarmaq {
namespace {

using testing::loadInto;
using testing::playerView;
using testing::withoutDateText;

const char* const Tracks[] = {"BrackwoodRing.trk", "PortCastellane.trk", "VelmontPark.trk"};
const char* const Classes[] = {"Modern.cls", "Vintage.cls"};

// Sanitizer builds are many times slower: they play fewer races.
int scaled(int count) {
  if (const char* env = std::getenv("TARMAQ_ROUND_TRIP_RACES")) return std::atoi(env);
#ifdef TARMAQ_SANITIZED
  return count / 35 > 0 ? count / 35 : 1;
#else
  return count;
#endif
}

struct RaceSpec {
  std::uint64_t seed;
  int cars;
  int laps;
  Rules rules;
};

// Rules on and off by the bits of the seed (the rules the program does not play stay
// off); every fifth race with all of them, and every fifth with none.
Rules variedRules(std::uint64_t seed) {
  if (seed % 5 == 0) return testing::allRules();
  if (seed % 5 == 1) return testing::noRules();
  Rules r = testing::allRules();
  std::uint64_t bits = seed * 0x9E3779B97F4A7C15ull;
  for (int i = 0; i <= static_cast<int>(Rule::FullPitStops); ++i) {
    auto& v = r.values()[static_cast<std::size_t>(i)];
    if (v == 1 && (bits >> (i % 60) & 1) != 0) v = 0;
  }
  return r;
}

// One installation playing one race: its own dice, its own automatic driver.
struct Installation {
  SeededRandom random;
  MemorySettings settings;
  FolderTree folders{TARMAQ_DATA};
  AutoDriver driver;
  Game unused;
  AutoFrontend frontend{driver, unused};
  std::unique_ptr<Game> game = std::make_unique<Game>();
  std::uint64_t seed;

  explicit Installation(std::uint64_t s) : random(s), driver(s * 31 + 7), seed(s) { wire(*game); }

  void wire(Game& g) {
    g.services.frontend = &frontend;
    g.services.random = &random;
    g.services.settings = &settings;
    g.services.folders = &folders;
    g.options.autoSave = false;
    g.options.autoRoll = seed % 2 == 0;
    g.options.autoCollapse = seed % 4 < 2;
    g.options.carBlink = seed % 3 != 0;
  }

  bool build(const RaceSpec& spec) {
    NewGameSetup setup;
    setup.classFile = Classes[spec.seed / 3 % 2];
    setup.trackFile = Tracks[spec.seed % 3];
    setup.laps = spec.laps;
    setup.startDate = 46367.5;
    setup.rules = rulesForLaps(spec.rules, spec.laps);
    setup.teams = participatingTeams(teamsInFolder(folders.shippedTeams()), spec.cars);
    setup.grid = spec.seed % 3 == 0 ? GridMode::Manual : GridMode::Roll;
    return buildNewGame(*game, setup);
  }

  // One player action or one elapsed result pause; false when nothing could be done.
  bool act() { return fireArmedResultTimer(*game) || driver.act(*game); }

  bool over() const {
    const std::string* step = game->currentStep();
    return step && *step == "SHOW RSLT";
  }

  // Saves, loads the file into a fresh game and plays on with that one; the file's text
  // goes to `saved`.
  bool saveAndReload(const std::filesystem::path& path, std::string& saved) {
    if (!gameFileSave(*game, path)) return false;
    auto bytes = readFileBytes(path);
    if (!bytes) return false;
    saved = std::move(*bytes);
    auto fresh = std::make_unique<Game>();
    wire(*fresh);
    if (!loadInto(*fresh, path)) return false;
    game = std::move(fresh);
    return true;
  }
};

// The line that says whom the game waits for, which the reader does not read and the
// turn controller writes again.
bool isWaitingRow(const LogRow& row) {
  const std::size_t first = row.text.find_first_not_of(' ');
  return first != std::string::npos && row.text.compare(first, 7, "Waiting") == 0;
}

std::vector<LogRow> withoutWaitingRows(const Game& g) {
  std::vector<LogRow> rows;
  for (const LogRow& row : g.log.rows)
    if (!isWaitingRow(row)) rows.push_back(row);
  return rows;
}

std::string describe(const LogRow& row) {
  return std::to_string(row.entryType) + "," + std::to_string(row.icon) + "," +
         std::to_string(row.bold) + "," + std::to_string(row.color) + "," +
         std::to_string(row.height) + ",'" + row.text + "'";
}

std::string firstDifference(const std::string& a, const std::string& b, const char* what) {
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  const std::size_t from = at > 80 ? at - 80 : 0;
  return std::string(what) + ":\n" + a.substr(from, 160) + "\n--- and ---\n" + b.substr(from, 160);
}

// A difference between the game that was saved (`saved`, the file) and loaded
// (`reloaded`) and the one that played on without a save (`original`), or an empty text.
std::string difference(const std::string& saved, const Game& reloaded, const Game& original) {
  // Loaded and saved again, the file is the same, apart from the date text.
  const std::string again = withoutDateText(writeGameFile(reloaded));
  const std::string file = withoutDateText(saved);
  if (again != file) return firstDifference(again, file, "saved again, the file differs");
  const std::string unsaved = withoutDateText(writeGameFile(original));
  if (file != unsaved)
    return firstDifference(file, unsaved, "the game differs from the unsaved one");
  const std::string va = playerView(reloaded), vb = playerView(original);
  if (va != vb) return "the turns differ:\n" + va + "--- not saved ---\n" + vb;
  const auto ra = withoutWaitingRows(reloaded), rb = withoutWaitingRows(original);
  if (ra.size() != rb.size()) return "the logs differ in length";
  for (std::size_t i = 0; i < ra.size(); ++i)
    if (describe(ra[i]) != describe(rb[i]))
      return "log row " + std::to_string(i) + ": " + describe(ra[i]) + " / " + describe(rb[i]);
  // The waiting line is written again at the end of the log; the unsaved game has it
  // there too, unless a later line (a slipstream taken) took its place.
  const LogRow& last = reloaded.log.rows.back();
  const LogRow& unsavedLast = original.log.rows.back();
  if (isWaitingRow(unsavedLast) ? describe(last) != describe(unsavedLast)
                                : !isWaitingRow(last) && describe(last) != describe(unsavedLast))
    return "the last log rows differ: " + describe(last) + " / " + describe(unsavedLast);
  return {};
}

struct Played {
  std::string failure;
  int reloads = 0;
  std::array<int, MaxCars> results{};
};

// Where a race is saved and loaded again: at every step where it waits for a player
// (each planned space of a move among them), and also at the result pauses when asked.
enum class Points { Waits, WaitsAndPauses };

bool waiting(const Game& g) {
  const std::string* step = g.currentStep();
  return step && endsWith(*step, "WAIT") && !g.timers.anyResultTimerArmed();
}

// Plays the race twice with the same dice and the same driver: once straight through,
// once saving and loading at every `every`-th of those points, playing on with the
// loaded game; the two are compared at each of those points and at the end.
Played playBothWays(const RaceSpec& spec, const std::filesystem::path& file, Points points,
                    int every = 1) {
  Played out;
  Installation straight(spec.seed), reloaded(spec.seed);
  if (!straight.build(spec) || !reloaded.build(spec)) {
    out.failure = "the race was not built";
    return out;
  }
  int seen = 0;
  for (int point = 0; point < 200000; ++point) {
    const bool here =
        points == Points::WaitsAndPauses || waiting(*reloaded.game) || reloaded.over();
    if (here && seen++ % every == 0) {
      std::string saved;
      if (!reloaded.saveAndReload(file, saved)) {
        out.failure = "the game did not load again at point " + std::to_string(point);
        return out;
      }
      ++out.reloads;
      const std::string diff = difference(saved, *reloaded.game, *straight.game);
      if (!diff.empty()) {
        const std::string* step = straight.game->currentStep();
        out.failure =
            "at point " + std::to_string(point) + " ('" + (step ? *step : "") + "'): " + diff;
        return out;
      }
    }
    if (straight.over() || reloaded.over()) break;
    const bool a = straight.act();
    const bool b = reloaded.act();
    if (a != b) {
      out.failure = "one game went on, the other did not, at point " + std::to_string(point);
      return out;
    }
    if (!a) {
      out.failure = "stuck at point " + std::to_string(point);
      return out;
    }
  }
  if (!straight.over() || !reloaded.over()) out.failure = "a race did not end";
  if (straight.game->results != reloaded.game->results) out.failure = "the results differ";
  if (straight.frontend.messages != reloaded.frontend.messages)
    out.failure = "the message boxes differ: " + std::to_string(straight.frontend.messages) +
                  " / " + std::to_string(reloaded.frontend.messages);
  out.results = reloaded.game->results;
  return out;
}

// The file goes to memory where there is a memory file system: thousands of saves
// need not reach a disk.
struct TripFile {
  std::filesystem::path folder;
  TripFile() {
    const std::filesystem::path shm = "/dev/shm";
    std::string pattern =
        ((std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path()) /
         "tarmaq-trip-XXXXXX")
            .string();
    folder = mkdtemp(pattern.data());
  }
  ~TripFile() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  std::filesystem::path path() const { return folder / "trip.tmq"; }
};

// Races `first` to `first + count - 1` of the small ones: 2 to 4 cars, 1 lap, every
// circuit and class, rules varied.
void playSmallRaces(int first, int count) {
  TripFile trip;
  const auto file = trip.path();
  for (int k = first; k < first + count; ++k) {
    const auto seed = static_cast<std::uint64_t>(k + 1);
    const RaceSpec spec{seed, 2 + static_cast<int>(seed % 3), 1, variedRules(seed)};
    // Every seventh race is also saved and loaded during its result pauses.
    const Played played =
        playBothWays(spec, file, seed % 7 == 0 ? Points::WaitsAndPauses : Points::Waits);
    ASSERT_EQ(played.failure, "") << "seed " << seed << ", " << spec.cars << " cars on "
                                  << Tracks[seed % 3] << " with " << Classes[seed / 3 % 2];
    EXPECT_GT(played.reloads, 20) << "seed " << seed;
  }
}

// In three parts, which the test runner can run side by side.
TEST(RoundTrip, SmallRacesResumeExactlyAtEveryWaitingStepPart1) { playSmallRaces(0, scaled(70)); }
TEST(RoundTrip, SmallRacesResumeExactlyAtEveryWaitingStepPart2) { playSmallRaces(70, scaled(70)); }
TEST(RoundTrip, SmallRacesResumeExactlyAtEveryWaitingStepPart3) { playSmallRaces(140, scaled(70)); }

TEST(RoundTrip, LargeRacesResumeExactlyAtSampledPoints) {
  TripFile trip;
  const auto file = trip.path();
  const int races = std::min(scaled(105), 3);
  for (int k = 0; k < races; ++k) {
    const auto seed = static_cast<std::uint64_t>(1000 + k);
    const RaceSpec spec{seed, 20, 3, k == 0 ? testing::allRules() : variedRules(seed)};
    const Played played = playBothWays(spec, file, Points::WaitsAndPauses, 97);
    ASSERT_EQ(played.failure, "") << "seed " << seed;
    EXPECT_GT(played.reloads, 10) << "seed " << seed;
  }
}

}  // namespace
}  // namespace tarmaq
