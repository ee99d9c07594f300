// The main window's menus, toolbar and keys: each entry forwards to a core command or
// opens the dialog that belongs to it.
#include <QActionGroup>
#include <QFileDialog>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include "app/aux_windows.h"
#include "app/driver_comment_dialog.h"
#include "app/info_panel.h"
#include "app/main_window.h"
#include "app/new_game_flow.h"
#include "app/options_dialog.h"
#include "app/pictures.h"
#include "app/qt_frontend.h"
#include "app/track_view_widget.h"
#include "app/virtual_keys.h"
#include "engine/folders.h"
#include "engine/rolls.h"
#include "gamefile/game_file_writer.h"
#include "log/driver_comment.h"
#include "movement/move_input.h"
#include "track/track_info.h"
#include "view/navigation.h"
#include "view/view_keys.h"

namespace tarmaq {

namespace {

enum class Style { Push, Check, Group, Separator };

struct ToolbarButton {
  const char* key;
  const char* description;
  const char* tooltip;
  Style style;
};

const ToolbarButton Buttons[] = {
    {"NewGame", "New Game", "Start a New Game", Style::Push},
    {"LoadGame", "Load Game", "Load a Game from disk", Style::Push},
    {"SaveGame", "Save Game", "Save the current Game to disk", Style::Push},
    {"GameRules", "GameRules", "Display the selected rules for the current game", Style::Push},
    {"TrackInfo", "Track Info", "View information about the circuit", Style::Push},
    {"Separator", "", "", Style::Separator},
    {"RefreshView", "Refresh View", "Refresh the view", Style::Push},
    {"CenterView", "Center View", "Center the track in the view", Style::Push},
    {"CenterCar", "Center Car", "Center the current car in the view", Style::Push},
    {"HideCars", "Hide Cars", "Hide the cars on the track", Style::Check},
    {"Select", "Select", "Select a car, space or corner", Style::Group},
    {"ZoomView", "Zoom View", "Zoom the view in and out", Style::Group},
    {"TranslateView", "Translate View", "Drag the view window", Style::Group},
    {"DriverComment", "Add a driver comment", "Add a driver comment to the Game Log", Style::Push},
    {"MailSeparator", "", "", Style::Separator},
    {"SendMail", "Send Mail", "Send the game to the current player via e-E-Mail", Style::Push},
    {"CheckMail", "Check Mail", "Check the Inbox to see if a game has been received", Style::Push},
    {"Options", "Options", "Modify the program options", Style::Push},
};

const QString GameFileFilter = QStringLiteral("All Files (*.*);;Game Files (*.tmq)");

}  // namespace

void MainWindow::buildMenus() {
  auto add = [this](QMenu* menu, const char* caption, std::function<void()> action) {
    QAction* a = menu->addAction(QString::fromLatin1(caption));
    connect(a, &QAction::triggered, this, std::move(action));
    menuActions_[caption] = a;
    return a;
  };
  QMenu* gameMenu = menuBar()->addMenu(QStringLiteral("&Game"));
  add(gameMenu, "&New Game", [this] { toolbarCommand("NewGame"); });
  add(gameMenu, "&Load Game", [this] { loadGameCommand(); });
  add(gameMenu, "&Save Game", [this] { saveGame(false); });
  add(gameMenu, "Save Game &As", [this] { saveGame(true); });
  gameMenu->addSeparator();
  add(gameMenu, "&Track Info", [this] { showTrackInfo(); });
  gameMenu->addSeparator();
  for (int i = 0; i < 5; ++i) {
    QAction* a = gameMenu->addAction(QString());
    a->setVisible(false);
    connect(a, &QAction::triggered, this, [this, i] {
      const auto& entries = game_.controls.recentGameEntries;
      if (i < static_cast<int>(entries.size()))
        openRecentGame(entries[static_cast<std::size_t>(i)]);
    });
    recentActions_.push_back(a);
  }
  recentSeparator_ = gameMenu->addSeparator();
  recentSeparator_->setVisible(false);
  add(gameMenu, "E&xit", [this] { close(); });
  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  add(tools, "&Options", [this] { toolbarCommand("Options"); });
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  add(help, "&About", [this] {
    AboutBox box(this);
    box.exec();
  });

  chooseOpenFile = [this] {
    QString selected = QStringLiteral("Game Files (*.tmq)");
    const QString dir =
        services_.folders ? QString::fromStdString(services_.folders->games().string()) : QString();
    return QFileDialog::getOpenFileName(this, QStringLiteral("Load Game"), dir, GameFileFilter,
                                        &selected);
  };
  chooseSaveFile = [this] {
    QString selected = QStringLiteral("Game Files (*.tmq)");
    QString start = QString::fromStdString(game_.gameFileName);
    if (start.isEmpty() && services_.folders)
      start = QString::fromStdString(services_.folders->games().string());
    // The dialog asks before it overwrites a file.
    return QFileDialog::getSaveFileName(this, QStringLiteral("Save Game"), start, GameFileFilter,
                                        &selected);
  };
}

void MainWindow::buildToolbar() {
  toolbar_ = addToolBar(QStringLiteral("Toolbar"));
  toolbar_->setObjectName(QStringLiteral("TarmaqToolbar"));
  toolbar_->setMovable(false);
  toolbar_->setIconSize(QSize(24, 24));
  toolbar_->setFocusPolicy(Qt::NoFocus);
  modeGroup_ = new QActionGroup(this);
  modeGroup_->setExclusive(true);
  for (const ToolbarButton& b : Buttons) {
    QAction* a = nullptr;
    if (b.style == Style::Separator) {
      a = toolbar_->addSeparator();
    } else {
      a = toolbar_->addAction(pictureIcon(QStringLiteral("toolbar_") + QString::fromLatin1(b.key)),
                              QString::fromLatin1(b.description));
      a->setToolTip(QString::fromLatin1(b.tooltip));
      a->setStatusTip(QString::fromLatin1(b.description));
      a->setCheckable(b.style != Style::Push);
      if (b.style == Style::Group) modeGroup_->addAction(a);
      const std::string key = b.key;
      connect(a, &QAction::triggered, this, [this, key] {
        toolbarCommand(key);
        afterToolbarAction();
      });
    }
    a->setObjectName(QString::fromLatin1(b.key));
    toolbarActions_[b.key] = a;
    toolbarOrder_.push_back(b.key);
  }
}

QAction* MainWindow::toolbarAction(const std::string& key) const {
  auto it = toolbarActions_.find(key);
  return it == toolbarActions_.end() ? nullptr : it->second;
}

QAction* MainWindow::menuAction(const std::string& caption) const {
  auto it = menuActions_.find(caption);
  return it == menuActions_.end() ? nullptr : it->second;
}

void MainWindow::renderCommands() {
  const Controls& c = game_.controls;
  for (std::size_t i = 0; i < toolbarOrder_.size(); ++i) {
    const std::string& key = toolbarOrder_[i];
    QAction* a = toolbarActions_[key];
    const ControlFlags f = c.toolbar.get(key);
    // Buttons from the third on belong to a game and appear with the first one.
    a->setVisible(f.visible && (i < 2 || c.gameToolbarButtonsVisible));
    a->setEnabled(f.enabled);
  }
  if (QAction* mode = toolbarAction(pointerModeName(game_.view.mode))) mode->setChecked(true);
  toolbarAction("HideCars")->setChecked(game_.view.hideCars);
  for (auto& [caption, action] : menuActions_) {
    const ControlFlags f = c.menu.get(caption);
    action->setEnabled(f.enabled);
    action->setVisible(f.visible);
  }
}

void MainWindow::renderRecentGames() {
  const auto& entries = game_.controls.recentGameEntries;
  for (std::size_t i = 0; i < recentActions_.size(); ++i) {
    QAction* a = recentActions_[i];
    if (i < entries.size()) {
      a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromStdString(entries[i])));
      a->setVisible(true);
    } else {
      a->setVisible(false);
    }
  }
  recentSeparator_->setVisible(game_.controls.recentGamesSeparatorVisible);
}

