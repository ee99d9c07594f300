// The New Game dialog: game type, race class, race type, circuit and ten team slots
// shown five at a time, drawn from the New Game model, which decides what may be
// chosen. "OK" and "Cancel" close it; the set-up flow goes on from there.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "setup/new_game_dialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace tarmaq {

class Folders;
class Frontend;
class SettingsStore;
class TeamSlotWidget;

class NewGameWindow final : public QDialog {
  Q_OBJECT
 public:
  NewGameWindow(NewGameDialog& model, const Folders* folders, const SettingsStore* settings,
                Frontend& frontend, QWidget* parent = nullptr);

  // The team editor for a slot: returns the name of the team it saved, or nothing when
  // cancelled. The team lists are read again afterwards and the slot takes that team.
  std::function<std::optional<std::string>(int slot)> editTeam;
  // The team file list: true when it was confirmed, and the lists are read again.
  std::function<bool()> editTeamList;
  // "Rules": opens the Rules dialog over the model's rules.
  std::function<void()> showRules;

  void render();
  // The team table changed: the slot lists are filled again.
  void reloadTeams();

  QComboBox* gameTypeList() const { return gameType_; }
  QComboBox* raceClassList() const { return raceClass_; }
  QComboBox* raceTypeList() const { return raceType_; }
  QComboBox* circuitList() const { return circuit_; }
  QLabel* playersLabel() const { return players_; }
  TeamSlotWidget* slot(int i) const { return slots_[static_cast<std::size_t>(i)]; }
  QToolButton* nextTeamsButton() const { return next_; }
  QToolButton* firstTeamsButton() const { return first_; }
  QPushButton* editTeamListButton() const { return editList_; }
  QPushButton* rulesButton() const { return rules_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  void buildLists();
  void fillTeamLists();

  NewGameDialog& model_;
  const Folders* folders_;
  const SettingsStore* settings_;
  Frontend& frontend_;
  QComboBox* gameType_;
  QComboBox* raceClass_;
  QComboBox* raceType_;
  QComboBox* circuit_;
  QLabel* players_;
  std::array<TeamSlotWidget*, TeamSlots> slots_{};
  QToolButton* next_;
  QToolButton* first_;
  QPushButton* editList_;
  QPushButton* rules_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace tarmaq
