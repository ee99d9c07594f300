#include "setup/shipped_teams.h"

#include <algorithm>

namespace tarmaq {

std::vector<Team> teamsInFolder(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.is_regular_file(ec) && entry.path().extension() == ".tem")
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::vector<Team> teams;
  for (const auto& file : files)
    if (auto read = readTeamFile(file))
      for (Team& t : *read)
        if (!t.name.empty()) teams.push_back(std::move(t));
  return teams;
}

std::vector<SetupTeam> participatingTeams(const std::vector<Team>& teams, int cars) {
  std::vector<SetupTeam> out;
  int left = cars;
  for (const Team& team : teams) {
    if (left <= 0) break;
    SetupTeam t{team.name, team.picture, team.color, {}};
    for (const TeamDriver& d : team.drivers) {
      if (left <= 0 || d.name.empty()) continue;
      t.drivers.push_back({d.name, d.picture, d.color, ""});
      --left;
    }
    if (!t.drivers.empty()) out.push_back(std::move(t));
  }
  return out;
}

}  // namespace tarmaq
