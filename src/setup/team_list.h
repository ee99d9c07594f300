// The team files a player can race with: the "*.tem" files of the player's own teams
// folder and of the shipped one, which of them the New Game dialog's team lists offer
// ("Edit Team File List", kept in the settings store), and the team table those lists
// are built from.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "setup/team_file.h"

namespace tarmaq {

class Folders;
class SettingsStore;
struct NewGameDialog;

inline constexpr std::string_view TeamFileListSection = "Settings\\TeamFileList";

struct TeamFileEntry {
  std::string name;  // the file name, which is also its settings key
  std::filesystem::path path;
};

// The player's team files in name order, then the shipped ones in name order; a file of
// the player's folder hides a shipped one of the same name.
std::vector<TeamFileEntry> listTeamFiles(const Folders& folders);

// Whether the team lists offer a file: stored "True"/"False", enabled when nothing is
// stored.
bool teamFileEnabled(const SettingsStore& settings, const std::string& fileName);
void setTeamFileEnabled(SettingsStore& settings, const std::string& fileName, bool enabled);

// Every team of every enabled file, in file order: the team table. A file that cannot be
// read adds nothing.
std::vector<Team> enabledTeams(const Folders& folders, const SettingsStore& settings);

// "Edit Team File List": every team file, selected as stored.
struct TeamFileSelection {
  std::vector<TeamFileEntry> files;
  std::vector<bool> selected;  // by file

  static TeamFileSelection open(const Folders& folders, const SettingsStore& settings);
  // "OK": every file's selection as "True"/"False".
  void store(SettingsStore& settings) const;
};

// Rebuilds the New Game dialog's team table from the enabled files and puts every slot
// back to "Not Participating" (only the first slot's list open).
void buildTeamLists(NewGameDialog& dialog, const Folders& folders, const SettingsStore& settings);

// A team saved by the editor joins the table: a team of the same name takes the new
// values, another name is appended. Then `slot` (the slot whose "Edit Team" was
// pressed) chooses it. Returns the team's index in the table.
int addTeam(NewGameDialog& dialog, const Team& team, int slot);

}  // namespace tarmaq
