// The mail transport off the interface thread: every network call of a mail session
// runs on a thread of its own while the interface thread keeps drawing and shows the
// progress window; the core waits for the answer as it always does, so the game goes
// on only when the operation is over. Cancel is handed to the network as a refusal
// from its progress callback.
#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>

#include "mail/mail_transport.h"

class QWidget;

namespace tarmaq {

class MailProgressWindow;

class ThreadedMailTransport final : public QObject, public MailTransport {
  Q_OBJECT
 public:
  // `inner` does the network work; `owner` is the window the progress window belongs to.
  ThreadedMailTransport(MailTransport& inner, QWidget* owner);
  ~ThreadedMailTransport() override;

  // The core's progress report (Frontend::mailProgress): a text shows or updates the
  // window, an empty text closes it. False once the player cancelled.
  bool progress(const std::string& what);
  MailProgressWindow* window() const;
  // A network call is running on the other thread.
  bool working() const { return working_; }

  MailResult signOn(const MailAccount& account, MailProgress progress) override;
  void signOff() override;
  MailResult checkServers() override;
  MailResult send(const OutgoingMail& mail, bool showClientWindow) override;
  MailResult fetchInbox(std::vector<InboxEntry>& unread) override;
  MailResult fetchMessage(const std::string& id, MessageContent& content) override;
  MailResult markRead(const std::string& id, bool read) override;

 private:
  // Runs `call` on another thread and waits for it, keeping the interface alive.
  // `tidyUp` calls (signing off, marking unread again) run even after Cancel.
  MailResult offThread(const std::function<MailResult()>& call, bool tidyUp = false);
  void showText(const QString& what);

  MailTransport& inner_;
  QPointer<QWidget> owner_;
  QPointer<MailProgressWindow> window_;
  std::shared_ptr<std::atomic<bool>> cancelled_;  // the player pressed Cancel
  std::shared_ptr<std::atomic<bool>> abort_;      // the network call is to stop
  bool working_ = false;
};

}  // namespace tarmaq
