// tarmaq-cli: the game's core without a window, for scripts, checks and tests.
#include <iostream>
#include <map>
#include <string>

#include "cli/commands.h"

namespace {

using Command = int (*)(const tarmaq::cli::Args&);

const std::map<std::string, Command>& commands() {
  // clang-format off
  static const std::map<std::string, Command> table = {
      {"class-info", tarmaq::cli::classInfo},
      {"team-info", tarmaq::cli::teamInfo},
      {"check-track", tarmaq::cli::checkTrack},
      {"track-info", tarmaq::cli::trackInfo},
      {"track-svg", tarmaq::cli::trackSvg},
#ifdef TARMAQ_CLI_RENDER
      {"render", tarmaq::cli::render},
#endif
      {"new-game", tarmaq::cli::newGame},
      {"game-info", tarmaq::cli::gameInfo},
      {"resave", tarmaq::cli::resave},
      {"play", tarmaq::cli::play},
      {"simulate", tarmaq::cli::simulate},
      {"mail-send", tarmaq::cli::mailSend},
      {"mail-check", tarmaq::cli::mailCheck},
  };
  // clang-format on
  return table;
}

int usage() {
  std::cerr << "usage: tarmaq-cli COMMAND [ARGS...]\ncommands:\n";
  for (const auto& [name, command] : commands()) std::cerr << "  " << name << "\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  auto it = commands().find(argv[1]);
  if (it == commands().end()) return usage();
  tarmaq::cli::Args args(argv + 2, argv + argc);
  return it->second(args);
}
