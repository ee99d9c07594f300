// The main window's mail: the transport off the interface thread with its progress
// window, the password from the desktop's store or asked once per run, the "Send
// Mail" and "Check Mail" commands, the automatic send after a turn and the automatic
// check of the inbox.
#include <QApplication>
#include <QMenuBar>

#include "app/desktop_secrets.h"
#include "app/mail_worker.h"
#include "app/main_window.h"
#include "app/password_dialog.h"
#include "app/qt_frontend.h"
#include "mail/curl/curl_transport.h"
#include "mail/game_file_retrieve.h"
#include "mail/game_file_send.h"
#include "mail/mailer.h"

namespace tarmaq {

void MainWindow::setupMail() {
  MailTransport* network = services_.mailTransport;
  if (!network) {
    ownTransport_ = std::make_unique<CurlMailTransport>();
    network = ownTransport_.get();
  }
  mailThread_ = std::make_unique<ThreadedMailTransport>(*network, this);
  mailer_ = std::make_unique<Mailer>(*mailThread_);
  mailer_->openGame = [this](Game&, const std::filesystem::path& path) { return openGame(path); };
  mailFollowUps_ = std::make_unique<MailFollowUps>(*mailer_, &followUps_);
  game_.services.followUps = mailFollowUps_.get();

  SecretStore* secrets = services_.secrets;
  if (!secrets) {
    ownSecrets_ = desktopSecretStore();
    secrets = ownSecrets_.get();
  }
  passwords_ = std::make_unique<MailPasswords>(
      *secrets, [this](const std::string& account, bool offerRemember) {
        if (passwordPrompt) return passwordPrompt(account, offerRemember);
        return askPasswordDialog(this, account, offerRemember);
      });
  frontend_->mailPassword = [this](const std::string& account) {
    return passwords_->password(account);
  };
  frontend_->mailProgressShown = [this](const std::string& what) {
    return mailThread_->progress(what);
  };
  frontend_->saveFileChooser = [this]() -> std::optional<std::string> {
    const QString chosen = chooseSaveFile ? chooseSaveFile() : QString();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
  };

  // The mail commands also sit in a menu of their own, before Help.
  auto* menu = new QMenu(QStringLiteral("&E-Mail"), this);
  sendMailMenu_ = menu->addAction(QStringLiteral("&Send Mail"), this, [this] {
    sendMailCommand();
    afterToolbarAction();
  });
  checkMailMenu_ = menu->addAction(QStringLiteral("&Check Mail"), this, [this] {
    checkMailCommand();
    afterToolbarAction();
  });
  QAction* before = nullptr;
  for (QAction* a : menuBar()->actions())
    if (a->text() == QStringLiteral("&Help")) before = a;
  menuBar()->insertMenu(before, menu);

  updateMailCheckTimer(game_);
}

void MainWindow::renderMailCommands() {
  if (!sendMailMenu_) return;
  for (auto [menu, key] :
       {std::pair{sendMailMenu_, "SendMail"}, std::pair{checkMailMenu_, "CheckMail"}}) {
    const QAction* button = toolbarAction(key);
    menu->setVisible(button->isVisible());
    menu->setEnabled(button->isEnabled() && button->isVisible());
  }
}

void MainWindow::sendMailCommand() {
  if (mailer_->busy()) return;
  run([this](Game& g) { gameFileSend(g, *mailer_); });
}

void MainWindow::checkMailCommand() {
  if (mailer_->busy()) return;
  run([this](Game& g) { gameFileRetrieve(g, *mailer_); });
}

void MainWindow::mailCheckTick() {
  // A modal window of the program (a dialog, a message) skips the tick: the player is
  // in the middle of something.
  const bool dialogOpen = QApplication::activeModalWidget() != nullptr;
  run([this, dialogOpen](Game& g) { mailCheckTimerTick(g, *mailer_, dialogOpen); });
}

}  // namespace tarmaq
