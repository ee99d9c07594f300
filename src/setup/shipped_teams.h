// The teams a game can be built from without the dialogs: every team of every team file
// in a folder, files in name order, teams in file order.
#pragma once

#include <filesystem>
#include <vector>

#include "setup/new_game.h"
#include "setup/team_file.h"

namespace tarmaq {

std::vector<Team> teamsInFolder(const std::filesystem::path& folder);

// The first `cars` drivers of the teams, two per team in team order, as participating
// teams of a set-up.
std::vector<SetupTeam> participatingTeams(const std::vector<Team>& teams, int cars);

}  // namespace tarmaq
