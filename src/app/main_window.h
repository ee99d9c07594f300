// The main window: owns the game and draws its state.
#pragma once

#include <QMainWindow>

namespace tarmaq {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace tarmaq