void MainWindow::toolbarCommand(const std::string& key) {
  if (key == "NewGame") {
    newGameFlow().start();
  } else if (key == "LoadGame") {
    loadGameCommand();
  } else if (key == "SaveGame") {
    saveGame(false);
  } else if (key == "GameRules") {
    showGameRules();
  } else if (key == "TrackInfo") {
    showTrackInfo();
  } else if (key == "RefreshView") {
    game_.view.requestRedraw();
    render();
  } else if (key == "CenterView") {
    centerView(game_.view);
    render();
  } else if (key == "HideCars") {
    game_.view.hideCars = toolbarAction("HideCars")->isChecked();
    game_.view.requestRedraw();
    render();
  } else if (key == "CenterCar") {
    run([](Game& g) { centerCar(g, g.currCar); });
  } else if (key == "Select" || key == "ZoomView" || key == "TranslateView") {
    parsePointerMode(key, game_.view.mode);
    render();
  } else if (key == "DriverComment") {
    addDriverCommentCommand();
  } else if (key == "Options") {
    if (runOptionsDialog(this, game_)) render();
  } else if (key == "SendMail") {
    sendMailCommand();
  } else if (key == "CheckMail") {
    checkMailCommand();
  }
}

void MainWindow::afterToolbarAction() {
  if (trackView_->isVisible()) trackView_->setFocus();
}

void MainWindow::loadGameCommand() {
  const QString name = chooseOpenFile ? chooseOpenFile() : QString();
  if (name.isEmpty()) return;
  game_.gameFileName = name.toStdString();
  openGame(name.toStdString());
}

void MainWindow::openRecentGame(const std::string& path) {
  game_.gameFileName = path;
  openGame(path);
}

void MainWindow::showTrackInfo() {
  std::vector<std::pair<QString, QString>> fields;
  for (const InfoField& f : trackInformation(game_.track))
    fields.emplace_back(QString::fromStdString(f.caption), QString::fromStdString(f.value));
  InfoDialog dialog(QStringLiteral("Track Information"), fields, this);
  dialog.exec();
}

void MainWindow::addDriverCommentCommand() {
  DriverCommentResult answer;
  if (frontend_->commentHook) {
    answer = frontend_->commentHook(DriverCommentPrompt{false});
  } else {
    DriverCommentDialog dialog(this);
    dialog.setDontAskAgainShown(false);
    if (dialog.exec() == QDialog::Accepted) answer.text = dialog.text().toStdString();
  }
  run([&answer](Game& g) { addDriverComment(g, answer.text); });
}

void MainWindow::keyDown(int virtualKey, int shift) {
  if (!game_.view.visible) return;
  switch (virtualKey) {
    case 71:  // G
      info_->button(InfoPanel::GameLogView)->click();
      return;
    case 67:  // C
      info_->button(InfoPanel::StandingsView)->click();
      return;
    case 83:  // S
      info_->button(InfoPanel::StartingGridView)->click();
      return;
    default:
      break;
  }
  run([virtualKey, shift](Game& g) {
    if (!viewKeyCommand(g, virtualKey)) handleKey(g, virtualKey, (shift & ShiftMask) != 0);
  });
}

}  // namespace tarmaq
