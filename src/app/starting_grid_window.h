// The Starting Grid dialog: a position and a driver list for every car; choosing a
// driver swaps two positions, "Randomize" shuffles, "Start Game" closes it.
#pragma once

#include <QDialog>
#include <vector>

#include "setup/new_game_dialog.h"

class QComboBox;
class QPushButton;

namespace tarmaq {

class RandomSource;

class StartingGridWindow final : public QDialog {
  Q_OBJECT
 public:
  StartingGridWindow(StartingGridDialog& model, const std::vector<std::string>& drivers,
                     RandomSource* random, QWidget* parent = nullptr);
  void render();

  QComboBox* driverList(int position) const { return lists_[static_cast<std::size_t>(position)]; }
  int positions() const { return static_cast<int>(lists_.size()); }
  QPushButton* randomizeButton() const { return randomize_; }
  QPushButton* loadButton() const { return load_; }
  QPushButton* startButton() const { return start_; }

 private:
  StartingGridDialog& model_;
  RandomSource* random_;
  std::vector<QComboBox*> lists_;
  QPushButton* randomize_;
  QPushButton* load_;
  QPushButton* start_;
};

}  // namespace tarmaq
