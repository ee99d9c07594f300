#include "app/main_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>

#include "app/driver_card_widget.h"
#include "app/game_log_grid.h"
#include "app/info_grids.h"
#include "app/info_panel.h"
#include "app/mail_worker.h"
#include "app/panels.h"
#include "app/pictures.h"
#include "app/qt_frontend.h"
#include "app/track_view_widget.h"
#include "app/window_layout.h"
#include "app/window_settings.h"
#include "engine/rolls.h"
#include "engine/turn_controller.h"
#include "gamefile/game_file_open.h"
#include "gamefile/game_file_writer.h"
#include "gamefile/recent_games.h"
#include "log/game_log_rounds.h"
#include "log/standings.h"
#include "mail/game_file_send.h"
#include "mail/mailer.h"
#include "movement/driver_card.h"
#include "movement/move_execution.h"
#include "movement/move_input.h"
#include "movement/move_stepping.h"
#include "setup/options.h"
#include "view/navigation.h"

namespace tarmaq {

MainWindow::MainWindow(const ShellServices& services, QWidget* parent)
    : QMainWindow(parent), frontend_(std::make_unique<QtFrontend>(this)), services_(services) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QStringLiteral("Tarmaq"));
  setMinimumSize(MinimumWindowWidth, MinimumWindowHeight);
  resize(MinimumWindowWidth, MinimumWindowHeight);
  setWindowIcon(logIcon(27));

  game_.services.frontend = frontend_.get();
  game_.services.settings = services.settings;
  game_.services.folders = services.folders;
  game_.services.random = services.random;
  game_.services.followUps = &followUps_;
  if (services.settings) game_.options = loadOptions(*services.settings);
  game_.speedFactor = game_.options.speedFactor();

  frontend_->render = [this] { render(); };
  frontend_->track = &game_.track;
  frontend_->timerFired = [this](TimerId id) {
    if (id == TimerId::MailCheck) return mailCheckTick();
    // While the network is busy the game stands still; the timer comes round again.
    if (mailer_ && mailer_->busy()) return;
    run([id](Game& g) { fireTimer(g, id); });
  };
  frontend_->drawDieFrame = [this](int kind, int face) {
    diePanel_->show();
    diePanel_->showFrame(kind, face);
  };

  // The window before any game: the file entries that need a game are off, and only
  // the first two toolbar buttons are there.
  auto& c = game_.controls;
  for (const char* entry : {control::SaveGameMenu, control::SaveGameAsMenu, control::TrackInfoMenu})
    c.menu.setEnabled(entry, false);
  c.toolbar.setEnabled(control::SaveGameButton, false);
  c.toolbar.setEnabled(control::CheckMailButton, game_.options.enableEMail);
  c.gameToolbarButtonsVisible = false;
  c.logViewActive = false;

  buildMenus();
  buildToolbar();
  buildArea();
  connectPanels();
  setupMail();
  if (services.settings) refreshRecentGames(game_);
  render();
}

MainWindow::~MainWindow() {
  // The core may still hold the front end through the game: detach before it goes.
  stopAllTimers(game_);
  game_.services.frontend = nullptr;
}

void MainWindow::run(const std::function<void(Game&)>& command) {
  command(game_);
  render();
}

void MainWindow::buildArea() {
  area_ = new QWidget(this);
  setCentralWidget(area_);
  trackView_ = new TrackViewWidget(game_, area_);
  trackView_->setObjectName(QStringLiteral("DrawArea"));
  trackView_->setFocusPolicy(Qt::StrongFocus);
  trackView_->infoPanelHeight = [this] { return info_->height(); };
  trackView_->resizeRequested = [this](int viewHeight) { viewResizeDragged(viewHeight); };
  hScroll_ = new QScrollBar(Qt::Horizontal, area_);
  vScroll_ = new QScrollBar(Qt::Vertical, area_);
  for (QScrollBar* s : {hScroll_, vScroll_}) {
    s->setRange(-5000, 5000);
    s->setFocusPolicy(Qt::NoFocus);
  }
  diePanel_ = new DiePanelWidget(area_);
  movePanel_ = new MovePanelWidget(area_);
  card_ = new DriverCardWidget(area_);
  info_ = new InfoPanel(area_);
  info_->gameLog()->setLog(&game_.log);
}

