#include "app/main_window.h"

namespace tarmaq {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Tarmaq"));
  setMinimumSize(800, 600);
}

}  // namespace tarmaq
