#include "app/team_dialogs.h"

#include "app/edit_team_dialog.h"
#include "app/team_list_dialog.h"
#include "engine/folders.h"
#include "engine/race_class.h"

namespace tarmaq {

std::optional<SavedTeam> editTeam(QWidget* parent, const Folders& folders, SettingsStore& settings,
                                  const std::vector<Polygon>& carShape, const Team* slotTeam) {
  EditTeamDialog dialog(folders, settings, carShape, slotTeam, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return SavedTeam{dialog.editor().team, dialog.savedFile()};
}

std::optional<SavedTeam> editTeam(QWidget* parent, const Folders& folders, SettingsStore& settings,
                                  const std::string& classFile, const Team* slotTeam) {
  RaceClass raceClass;
  if (!classFile.empty()) readRaceClass(folders.classes() / classFile, raceClass);
  return editTeam(parent, folders, settings, raceClass.carShape, slotTeam);
}

bool editTeamFileList(QWidget* parent, const Folders& folders, SettingsStore& settings) {
  EditTeamFileListDialog dialog(TeamFileSelection::open(folders, settings), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.selection().store(settings);
  return true;
}

}  // namespace tarmaq