void MainWindow::connectPanels() {
  connect(diePanel_, &DiePanelWidget::rollRequested, this,
          [this] { run([](Game& g) { rollCommand(g, RollBy::Player); }); });
  connect(diePanel_, &DiePanelWidget::moveOnRequested, this, [this] { run(moveOnCommand); });
  connect(movePanel_, &MovePanelWidget::laneClicked, this,
          [this](int lane) { run([lane](Game& g) { moveButtonClick(g, lane); }); });
  connect(movePanel_, &MovePanelWidget::acceptClicked, this, [this] { run(acceptMoveCommand); });
  connect(movePanel_, &MovePanelWidget::stepBackClicked, this, [this] { run(stepBackCommand); });
  connect(movePanel_, &MovePanelWidget::resetClicked, this, [this] { run(resetMoveCommand); });
  connect(card_, &DriverCardWidget::brakeClicked, this,
          [this](int i) { run([i](Game& g) { brakePicClick(g, i); }); });
  trackView_->selectPressed = [this](float x, float y) {
    run([x, y](Game& g) { pointerPress(g, PointerButton::Left, x, y); });
  };
  trackView_->rightPressed = [this](float x, float y) {
    run([x, y](Game& g) { pointerPress(g, PointerButton::Right, x, y); });
  };
  connect(card_, &DriverCardWidget::gearClicked, this,
          [this](int gear) { run([gear](Game& g) { selectGear(g, gear); }); });
  connect(info_, &InfoPanel::viewChosen, this, [this](InfoPanel::View v) {
    game_.controls.logViewActive = v == InfoPanel::GameLogView;
    render();
    trackView_->setFocus();
  });
  GameLogGrid* log = info_->gameLog();
  connect(log, &GameLogGrid::rowReleased, this,
          [this](int row) { run([row](Game& g) { toggleRound(g, row); }); });
  connect(log, &GameLogGrid::expandAll, this, [this] { run(expandAllRounds); });
  connect(log, &GameLogGrid::collapseAll, this, [this] { run(collapsePreviousRounds); });
  connect(log, &GameLogGrid::showSelectedPlayer, this, [this] { run(showLogForSelectedPlayer); });
  connect(info_->standings(), &StandingsGrid::rowClicked, this, [this](int row, int) {
    const int car = carAtStandingsRow(game_, row);
    if (car >= 0) run([car](Game& g) { showTurn(g, car); });
  });
  connect(info_->startingGrid(), &StartingGridGrid::cellClickedAt, this, [this](int row, int col) {
    const int car = carAtGridCell(game_, row, col);
    if (car >= 0) run([car](Game& g) { showTurn(g, car); });
  });
  for (QScrollBar* bar : {hScroll_, vScroll_}) {
    const bool horizontal = bar == hScroll_;
    // While the thumb is dragged the view follows quickly; the value counts when the
    // thumb is let go or the bar is clicked.
    connect(bar, &QScrollBar::sliderMoved, this, [this, horizontal](int v) {
      scrollValueChanging(game_.view, horizontal, v);
      trackView_->render();
    });
    connect(bar, &QScrollBar::valueChanged, this, [this, bar, horizontal](int v) {
      if (rendering_ || bar->isSliderDown()) return;
      run([horizontal, v](Game& g) { scrollValueCommitted(g, horizontal, v, true); });
    });
    connect(bar, &QScrollBar::sliderReleased, this, [this, bar, horizontal] {
      const int v = bar->value();
      run([horizontal, v](Game& g) { scrollValueCommitted(g, horizontal, v, true); });
    });
  }
}

void MainWindow::render() {
  Controls& c = game_.controls;
  if (c.recentGamesStale && services_.settings) refreshRecentGames(game_);
  renderCommands();
  renderMailCommands();
  renderRecentGames();

  const bool shown = game_.view.visible;
  trackView_->setVisible(shown);
  const bool bars = shown && c.scrollBarsVisible && game_.options.scrollBars;
  hScroll_->setVisible(bars);
  vScroll_->setVisible(bars);
  rendering_ = true;
  hScroll_->setRange(game_.view.hScroll.min, game_.view.hScroll.max);
  vScroll_->setRange(game_.view.vScroll.min, game_.view.vScroll.max);
  hScroll_->setValue(game_.view.hScroll.value);
  vScroll_->setValue(game_.view.vScroll.value);
  rendering_ = false;

  diePanel_->render(c.diePanel);
  movePanel_->render(c.movePanel);
  card_->render(game_);
  info_->setVisible(c.gameInfoPanelVisible);
  info_->setStandingsCaption(QString::fromStdString(c.standingsCaption));
  renderGrids();

  if (c.windowTitleStale && game_.view.visible) {
    refreshWindowTitle(game_);
    c.windowTitleStale = false;
  }
  setWindowTitle(QString::fromStdString(c.windowTitle));
  layoutArea();
  diePanel_->raise();
  movePanel_->raise();
  trackView_->render();
}

void MainWindow::renderGrids() {
  Controls& c = game_.controls;
  if (c.logViewActive && info_->view() != InfoPanel::GameLogView)
    info_->showView(InfoPanel::GameLogView);
  info_->gameLog()->render();
  if (c.standingsStale && game_.view.visible) {
    c.standings.tableWidth = info_->standings()->viewport()->width();
    refreshStandingsColumns(game_);
    refreshStandings(game_);
    c.standingsStale = false;
  }
  info_->standings()->render(game_);
  if (c.startingGridStale) {
    info_->startingGrid()->render(game_);
    c.startingGridStale = false;
  }
}

LayoutInput MainWindow::layoutInput() const {
  LayoutInput in;
  in.area = area_->size();
  in.bandHeight = bandHeight_;
  in.scrollBarExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  in.scrollBars = hScroll_->isVisibleTo(area_);
  in.cardWidth = card_->width();
  in.diePanel = diePanel_->sizeHint();
  in.movePanel = movePanel_->sizeHint();
  return in;
}

