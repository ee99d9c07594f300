#include "setup/team_list.h"

#include <algorithm>
#include <system_error>

#include "engine/folders.h"
#include "engine/settings_store.h"
#include "setup/new_game_dialog.h"

namespace tarmaq {

namespace {

std::vector<std::filesystem::path> teamFilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file(ec) && it->path().extension() == ".tem") files.push_back(it->path());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

std::vector<TeamFileEntry> listTeamFiles(const Folders& folders) {
  std::vector<TeamFileEntry> entries;
  for (const auto& file : teamFilesIn(folders.teams()))
    entries.push_back({file.filename().string(), file});
  if (folders.shippedTeams() != folders.teams())
    for (const auto& file : teamFilesIn(folders.shippedTeams())) {
      const std::string name = file.filename().string();
      if (std::none_of(entries.begin(), entries.end(),
                       [&](const TeamFileEntry& e) { return e.name == name; }))
        entries.push_back({name, file});
    }
  return entries;
}

bool teamFileEnabled(const SettingsStore& settings, const std::string& fileName) {
  auto stored = settings.value(std::string(TeamFileListSection), fileName);
  return !stored || *stored != "False";
}

void setTeamFileEnabled(SettingsStore& settings, const std::string& fileName, bool enabled) {
  settings.setValue(std::string(TeamFileListSection), fileName, enabled ? "True" : "False");
}

std::vector<Team> enabledTeams(const Folders& folders, const SettingsStore& settings) {
  std::vector<Team> teams;
  for (const TeamFileEntry& file : listTeamFiles(folders)) {
    if (!teamFileEnabled(settings, file.name)) continue;
    if (auto read = readTeamFile(file.path))
      for (Team& t : *read) teams.push_back(std::move(t));
  }
  return teams;
}

TeamFileSelection TeamFileSelection::open(const Folders& folders, const SettingsStore& settings) {
  TeamFileSelection d;
  d.files = listTeamFiles(folders);
  for (const TeamFileEntry& file : d.files)
    d.selected.push_back(teamFileEnabled(settings, file.name));
  return d;
}

void TeamFileSelection::store(SettingsStore& settings) const {
  for (std::size_t i = 0; i < files.size() && i < selected.size(); ++i)
    setTeamFileEnabled(settings, files[i].name, selected[i]);
}

void buildTeamLists(NewGameDialog& dialog, const Folders& folders, const SettingsStore& settings) {
  dialog.teams = enabledTeams(folders, settings);
  dialog.slots = {};
  dialog.selected = 0;
  dialog.slots[0].listEnabled = true;
  dialog.slots[0].editEnabled = true;
}

int addTeam(NewGameDialog& dialog, const Team& team, int slot) {
  auto found = std::find_if(dialog.teams.begin(), dialog.teams.end(),
                            [&](const Team& t) { return t.name == team.name; });
  int index = static_cast<int>(found - dialog.teams.begin());
  if (found == dialog.teams.end())
    dialog.teams.push_back(team);
  else
    *found = team;
  // The slot shows the team's new values even when it held the team already.
  dialog.teamSlotChanged(slot, index + 1);
  return index;
}

}  // namespace tarmaq
