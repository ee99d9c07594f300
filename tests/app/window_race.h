// A whole race played in the main window as a person would: the automatic driver decides
// each action, and the race turns it into real key presses (keyboard only) or real
// clicks on the die, the driver card, the lane buttons and the track view (mouse only).
// After every action the window is checked against the core's model.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/driver_card_widget.h"
#include "app/game_log_grid.h"
#include "app/info_panel.h"
#include "app/key_router.h"
#include "app/panels.h"
#include "app/results_window.h"
#include "app/track_view_widget.h"
#include "app/widget_support.h"
#include "driver/auto_driver.h"
#include "engine/timers.h"

namespace tarmaq::testing {

enum class Input { Keyboard, Mouse };

struct WindowRace {
  WindowFixture fixture;
  AutoDriver driver;
  Input input;
  KeyRouter router;
  QTimer resultsWatch;
  std::vector<std::string> podium;  // the names the results window showed
  int resultsWindows = 0;
  int actions = 0;
  int pauses = 0;
  int trackClicks = 0;      // planning steps made by clicking the space ahead
  int trackAccepts = 0;     // moves accepted with the right button on the track
  int pausesWaitedOut = 0;  // pauses the mouse could not cut short (no die shown)

  WindowRace(Input how, const std::string& track, std::uint64_t seed)
      : driver(seed), input(how), router(fixture.window.get()) {
    MainWindow& w = window();
    fixture.window->frontend().answerHook = [this](const Message& m) {
      fixture.asked.push_back(m);
      return driver.answer(window().game(), m);
    };
    qApp->installEventFilter(&router);
    // The results window is modal: look at it and close it as the player would.
    resultsWatch.setInterval(5);
    QObject::connect(&resultsWatch, &QTimer::timeout, [this] {
      auto* results = qobject_cast<ResultsWindow*>(QApplication::activeModalWidget());
      if (!results) return;
      ++resultsWindows;
      for (int i = 0; i < results->podium().places; ++i)
        podium.push_back(results->podium().names[static_cast<std::size_t>(i)]);
      results->accept();
    });
    resultsWatch.start();
    w.resize(1000, 720);
    w.show();
    fixture.newGame(track);
    QApplication::processEvents();
  }
  ~WindowRace() { qApp->removeEventFilter(&router); }

  MainWindow& window() { return *fixture.window; }
  Game& game() { return fixture.window->game(); }
  std::string step() {
    const std::string* s = game().currentStep();
    return s ? *s : std::string();
  }
  bool finished() { return step() == "SHOW RSLT"; }

  bool resultPauseRunning() {
    for (std::size_t i = 0; i < game().timers.slots.size(); ++i) {
      const auto id = static_cast<TimerId>(i);
      if (game().timers[id].enabled && isResultTimer(id)) return true;
    }
    return false;
  }

