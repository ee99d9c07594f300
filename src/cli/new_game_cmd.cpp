// new-game: a game built from the shipped teams with the default rules, saved at its
// first waiting step.
#include <iostream>
#include <sstream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "gamefile/game_file_writer.h"
#include "setup/new_game.h"
#include "setup/shipped_teams.h"

namespace tarmaq::cli {

namespace {

std::vector<std::string> split(const std::string& text, char by) {
  std::vector<std::string> out;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, by);) out.push_back(part);
  return out;
}

int usage() {
  std::cerr << "usage: tarmaq-cli new-game OUT.tmq --track FILE --class FILE --cars N --laps L\n"
               "       [--grid roll|car-order|random] [--game-type local|email --emails a,b,...]\n"
               "       [--data DIR] [--seed S]\n";
  return 2;
}

}  // namespace

bool parseCount(const std::optional<std::string>& text, int lo, int hi, int& out) {
  if (!text) return false;
  try {
    std::size_t used = 0;
    const int v = std::stoi(*text, &used);
    if (used != text->size() || v < lo || v > hi) return false;
    out = v;
    return true;
  } catch (...) {
    return false;
  }
}

std::optional<NewGameSetup> setupFromOptions(Args& args, Session& session, std::string& error) {
  NewGameSetup setup;
  auto track = takeOption(args, "--track");
  auto raceClass = takeOption(args, "--class");
  int cars = 0, laps = 0;
  if (!track || !raceClass || !parseCount(takeOption(args, "--cars"), 1, MaxCars, cars) ||
      !parseCount(takeOption(args, "--laps"), 1, 3, laps)) {
    error = "--track, --class, --cars 1-20 and --laps 1-3 are needed";
    return std::nullopt;
  }
  setup.trackFile = std::filesystem::path(*track).filename().string();
  setup.classFile = std::filesystem::path(*raceClass).filename().string();
  setup.laps = laps;
  setup.startDate = dateNowForSetup();
  setup.rules = rulesForLaps(Rules{}, laps);
  auto teams = teamsInFolder(session.folders->shippedTeams());
  setup.teams = participatingTeams(teams, cars);
  int drivers = 0;
  for (const auto& t : setup.teams) drivers += static_cast<int>(t.drivers.size());
  if (drivers < cars) {
    error = "the teams folder has only " + std::to_string(drivers) + " drivers";
    return std::nullopt;
  }
  const std::string grid = takeOption(args, "--grid").value_or("roll");
  if (grid == "roll") {
    setup.grid = GridMode::Roll;
  } else if (grid == "car-order") {
    setup.grid = GridMode::Manual;
  } else if (grid == "random") {
    setup.grid = GridMode::Random;
    for (int c = 0; c < cars; ++c) setup.gridOrder.push_back(c);
    for (int p = 0; p < cars; ++p) {
      // An unbiased shuffle: position p takes one of the drivers not yet placed.
      const int k = p + static_cast<int>(session.random->uniform() * (cars - p));
      std::swap(setup.gridOrder[static_cast<std::size_t>(p)],
                setup.gridOrder[static_cast<std::size_t>(k)]);
    }
  } else {
    error = "--grid is roll, car-order or random";
    return std::nullopt;
  }
  const std::string type = takeOption(args, "--game-type").value_or("local");
  if (type == "email") {
    setup.gameType = 1;
    auto emails = split(takeOption(args, "--emails").value_or(""), ',');
    if (static_cast<int>(emails.size()) != cars) {
      error = "--emails needs one address per car";
      return std::nullopt;
    }
    std::size_t k = 0;
    for (auto& t : setup.teams)
      for (auto& d : t.drivers) d.eMail = emails[k++];
  } else if (type != "local") {
    error = "--game-type is local or email";
    return std::nullopt;
  }
  return setup;
}

int newGame(const Args& given) {
  Args args = given;
  auto data = takeOption(args, "--data");
  auto seed = takeOption(args, "--seed");
  std::optional<std::uint64_t> s;
  if (seed) s = std::stoull(*seed);
  Session session(data, s);
  std::string error;
  auto setup = setupFromOptions(args, session, error);
  if (!setup) {
    std::cerr << "tarmaq-cli: " << error << "\n";
    return usage();
  }
  if (args.size() != 1) return usage();
  if (!buildNewGame(session.game, *setup)) {
    std::cerr << "tarmaq-cli: "
              << (session.frontend.messages.empty() ? "cannot build the game"
                                                    : session.frontend.messages.back().message.text)
              << "\n";
    return 2;
  }
  session.fireResultTimers();
  if (!gameFileSave(session.game, args[0], &error)) {
    std::cerr << "tarmaq-cli: cannot save " << args[0] << ": " << error << "\n";
    return 2;
  }
  return 0;
}

}  // namespace tarmaq::cli
