#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tarmaq"));
  QApplication::setApplicationName(QStringLiteral("Tarmaq"));
  tarmaq::MainWindow window;
  window.show();
  return QApplication::exec();
}
