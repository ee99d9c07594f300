// The main window: owns the game, draws its presentation model after every core call,
// and turns menus, toolbar, panels, keys and timers into core commands.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "engine/game_state.h"
#include "gamefile/auto_save.h"
#include "mail/mail_password.h"

class QAction;
class QActionGroup;
class QScrollBar;
class QToolBar;

namespace tarmaq {

class DiePanelWidget;
class DriverCardWidget;
class InfoPanel;
class MovePanelWidget;
class Mailer;
class MailFollowUps;
class MailTransport;
class NewGameFlow;
class QtFrontend;
class ThreadedMailTransport;
class TrackViewWidget;
struct LayoutInput;
struct NewGameSetup;

struct ShellServices {
  SettingsStore* settings = nullptr;
  const Folders* folders = nullptr;
  RandomSource* random = nullptr;
  // The network mail transport and the desktop's secret store; the real ones when unset.
  MailTransport* mailTransport = nullptr;
  SecretStore* secrets = nullptr;
};

class MainWindow final : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(const ShellServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  Game& game() { return game_; }
  QtFrontend& frontend() { return *frontend_; }

  // Runs a core command and draws what it changed.
  void run(const std::function<void(Game&)>& command);
  // Draws the presentation model.
  void render();

  // A key of the game's key table (virtual-key code, Shift as bit 0).
  void keyDown(int virtualKey, int shift);

  // Opens a game file; a missing class or circuit closes the program.
  bool openGame(const std::filesystem::path& path);
  // Saves to the current file, or asks for a name first (always with `askName`).
  // Returns whether the game was saved.
  bool saveGame(bool askName);
  // The command line: a game file is opened when the name ends in ".tmq".
  bool openFromCommandLine(QString argument);
  // Applies the stored placement, band, mode and zoom.
  void restoreSettings();

  // The dialogs that set up a new race; a finished set-up replaces the current game.
  NewGameFlow& newGameFlow();

  // The file dialogs; the tests put their own choosers here.
  std::function<QString()> chooseOpenFile;
  std::function<QString()> chooseSaveFile;
  // The mail password dialog; the tests put their own answers here.
  PasswordPrompt passwordPrompt;

  Mailer& mailer() { return *mailer_; }
  ThreadedMailTransport& mailTransport() { return *mailThread_; }
  // The "Send Mail" and "Check Mail" commands.
  void sendMailCommand();
  void checkMailCommand();

  // Parts of the window, for the tests and the layout.
  TrackViewWidget* trackView() const { return trackView_; }
  QScrollBar* hScroll() const { return hScroll_; }
  QScrollBar* vScroll() const { return vScroll_; }
  DiePanelWidget* diePanel() const { return diePanel_; }
  MovePanelWidget* movePanel() const { return movePanel_; }
  DriverCardWidget* driverCard() const { return card_; }
  InfoPanel* infoPanel() const { return info_; }
  QToolBar* toolbar() const { return toolbar_; }
  QAction* toolbarAction(const std::string& key) const;
  QAction* menuAction(const std::string& caption) const;
  const std::vector<QAction*>& recentGameActions() const { return recentActions_; }
  int bandHeight() const { return bandHeight_; }
  void setBandHeight(int pixels);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildMenus();
  void buildToolbar();
  void buildArea();
  void connectPanels();
  void layoutArea();
  LayoutInput layoutInput() const;
  void renderCommands();
  void renderRecentGames();
  void renderGrids();
  void toolbarCommand(const std::string& key);
  void afterToolbarAction();
  void loadGameCommand();
  void openRecentGame(const std::string& path);
  void showTrackInfo();
  void addDriverCommentCommand();
  void viewResizeDragged(int viewHeight);
  void storeSettings();
  void setupMail();
  void renderMailCommands();
  void mailCheckTick();
  void startNewGame(const NewGameSetup& setup);
  void showGameRules();

  Game game_;
  std::unique_ptr<QtFrontend> frontend_;
  GameFollowUps followUps_;
  ShellServices services_;
  bool closing_ = false;
  NewGameFlow* newGame_ = nullptr;

  std::unique_ptr<MailTransport> ownTransport_;
  std::unique_ptr<ThreadedMailTransport> mailThread_;
  std::unique_ptr<Mailer> mailer_;
  std::unique_ptr<MailFollowUps> mailFollowUps_;
  std::unique_ptr<SecretStore> ownSecrets_;
  std::unique_ptr<MailPasswords> passwords_;
  QAction* sendMailMenu_ = nullptr;
  QAction* checkMailMenu_ = nullptr;

  QToolBar* toolbar_ = nullptr;
  std::map<std::string, QAction*> toolbarActions_;
  std::vector<std::string> toolbarOrder_;
  std::map<std::string, QAction*> menuActions_;
  QActionGroup* modeGroup_ = nullptr;
  std::vector<QAction*> recentActions_;
  QAction* recentSeparator_ = nullptr;

  QWidget* area_ = nullptr;
  TrackViewWidget* trackView_ = nullptr;
  QScrollBar* hScroll_ = nullptr;
  QScrollBar* vScroll_ = nullptr;
  DiePanelWidget* diePanel_ = nullptr;
  MovePanelWidget* movePanel_ = nullptr;
  DriverCardWidget* card_ = nullptr;
  InfoPanel* info_ = nullptr;
  bool rendering_ = false;
  int bandHeight_ = 137;
};

}  // namespace tarmaq
