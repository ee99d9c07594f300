#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>

TEST(MainWindow, OpensTitledTarmaq) {
  tarmaq::MainWindow window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarmaq"));
  EXPECT_GE(window.minimumWidth(), 800);
}

int main(int argc, char** argv) {
  // Test discovery runs the binary without the test environment: pick offscreen here.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
