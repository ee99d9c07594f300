// The team editor ("Edit Team") and "Edit Team File List", as the New Game dialog
// calls them:
//
//   auto saved = editTeam(this, folders, settings, carShape, slotTeam);
//   if (saved) addTeam(model, saved->team, slot);           // setup/team_list.h
//
//   if (editTeamFileList(this, folders, settings))
//     buildTeamLists(model, folders, settings);             // setup/team_list.h
//
// Both are modal and centred over `parent`.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "setup/team_file.h"

class QWidget;

namespace tarmaq {

class Folders;
class SettingsStore;
struct Polygon;

struct SavedTeam {
  Team team;
  std::filesystem::path file;  // in the player's teams folder
};

// "Edit Team" filled with `slotTeam` (nullptr: the initial texts and white colours),
// the previews drawn from `carShape`, the car drawing of the class chosen in the New
// Game dialog. "Save As" writes the team to a team file of the player's teams folder,
// enabled in the team lists. Returns the saved team, or nothing after "Cancel".
std::optional<SavedTeam> editTeam(QWidget* parent, const Folders& folders, SettingsStore& settings,
                                  const std::vector<Polygon>& carShape, const Team* slotTeam);

// The same with the car drawing read from a class file of the classes folder (no
// previews when it cannot be read).
std::optional<SavedTeam> editTeam(QWidget* parent, const Folders& folders, SettingsStore& settings,
                                  const std::string& classFile, const Team* slotTeam);

// "Edit Team File List". Returns true after "OK", when the selections are stored and
// the team lists must be rebuilt; false after "Cancel".
bool editTeamFileList(QWidget* parent, const Folders& folders, SettingsStore& settings);

}  // namespace tarmaq
