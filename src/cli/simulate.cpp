// simulate: a whole race played by automatic drivers with immediate timers.
#include <chrono>
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/game_json.h"
#include "driver/auto_driver.h"
#include "driver/race_runner.h"
#include "gamefile/game_file_writer.h"
#include "setup/new_game.h"
#include "setup/shipped_teams.h"

namespace tarmaq::cli {

namespace {

int usage() {
  std::cerr << "usage: tarmaq-cli simulate --track FILE --class FILE --cars N --laps L --seed S\n"
               "       [--rules default|all|none] [--save OUT.tmq] [--log] [--data DIR]\n";
  return 2;
}

}  // namespace

Rules simulationRules(const std::string& which, int laps) {
  Rules r;
  if (which == "all") {
    for (int i = 0; i <= static_cast<int>(Rule::EngineForSpace); ++i) {
      const bool inert = (i >= 11 && i <= 17) || i == 21 || i == 22;
      r.values()[static_cast<std::size_t>(i)] = inert ? 0 : 1;
    }
  } else if (which == "none") {
    for (int i = 0; i < RuleCount; ++i) r.values()[static_cast<std::size_t>(i)] = 0;
    r[Rule::FinishNose] = -1;
  }
  return rulesForLaps(r, laps);
}

int simulate(const Args& given) {
  Args args = given;
  auto data = takeOption(args, "--data");
  auto seedText = takeOption(args, "--seed");
  auto save = takeOption(args, "--save");
  const bool log = takeFlag(args, "--log");
  const std::string rules = takeOption(args, "--rules").value_or("default");
  if (!seedText || (rules != "default" && rules != "all" && rules != "none")) return usage();
  std::uint64_t seed = 0;
  try {
    seed = std::stoull(*seedText);
  } catch (...) {
    return usage();
  }
  Session session(data, seed);
  std::string error;
  auto setup = setupFromOptions(args, session, error);
  if (!setup || !args.empty()) {
    if (!error.empty()) std::cerr << "tarmaq-cli: " << error << "\n";
    return usage();
  }
  setup->rules = simulationRules(rules, setup->laps);
  AutoDriver driver(seed * 7919 + 13);
  AutoFrontend frontend(driver, session.game);
  session.game.services.frontend = &frontend;

  const auto start = std::chrono::steady_clock::now();
  if (!buildNewGame(session.game, *setup)) {
    std::cerr << "tarmaq-cli: cannot build the game\n";
    return 2;
  }
  const RaceOutcome outcome = runRace(session.game, driver);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (save && !gameFileSave(session.game, *save, &error)) {
    std::cerr << "tarmaq-cli: cannot save " << *save << ": " << error << "\n";
    return 2;
  }
  const Game& g = session.game;
  std::size_t steps = 0;
  for (const auto& round : g.gameLogArray) steps += round.size();
  Json json;
  json.beginObject();
  json.key("rounds").value(g.currRound);
  json.key("finished").value(outcome.finished);
  if (!outcome.finished) json.key("stuckAt").value(outcome.stuckAt);
  json.key("results").beginArray();
  for (int r : g.results) json.value(r);
  json.endArray();
  json.key("cars").beginArray();
  for (const Car& c : g.cars)
    json.beginObject()
        .key("driver")
        .value(c.driverName)
        .key("status")
        .value(c.status)
        .key("lap")
        .value(c.lap)
        .key("tires")
        .value(c.tires)
        .key("brakes")
        .value(c.brakes)
        .key("fuel")
        .value(c.fuel)
        .key("body")
        .value(c.body)
        .key("engine")
        .value(c.engine)
        .key("roadHold")
        .value(c.roadHold)
        .endObject();
  json.endArray();
  json.key("steps").value(static_cast<long long>(steps));
  json.key("seconds").value(seconds);
  if (log) {
    json.key("log");
    writeLogRows(json, g, true);
  }
  json.endObject();
  std::cout << json.str() << "\n";
  return outcome.finished ? 0 : 1;
}

}  // namespace tarmaq::cli
