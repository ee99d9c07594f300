#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/driver_comment_dialog.h"
#include "app/game_log_grid.h"
#include "app/info_panel.h"
#include "app/key_router.h"
#include "app/track_view_widget.h"
#include "app/virtual_keys.h"
#include "app/widget_support.h"
#include "log/game_log.h"

namespace tarmaq::testing {
namespace {

TEST(VirtualKeys, QtKeysMapToTheGameCodesKeypadIncluded) {
  EXPECT_EQ(virtualKeyCode(Qt::Key_Backspace, false), 8);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Return, false), 13);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Enter, true), 13);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Escape, false), 27);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Space, false), 32);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Left, false), 37);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Up, false), 38);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Right, false), 39);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Delete, false), 46);
  EXPECT_EQ(virtualKeyCode(Qt::Key_1, false), 49);
  EXPECT_EQ(virtualKeyCode(Qt::Key_6, false), 54);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Exclam, false), 49);  // Shift+1
  EXPECT_EQ(virtualKeyCode(Qt::Key_B, false), 66);
  EXPECT_EQ(virtualKeyCode(Qt::Key_U, false), 85);
  EXPECT_EQ(virtualKeyCode(Qt::Key_2, true), 98);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Down, true), 98);  // Num Lock off
  EXPECT_EQ(virtualKeyCode(Qt::Key_4, true), 100);
  EXPECT_EQ(virtualKeyCode(Qt::Key_5, true), 101);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Clear, true), 101);
  EXPECT_EQ(virtualKeyCode(Qt::Key_6, true), 102);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Home, true), 103);
  EXPECT_EQ(virtualKeyCode(Qt::Key_8, true), 104);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Plus, true), 107);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Minus, true), 109);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Equal, false), 187);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Plus, false), 187);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Minus, false), 189);
  EXPECT_EQ(virtualKeyCode(Qt::Key_F5, false), 0);
  EXPECT_EQ(modifierMask(Qt::ShiftModifier), 1);
}

TEST(KeyRouting, TheGameKeysReachTheGameWhateverHasTheFocus) {
  WindowFixture f;
  MainWindow& w = *f.window;
  KeyRouter router(&w);
  qApp->installEventFilter(&router);
  f.newGame();
  w.show();
  QApplication::processEvents();
  InfoPanel* panel = w.infoPanel();
  // The keys go to a button of the information panel; the game takes them.
  QPushButton* button = panel->button(InfoPanel::StandingsView);
  const struct {
    Qt::Key key;
    InfoPanel::View view;
  } cases[] = {{Qt::Key_G, InfoPanel::GameLogView},
               {Qt::Key_C, InfoPanel::StandingsView},
               {Qt::Key_S, InfoPanel::StartingGridView}};
  for (const auto& c : cases) {
    QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    EXPECT_EQ(panel->view(), c.view);
  }
  // The view keys too: keypad plus zooms in from a grid.
  const float zoom = w.game().view.zoom;
  QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::KeypadModifier);
  QApplication::sendEvent(panel->gameLog(), &plus);
  EXPECT_FLOAT_EQ(w.game().view.zoom, zoom + 0.25f);
  // A dialog over the window keeps its keys.
  DriverCommentDialog dialog(&w);
  dialog.show();
  QKeyEvent g(QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, QStringLiteral("g"));
  QApplication::sendEvent(dialog.textBox(), &g);
  EXPECT_EQ(panel->view(), InfoPanel::StartingGridView);
  EXPECT_EQ(dialog.textBox()->text(), QStringLiteral("g"));
  qApp->removeEventFilter(&router);
}

TEST(GameLogGrid, RowsOfHeightZeroAreHiddenAndTheLastSevenAreInView) {
  GameLog log;
  log.rows.clear();
  for (int i = 0; i < 30; ++i) {
    LogRow row;
    row.text = "line " + std::to_string(i);
    row.icon = 8;
    row.pictureShown = true;
    row.height = i < 15 && i % 3 == 0 ? 0 : LogRowHeight;
    log.rows.push_back(row);
  }
  log.firstVisibleRow = 23;
  GameLogGrid grid;
  grid.resize(400, 7 * LogRowHeight + 2);
  grid.setLog(&log);
  grid.show();
  QApplication::processEvents();
  EXPECT_EQ(grid.zeroHeightRows(), 5);
  EXPECT_EQ(grid.rowHeight(1), LogRowHeight);
  EXPECT_EQ(grid.firstVisibleRow(), 23);
  // A row that becomes visible again, and new rows written meanwhile.
  log.rows[3].height = LogRowHeight;
  log.rows.push_back(LogRow{"Round 2", 1, 43, true, 0, LogRowHeight, true});
  log.firstVisibleRow = 24;
  grid.render();
  QApplication::processEvents();
  EXPECT_EQ(grid.zeroHeightRows(), 4);
  EXPECT_EQ(grid.model()->rowCount(), 31);
  EXPECT_EQ(grid.firstVisibleRow(), 24);
  const QModelIndex header = grid.model()->index(30, 1);
  EXPECT_TRUE(grid.model()->data(header, Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(grid.model()->data(grid.model()->index(30, 0), Qt::DecorationRole).isNull());
  // A hidden row has no picture.
  EXPECT_TRUE(grid.model()->data(grid.model()->index(0, 0), Qt::DecorationRole).isNull());
}

TEST(DriverCommentDialog, OkNeedsATextOrDontAskAgain) {
  DriverCommentDialog d;
  d.show();
  EXPECT_FALSE(d.okButton()->isEnabled());
  d.textBox()->setText(QStringLiteral("Tires are gone"));
  EXPECT_TRUE(d.okButton()->isEnabled());
  d.textBox()->clear();
  d.dontAskAgainBox()->setChecked(true);
  EXPECT_TRUE(d.okButton()->isEnabled());
  d.dontAskAgainBox()->setChecked(false);
  EXPECT_FALSE(d.okButton()->isEnabled());
  // Shown again, the box starts empty.
  d.textBox()->setText(QStringLiteral("old"));
  d.hide();
  d.show();
  EXPECT_TRUE(d.textBox()->text().isEmpty());
}

TEST(DriverComment, TheToolbarCommentKeepsTheWaitingLineLast) {
  WindowFixture f;
  f.newGame();
  MainWindow& w = *f.window;
  Game& g = w.game();
  writeToGameLog(g, 100, 11, "          Waiting for Ann Able to roll", false, LogBlack);
  const std::size_t before = g.log.rows.size();
  w.frontend().commentHook = [](const DriverCommentPrompt& p) {
    EXPECT_FALSE(p.showDontAskAgain);
    return DriverCommentResult{"Here we go", false};
  };
  w.toolbarAction("DriverComment")->trigger();
  ASSERT_EQ(g.log.rows.size(), before + 1);
  const LogRow& comment = g.log.rows[before - 1];
  EXPECT_EQ(comment.entryType, 30);
  EXPECT_EQ(comment.icon, 29);
  EXPECT_EQ(comment.color, LogBlue);
  EXPECT_TRUE(comment.text.ends_with(": Here we go"));
  EXPECT_EQ(g.log.rows.back().text, "Waiting for Ann Able to roll");
  EXPECT_EQ(g.log.rows.back().icon, 11);
  // Nothing typed, nothing written.
  w.frontend().commentHook = [](const DriverCommentPrompt&) { return DriverCommentResult{}; };
  w.toolbarAction("DriverComment")->trigger();
  EXPECT_EQ(g.log.rows.size(), before + 1);
}

}  // namespace
}  // namespace tarmaq::testing
