#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QScrollBar>
#include <QToolBar>

#include "app/driver_card_widget.h"
#include "app/info_panel.h"
#include "app/panels.h"
#include "app/track_view_widget.h"
#include "app/widget_support.h"
#include "app/widget_test_main.h"
#include "app/window_layout.h"
#include "app/window_settings.h"
#include "log/game_log.h"

namespace tarmaq::testing {
namespace {

TEST(MainWindow, BeforeAGameOnlyTheFileCommandsAreThere) {
  WindowFixture f;
  MainWindow& w = *f.window;
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Tarmaq"));
  EXPECT_FALSE(w.menuAction("&Save Game")->isEnabled());
  EXPECT_FALSE(w.menuAction("Save Game &As")->isEnabled());
  EXPECT_FALSE(w.menuAction("&Track Info")->isEnabled());
  EXPECT_TRUE(w.menuAction("&New Game")->isEnabled());
  EXPECT_TRUE(w.toolbarAction("LoadGame")->isVisible());
  EXPECT_FALSE(w.toolbarAction("SaveGame")->isVisible());
  EXPECT_FALSE(w.trackView()->isVisibleTo(&w));
  EXPECT_FALSE(w.infoPanel()->isVisibleTo(&w));
  EXPECT_EQ(w.toolbarAction("SendMail")->toolTip(),
            QStringLiteral("Send the game to the current player via e-E-Mail"));
  EXPECT_TRUE(w.toolbarAction("HideCars")->isCheckable());
  for (const auto& a : w.recentGameActions()) EXPECT_FALSE(a->isVisible());
}

TEST(MainWindow, ANewGameShowsTheViewAndThePanels) {
  WindowFixture f;
  f.newGame();
  MainWindow& w = *f.window;
  const Controls& c = w.game().controls;
  EXPECT_TRUE(w.trackView()->isVisibleTo(&w));
  EXPECT_EQ(w.infoPanel()->isVisibleTo(&w), c.gameInfoPanelVisible);
  EXPECT_EQ(w.diePanel()->isVisibleTo(&w), c.diePanel.visible);
  EXPECT_EQ(w.movePanel()->isVisibleTo(&w), c.movePanel.visible);
  EXPECT_EQ(w.driverCard()->isVisibleTo(&w), c.driverCard.visible);
  EXPECT_TRUE(w.toolbarAction("GameRules")->isVisible());
  EXPECT_TRUE(w.menuAction("Save Game &As")->isEnabled());
  EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Tarmaq - ")));
  // The toolbar's enabled flags are the model's.
  EXPECT_EQ(w.toolbarAction("SaveGame")->isEnabled(), c.toolbar.get("SaveGame").enabled);
}

TEST(MainWindowLayout, PanelsSitOverTheViewAndTheBandFillsTheBottom) {
  LayoutInput in;
  in.area = QSize(800, 520);
  in.bandHeight = 137;
  const LayoutRects r = computeLayout(in);
  const int viewBottom = r.view.y() + r.view.height();
  EXPECT_EQ(r.diePanel.top(), viewBottom - 140);
  EXPECT_EQ(r.movePanel.top(), r.diePanel.top() - 85);
  EXPECT_EQ(r.vScroll.left(), r.view.right() + 1);
  EXPECT_EQ(r.hScroll.width(), r.view.width());
  EXPECT_EQ(r.info.top(), r.card.top());
  EXPECT_EQ(r.info.left(), r.card.right() + 1 + 12);
  EXPECT_EQ(r.info.right() + 1, 800 - 10);
  EXPECT_GT(r.card.top(), r.hScroll.bottom());
  in.scrollBars = false;
  const LayoutRects plain = computeLayout(in);
  EXPECT_EQ(plain.view.width(), 800);
  EXPECT_TRUE(plain.hScroll.isEmpty());
  EXPECT_GT(plain.view.height(), r.view.height());
}

TEST(MainWindowLayout, ATallMovePanelStandsClearOfTheDie) {
  LayoutInput in;
  in.area = QSize(800, 520);
  in.bandHeight = 137;
  const struct {
    int moveHeight;
    int above;  // move panel top above the die panel top
  } cases[] = {{60, 85}, {85, 85}, {96, 96}};
  for (const auto& c : cases) {
    in.diePanel = QSize(112, 135);
    in.movePanel = QSize(212, c.moveHeight);
    const LayoutRects r = computeLayout(in);
    EXPECT_EQ(r.diePanel.top() - r.movePanel.top(), c.above) << c.moveHeight;
    EXPECT_FALSE(r.movePanel.intersects(r.diePanel)) << c.moveHeight;
  }
}

TEST(MainWindowLayout, TheWindowNeverGetsSmallerThanItsMinimum) {
  WindowFixture f;
  MainWindow& w = *f.window;
  w.show();
  w.resize(700, 500);
  QApplication::processEvents();
  EXPECT_GE(w.width(), 800);
  EXPECT_GE(w.height(), 600);
}

TEST(MainWindowLayout, DraggingTheViewEdgeResizesTheBandWithinLimits) {
  LayoutInput in;
  in.area = QSize(800, 520);
  const int band = bandHeightForViewHeight(in, 300);
  in.bandHeight = band;
  EXPECT_EQ(computeLayout(in).view.height(), 300);
  EXPECT_EQ(bandHeightForViewHeight(in, 10), bandHeightForViewHeight(in, 100));
  EXPECT_EQ(bandHeightForViewHeight(in, 5000), 60);
}

TEST(WindowSettings, PlacementBandModeAndZoomSurviveARestart) {
  WindowFixture f;
  {
    WindowSettings s;
    s.geometry = QRect(30, 40, 900, 700);
    s.bandHeight = 180;
    s.mode = PointerMode::TranslateView;
    s.zoom = 1.75f;
    writeWindowSettings(*f.settings, s, false, 15);
  }
  const WindowSettings back = readWindowSettings(*f.settings, {QRect(0, 0, 1400, 900)}, 15);
  EXPECT_EQ(back.geometry, QRect(30, 40, 900, 700));
  EXPECT_EQ(back.bandHeight, 180);
  EXPECT_EQ(back.mode, PointerMode::TranslateView);
  EXPECT_FLOAT_EQ(back.zoom, 1.75f);
  EXPECT_FALSE(back.maximised);

  // Maximised: the state is stored, the normal placement is kept as it was.
  WindowSettings max = back;
  max.maximised = true;
  max.geometry = QRect(0, 0, 1400, 900);
  writeWindowSettings(*f.settings, max, false, 15);
  EXPECT_EQ(f.settings->value("Settings", "WindowState"), "2");
  EXPECT_EQ(f.settings->value("Settings", "WindowWidth"), "13500");

  // The window restores them.
  f.window->restoreSettings();
  EXPECT_EQ(f.window->game().view.mode, PointerMode::TranslateView);
  EXPECT_FLOAT_EQ(f.window->game().view.zoom, 1.75f);
  EXPECT_EQ(f.window->bandHeight(), 180);
  EXPECT_TRUE(f.window->toolbarAction("TranslateView")->isChecked());
}

TEST(WindowSettings, ValuesOutOfRangeFallBackToDefaults) {
  WindowFixture f;
  const QList<QRect> screens = {QRect(0, 0, 1400, 900)};
  const WindowSettings first = readWindowSettings(*f.settings, screens, 15);
  EXPECT_EQ(first.geometry, QRect(300, 150, 800, 600));  // centred, 800 x 600
  EXPECT_EQ(first.bandHeight, 137);
  for (const char* zoom : {"nan", "-2", "0", "inf", "lots"}) {
    f.settings->setValue("Settings", "Zoom", zoom);
    EXPECT_FLOAT_EQ(readWindowSettings(*f.settings, screens, 15).zoom, 2.5f) << zoom;
  }
  f.settings->setValue("Settings", "Mode", "Scribble");
  EXPECT_EQ(readWindowSettings(*f.settings, screens, 15).mode, PointerMode::Select);
  // Placed on a screen that is no longer there.
  f.settings->setValue("Settings", "WindowLeft", "60000");
  f.settings->setValue("Settings", "WindowTop", "-30000");
  EXPECT_EQ(readWindowSettings(*f.settings, screens, 15).geometry.topLeft(), QPoint(300, 150));
  // A second screen to the right keeps a window placed there.
  const QList<QRect> two = {QRect(0, 0, 1400, 900), QRect(1400, 0, 1920, 1080)};
  f.settings->setValue("Settings", "WindowLeft", "30000");
  f.settings->setValue("Settings", "WindowTop", "1500");
  EXPECT_EQ(readWindowSettings(*f.settings, two, 15).geometry.topLeft(), QPoint(2000, 100));
  f.settings->setValue("Settings", "GameInfoFrameHeight", "-5");
  EXPECT_EQ(readWindowSettings(*f.settings, screens, 15).bandHeight, 137);
}

TEST(MainWindowClose, YesWithACancelledSaveKeepsTheWindowOpen) {
  WindowFixture f;
  f.newGame();
  MainWindow& w = *f.window;
  ASSERT_TRUE(w.menuAction("&Save Game")->isEnabled());
  w.frontend().answerHook = [&](const Message& m) {
    f.asked.push_back(m);
    return Answer::Yes;
  };
  w.chooseSaveFile = [] { return QString(); };
  QCloseEvent cancelled;
  QApplication::sendEvent(&w, &cancelled);
  EXPECT_FALSE(cancelled.isAccepted());
  ASSERT_EQ(f.asked.size(), 1u);
  EXPECT_EQ(f.asked[0].title, "Save Current Game");
  EXPECT_EQ(f.asked[0].text, "Save changes to the current game before exiting?");

  // A save that fails keeps it open too.
  w.chooseSaveFile = [&] { return f.dir.filePath("no/such/folder/race.tmq"); };
  QCloseEvent failed;
  QApplication::sendEvent(&w, &failed);
  EXPECT_FALSE(failed.isAccepted());

  // A save that works closes, and the game is on disk.
  const QString file = f.dir.filePath("race.tmq");
  w.chooseSaveFile = [&] { return file; };
  QCloseEvent saved;
  QApplication::sendEvent(&w, &saved);
  EXPECT_TRUE(saved.isAccepted());
  EXPECT_TRUE(QFile::exists(file));
  EXPECT_EQ(f.settings->value("Settings", "Mode"), "Select");
}

TEST(MainWindowClose, NoClosesWithoutSaving) {
  WindowFixture f;
  f.newGame();
  bool asked = false;
  f.window->chooseSaveFile = [&] {
    asked = true;
    return QString();
  };
  QCloseEvent e;
  QApplication::sendEvent(f.window.get(), &e);
  EXPECT_TRUE(e.isAccepted());
  EXPECT_FALSE(asked);
}

TEST(MainWindow, ASavedGameComesBackFromTheRecentGames) {
  WindowFixture f;
  f.newGame();
  const QString file = f.dir.filePath("middle.tmq");
  f.window->chooseSaveFile = [&] { return file; };
  ASSERT_TRUE(f.window->saveGame(true));
  EXPECT_FALSE(f.window->menuAction("&Save Game")->isEnabled());
  const int cars = f.window->game().carCount();
  f.open();  // a restart
  const auto& recent = f.window->recentGameActions();
  ASSERT_TRUE(recent[0]->isVisible());
  EXPECT_TRUE(recent[0]->text().contains(QStringLiteral("middle.tmq")));
  recent[0]->trigger();
  EXPECT_EQ(f.window->game().carCount(), cars);
  EXPECT_TRUE(f.window->trackView()->isVisibleTo(f.window.get()));
  EXPECT_TRUE(f.window->windowTitle().contains(QStringLiteral("middle.tmq")));
}

TEST(MainWindow, OnlyAGameFileNamedOnTheCommandLineIsOpened) {
  WindowFixture f;
  f.newGame();
  const QString file = f.dir.filePath("cmd.tmq");
  f.window->chooseSaveFile = [&] { return file; };
  ASSERT_TRUE(f.window->saveGame(true));
  f.open();
  EXPECT_FALSE(f.window->openFromCommandLine(QString(file).replace(".tmq", ".TMQ")));
  EXPECT_FALSE(f.window->trackView()->isVisibleTo(f.window.get()));
  EXPECT_TRUE(f.window->openFromCommandLine('"' + file + '"'));
  EXPECT_TRUE(f.window->trackView()->isVisibleTo(f.window.get()));
}

}  // namespace
}  // namespace tarmaq::testing

int main(int argc, char** argv) {
  return tarmaq::testing::runWidgetTests(argc, argv, "tarmaq-widget-tests");
}
