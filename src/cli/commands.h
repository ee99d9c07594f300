// The subcommands of tarmaq-cli. Each takes its arguments (after the command name) and
// returns the exit status: 0 success, 2 a file that cannot be read or a usage error.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_session.h"
#include "setup/new_game.h"

namespace tarmaq::cli {

using Args = std::vector<std::string>;

int classInfo(const Args& args);
int gameInfo(const Args& args);
int resave(const Args& args);
int newGame(const Args& args);
int simulate(const Args& args);
// Loads a game and runs the player's commands on it.
int play(const Args& args);

// A set-up from --track, --class, --cars, --laps, --grid, --game-type and --emails.
std::optional<NewGameSetup> setupFromOptions(Args& args, Session& session, std::string& error);
int teamInfo(const Args& args);
// Needs Qt's painter: only in builds with the application.
int render(const Args& args);
int checkTrack(const Args& args);
int trackInfo(const Args& args);
int trackSvg(const Args& args);
int mailSend(const Args& args);
int mailCheck(const Args& args);

}  // namespace tarmaq::cli