void MainWindow::layoutArea() {
  if (isMinimized()) return;
  const LayoutRects r = computeLayout(layoutInput());
  trackView_->setGeometry(r.view);
  hScroll_->setGeometry(r.hScroll);
  vScroll_->setGeometry(r.vScroll);
  diePanel_->setGeometry(r.diePanel);
  movePanel_->setGeometry(r.movePanel);
  card_->setGeometry(r.card);
  info_->setGeometry(r.info);
  const double tpp = 1440.0 / std::max(1, logicalDpiX());
  game_.view.width = static_cast<float>(r.view.width() * tpp);
  game_.view.height = static_cast<float>(r.view.height() * tpp);
}

void MainWindow::setBandHeight(int pixels) {
  bandHeight_ = pixels;
  layoutArea();
}

void MainWindow::viewResizeDragged(int viewHeight) {
  const LayoutInput in = layoutInput();
  bandHeight_ = bandHeightForViewHeight(in, viewHeight);
  layoutArea();
  game_.view.requestRedraw();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layoutArea();
  if (game_.controls.gameInfoPanelVisible) {
    game_.controls.standingsStale = true;
    renderGrids();
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  layoutArea();
}

bool MainWindow::openGame(const std::filesystem::path& path) {
  const OpenResult result = gameFileOpen(game_, path);
  if (result == OpenResult::CriticalError) {
    // The game is as it was before the load: shutdown may still offer to save it.
    render();
    close();
    return false;
  }
  if (result == OpenResult::Opened && services_.settings) {
    addRecentGame(*services_.settings, path.string());
    game_.controls.recentGamesStale = true;
  }
  game_.controls.standingsStale = true;
  game_.controls.startingGridStale = true;
  game_.controls.windowTitleStale = true;
  render();
  return result == OpenResult::Opened;
}

bool MainWindow::saveGame(bool askName) {
  std::string name = game_.gameFileName;
  if (askName || name.empty()) {
    const QString chosen = chooseSaveFile ? chooseSaveFile() : QString();
    if (chosen.isEmpty()) return false;
    name = chosen.toStdString();
  }
  std::string error;
  if (!gameFileSave(game_, name, &error)) {
    frontend_->ask({"Save Game", "The game could not be saved:\n" + error, MessageIcon::Error,
                    MessageButtons::Ok});
    render();
    return false;
  }
  game_.gameFileName = name;
  if (services_.settings) addRecentGame(*services_.settings, name);
  game_.controls.recentGamesStale = true;
  game_.controls.windowTitleStale = true;
  render();
  return true;
}

bool MainWindow::openFromCommandLine(QString argument) {
  if (argument.isEmpty()) return false;
  if (argument.startsWith('"')) argument = argument.mid(1, argument.size() - 2);
  // Only a game file is opened, and its extension is compared exactly.
  if (!argument.endsWith(QStringLiteral(".tmq"))) return false;
  game_.gameFileName = argument.toStdString();
  openGame(argument.toStdString());
  return true;
}

void MainWindow::restoreSettings() {
  if (!services_.settings) return;
  QList<QRect> screens;
  if (QScreen* primary = QGuiApplication::primaryScreen()) screens << primary->availableGeometry();
  for (QScreen* s : QGuiApplication::screens())
    if (s != QGuiApplication::primaryScreen()) screens << s->availableGeometry();
  const double tpp = 1440.0 / std::max(1, logicalDpiX());
  const WindowSettings s = readWindowSettings(*services_.settings, screens, tpp);
  bandHeight_ = s.bandHeight;
  game_.view.mode = s.mode;
  game_.view.zoom = s.zoom;
  if (s.maximised) {
    if (!screens.isEmpty()) move(screens.front().center() - rect().center());
    setWindowState(Qt::WindowMaximized);
  } else {
    resize(s.geometry.size());
    move(s.geometry.topLeft());
  }
  render();
}

void MainWindow::storeSettings() {
  if (!services_.settings) return;
  WindowSettings s;
  s.maximised = isMaximized();
  s.geometry = QRect(pos(), size());
  s.bandHeight = bandHeight_;
  s.mode = game_.view.mode;
  s.zoom = game_.view.zoom;
  writeWindowSettings(*services_.settings, s, isMinimized(), 1440.0 / std::max(1, logicalDpiX()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A mail operation finishes (or is cancelled) before the window may go.
  if (mailer_ && mailer_->busy()) {
    event->ignore();
    return;
  }
  if (game_.controls.menu.get(control::SaveGameMenu).enabled && game_.startDate != 0) {
    const Answer a =
        frontend_->ask({"Save Current Game", "Save changes to the current game before exiting?",
                        MessageIcon::Question, MessageButtons::YesNo});
    // Yes means the player wants the game kept: a cancelled or failed save keeps the
    // window open rather than losing it.
    if (a == Answer::Yes && !saveGame(true)) {
      event->ignore();
      return;
    }
  }
  storeSettings();
  stopAllTimers(game_);
  event->accept();
}

}  // namespace tarmaq