  void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(window().trackView(), k, mods);
  }
  void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {}) {
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
    QTest::mouseClick(widget, button, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
  }

  // The pause after a roll: the space bar or a right click on the die cuts it short;
  // then the timer's own tick carries the game on.
  void movePastPause() {
    ++pauses;
    const DiePanel& die = game().controls.diePanel;
    if (input == Input::Keyboard) {
      key(Qt::Key_Space);
    } else if (die.visible && window().diePanel()->isVisible()) {
      click(window().diePanel()->die(), Qt::RightButton);
    } else {
      ++pausesWaitedOut;
    }
    QElapsedTimer clock;
    clock.start();
    while (resultPauseRunning() && clock.elapsed() < 6000) QTest::qWait(1);
    EXPECT_FALSE(resultPauseRunning()) << "the pause at " << step() << " never ended";
  }

  // Where a space's centre is on the track view, in its pixels; nothing when it is out of
  // sight or under a corner sign (a click there would open Corner Properties).
  std::optional<QPoint> spaceOnView(int location) {
    const Space* s = game().track.space(location);
    if (!s) return std::nullopt;
    const ViewState& v = game().view;
    const float sx = v.toScreenX(static_cast<float>(s->x));
    const float sy = v.toScreenY(static_cast<float>(s->y));
    for (const Corner& c : game().track.corners)
      if (v.toScreenX(c.signLeft) - 300 < sx && sx < v.toScreenX(c.signRight) + 300 &&
          v.toScreenY(c.signTop) - 300 < sy && sy < v.toScreenY(c.signBottom) + 300)
        return std::nullopt;
    const QPoint px(static_cast<int>(sx / v.twipsPerPixelX),
                    static_cast<int>(sy / v.twipsPerPixelY));
    if (!window().trackView()->rect().adjusted(20, 20, -20, -20).contains(px)) return std::nullopt;
    return px;
  }

  void doByKeys(const DriverAction& a) {
    switch (a.kind) {
      case DriverAction::SelectGear:
        key(static_cast<Qt::Key>(Qt::Key_0 + a.arg));
        break;
      case DriverAction::Roll:
        key(Qt::Key_Space);
        break;
      case DriverAction::Lane: {
        const Qt::Key arrows[3] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right};
        key(arrows[a.arg]);
        break;
      }
      case DriverAction::Brake:
        // The key uses the highest brake point still there: the one the driver picked.
        key(Qt::Key_B);
        break;
      case DriverAction::Accept:
        key(Qt::Key_Return);
        break;
      case DriverAction::Reset:
        key(Qt::Key_Escape);
        break;
      case DriverAction::None:
        break;
    }
  }

  void doByMouse(const DriverAction& a) {
    MainWindow& w = window();
    switch (a.kind) {
      case DriverAction::SelectGear:
        click(w.driverCard()->gearButton(a.arg));
        break;
      case DriverAction::Roll:
        click(w.diePanel()->die());
        break;
      case DriverAction::Lane: {
        // Straight ahead by a click on the space ahead when it is in sight; side steps
        // and everything else with the lane buttons.
        const int p = game().moves.back();
        const int n = game().track.spaceCount(laneOf(p));
        const int ahead = makeLocation(laneOf(p), (spaceIndexOf(p) + 1) % std::max(1, n));
        if (a.arg == 1 && n > 0) {
          if (auto at = spaceOnView(ahead)) {
            const std::size_t before = game().moves.size();
            const std::size_t asked = fixture.asked.size();
            click(w.trackView(), Qt::LeftButton, *at);
            ++trackClicks;
            // The click planned exactly that step, or a warning stopped it.
            if (game().moves.size() == before + 1) {
              EXPECT_EQ(game().moves.back(), ahead);
            } else {
              EXPECT_GT(fixture.asked.size(), asked) << "a click on the space ahead did nothing";
            }
            break;
          }
        }
        click(w.movePanel()->laneButton(a.arg));
        break;
      }
      case DriverAction::Brake:
        click(w.driverCard()->wearPicture(1, a.arg));
        break;
      case DriverAction::Accept:
        // A complete move goes with a right click on the track, now and then.
        if (game().controls.diePanel.valueText == "0" && actions % 2 == 0) {
          const int round = game().currRound, stepIndex = game().currStep;
          click(w.trackView(), Qt::RightButton);
          ++trackAccepts;
          // The move was accepted: the game went on from its waiting step.
          EXPECT_FALSE(game().currRound == round && game().currStep == stepIndex &&
                       step() == "MOVE WAIT")
              << "a right click on the track did not accept the move";
        } else {
          click(w.movePanel()->acceptButton());
        }
        break;
      case DriverAction::Reset:
        click(w.movePanel()->resetButton());
        break;
      case DriverAction::None:
        break;
    }
  }

  // The window shows what the core's model holds.
  void checkWindow() {
    MainWindow& w = window();
    const Game& g = game();
    const Controls& c = g.controls;
    const std::string at = " at " + step();
    EXPECT_EQ(w.diePanel()->isVisible(), c.diePanel.visible) << at;
    EXPECT_EQ(w.movePanel()->isVisible(), c.movePanel.visible) << at;
    if (step() == "MOVE WAIT") {
      EXPECT_TRUE(w.movePanel()->isVisible()) << at;
    }
    if (step() == "ROLL GEAR WAIT") {
      EXPECT_TRUE(w.diePanel()->isVisible()) << at;
      EXPECT_FALSE(w.movePanel()->isVisible()) << at;
    }
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(w.movePanel()->laneButton(i)->isEnabled(),
                c.movePanel.laneEnabled[static_cast<std::size_t>(i)])
          << "lane " << i << at;
    EXPECT_EQ(w.movePanel()->acceptButton()->isEnabled(), c.movePanel.acceptEnabled) << at;
    EXPECT_EQ(w.movePanel()->stepBackButton()->isEnabled(), c.movePanel.stepBackEnabled) << at;
    EXPECT_EQ(w.movePanel()->resetButton()->isEnabled(), c.movePanel.resetEnabled) << at;
    if (c.diePanel.valueVisible) {
      EXPECT_EQ(w.diePanel()->die()->value().toStdString(), c.diePanel.valueText) << at;
    }
    EXPECT_EQ(w.diePanel()->die()->kind(), c.diePanel.dieKind) << at;

    EXPECT_EQ(w.driverCard()->isVisible(), c.driverCard.visible) << at;
    if (const Car* car = g.car(c.driverCard.car)) {
      EXPECT_EQ(w.driverCard()->driverNameLabel()->text().toStdString(), car->driverName) << at;
      EXPECT_EQ(w.driverCard()->teamNameLabel()->text().toStdString(), car->teamName) << at;
    }
    if (step() == "ROLL GEAR WAIT" || step() == "MOVE WAIT") {
      EXPECT_EQ(c.driverCard.car, g.currCar) << at;
      for (int i = 0; i < WearPictureCount; ++i)
        EXPECT_EQ(w.driverCard()->wearPicture(1, i)->isVisible(),
                  c.driverCard.picture(WearRow::Brakes, i).visible)
            << "brake picture " << i << at;
    }

    // The newest log lines are the core's.
    QAbstractItemModel* log = w.infoPanel()->gameLog()->model();
    ASSERT_EQ(log->rowCount(), static_cast<int>(g.log.rows.size())) << at;
    for (int back = 1; back <= 3 && back <= log->rowCount(); ++back) {
      const int row = log->rowCount() - back;
      EXPECT_EQ(log->index(row, 1).data().toString().toStdString(),
                g.log.rows[static_cast<std::size_t>(row)].text)
          << "log row " << row << at;
    }
  }

  // Plays to the podium; false when the race got stuck.
  bool play(int maxActions = 5000) {
    std::string lastState;
    int unchanged = 0;
    while (!finished() && actions < maxActions) {
      if (resultPauseRunning()) {
        movePastPause();
      } else {
        const DriverAction a = driver.decide(game());
        if (a.kind == DriverAction::None) {
          ADD_FAILURE() << "nothing to do at " << step();
          return false;
        }
        ++actions;
        if (input == Input::Keyboard)
          doByKeys(a);
        else
          doByMouse(a);
      }
      QApplication::processEvents();
      checkWindow();
      if (::testing::Test::HasFatalFailure()) return false;
      const std::string state =
          std::to_string(game().currRound) + "/" + std::to_string(game().currStep) + "/" +
          std::to_string(game().moves.size()) + "/" + game().controls.diePanel.valueText + "/" +
          std::to_string(game().log.rows.size());
      unchanged = state == lastState ? unchanged + 1 : 0;
      lastState = state;
      if (unchanged > 20) {
        ADD_FAILURE() << "the window takes no input at " << step();
        return false;
      }
    }
    return finished();
  }
};

}  // namespace tarmaq::testing
