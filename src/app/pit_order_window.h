// The Pit Order dialog: ten pit rows from "Exit" to "Enter", each with its colour, its
// team list, the driver of a team that has a pit per driver, and "Switch" for the first
// five; then "Roll for Starting Grid" or "Set Starting Grid".
#pragma once

#include <QDialog>
#include <array>

#include "setup/new_game_dialog.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tarmaq {

class PitOrderWindow final : public QDialog {
  Q_OBJECT
 public:
  enum Choice { None, Roll, SetGrid };
  PitOrderWindow(PitOrderDialog& model, const std::vector<SetupTeam>& teams,
                 QWidget* parent = nullptr);
  Choice choice() const { return choice_; }
  void render();

  QComboBox* teamList(int row) const { return lists_[static_cast<std::size_t>(row)]; }
  QLabel* colorBox(int row) const { return colors_[static_cast<std::size_t>(row)]; }
  QLabel* driverLabel(int row) const { return labels_[static_cast<std::size_t>(row)]; }
  QPushButton* switchButton(int row) const { return switches_[static_cast<std::size_t>(row)]; }
  QPushButton* rollButton() const { return roll_; }
  QPushButton* setGridButton() const { return set_; }

 private:
  PitOrderDialog& model_;
  const std::vector<SetupTeam>& teams_;
  Choice choice_ = None;
  std::array<QLabel*, 10> colors_{};
  std::array<QComboBox*, 10> lists_{};
  std::array<QLabel*, 10> labels_{};
  std::array<QPushButton*, 5> switches_{};
  QPushButton* roll_;
  QPushButton* set_;
};

}  // namespace tarmaq
