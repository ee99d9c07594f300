// One team slot of the New Game dialog: the team list, the two driver boxes, the team's
// and drivers' pictures and colours, and its "Edit Team" button. It draws a slot of the
// model and reports what the player chose.
#pragma once

#include <QFrame>
#include <array>

#include "setup/new_game_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tarmaq {

class Folders;

class TeamSlotWidget final : public QFrame {
  Q_OBJECT
 public:
  TeamSlotWidget(int slot, const Folders* folders, QWidget* parent = nullptr);

  // Fills the team list: "Not Participating" and every team of the table.
  void setTeams(const std::vector<Team>& teams);
  void render(const TeamSlot& slot, const std::vector<Team>& teams);

  QComboBox* teamList() const { return list_; }
  QCheckBox* driverBox(int d) const { return boxes_[static_cast<std::size_t>(d)]; }
  QLabel* teamPicture() const { return teamPicture_; }
  QLabel* driverPicture(int d) const { return pictures_[static_cast<std::size_t>(d)]; }
  QLabel* title() const { return title_; }
  QPushButton* editButton() const { return edit_; }

 Q_SIGNALS:
  void teamChosen(int slot, int listPosition);
  void driverClicked(int slot, int driver, bool ticked);
  void editClicked(int slot);

 private:
  int slot_;
  const Folders* folders_;
  QLabel* title_;
  QComboBox* list_;
  QLabel* teamPicture_;
  std::array<QCheckBox*, 2> boxes_{};
  std::array<QLabel*, 2> pictures_{};
  QPushButton* edit_;
};

// A team picture from the teams folders, or the placeholder when it is not named, not
// there or cannot be decoded.
QPixmap teamFolderPicture(const Folders* folders, const std::string& name, bool driver);
// A colour of the files (0x00BBGGRR) as Qt keeps it.
QColor fileColor(std::uint32_t color);

}  // namespace tarmaq
