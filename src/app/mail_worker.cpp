#include "app/mail_worker.h"

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <thread>

#include "app/mail_progress.h"

namespace tarmaq {

namespace {

MailResult cancelledResult() {
  MailResult r = MailResult::failure("Cancelled.");
  r.cancelled = true;
  return r;
}

}  // namespace

ThreadedMailTransport::ThreadedMailTransport(MailTransport& inner, QWidget* owner)
    : inner_(inner),
      owner_(owner),
      cancelled_(std::make_shared<std::atomic<bool>>(false)),
      abort_(std::make_shared<std::atomic<bool>>(false)) {}

ThreadedMailTransport::~ThreadedMailTransport() {
  if (window_) delete window_.data();
}

MailProgressWindow* ThreadedMailTransport::window() const { return window_.data(); }

bool ThreadedMailTransport::progress(const std::string& what) {
  if (what.empty()) {
    if (window_) window_->hide();
    return true;
  }
  if (!window_) {
    window_ = new MailProgressWindow(owner_);
    connect(window_, &MailProgressWindow::cancelRequested, this, [this] {
      *cancelled_ = true;
      *abort_ = true;
    });
  }
  if (!window_->isVisible()) {
    // A new operation: nothing is cancelled yet.
    *cancelled_ = false;
    window_->reset();
    window_->setText(QString::fromStdString(what));
    window_->show();
    window_->raise();
  } else if (!*cancelled_) {
    window_->setText(QString::fromStdString(what));
  }
  // Let the window reach the screen before the network call blocks anything.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return !*cancelled_;
}

void ThreadedMailTransport::showText(const QString& what) {
  if (window_ && window_->isVisible() && !*cancelled_) window_->setText(what);
}

MailResult ThreadedMailTransport::offThread(const std::function<MailResult()>& call, bool tidyUp) {
  // After Cancel nothing new is started, but the session is still closed and a message
  // read in part is marked unread again.
  if (*cancelled_ && !tidyUp) return cancelledResult();
  *abort_ = *cancelled_ && !tidyUp;
  MailResult result;
  QEventLoop loop;
  working_ = true;
  std::thread worker([&] {
    result = call();
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  // The progress window stays usable; the main window takes no input meanwhile.
  loop.exec();
  worker.join();
  working_ = false;
  if (!result && *cancelled_ && !tidyUp) {
    result.cancelled = true;
    result.error = "Cancelled.";
  }
  return result;
}

MailResult ThreadedMailTransport::signOn(const MailAccount& account, MailProgress) {
  // The network thread's reports reach the window through the interface thread.
  auto abort = abort_;
  QPointer<ThreadedMailTransport> self(this);
  MailProgress fromWorker = [abort, self](const std::string& what) {
    const QString text = QString::fromStdString(what);
    QMetaObject::invokeMethod(
        self.data(),
        [self, text] {
          if (self) self->showText(text);
        },
        Qt::QueuedConnection);
    return !*abort;
  };
  return offThread([&] { return inner_.signOn(account, fromWorker); });
}

void ThreadedMailTransport::signOff() {
  offThread(
      [&] {
        inner_.signOff();
        return MailResult{};
      },
      true);
}

MailResult ThreadedMailTransport::checkServers() {
  return offThread([&] { return inner_.checkServers(); });
}

MailResult ThreadedMailTransport::send(const OutgoingMail& mail, bool showClientWindow) {
  return offThread([&] { return inner_.send(mail, showClientWindow); });
}

MailResult ThreadedMailTransport::fetchInbox(std::vector<InboxEntry>& unread) {
  return offThread([&] { return inner_.fetchInbox(unread); });
}

MailResult ThreadedMailTransport::fetchMessage(const std::string& id, MessageContent& content) {
  return offThread([&] { return inner_.fetchMessage(id, content); });
}

MailResult ThreadedMailTransport::markRead(const std::string& id, bool read) {
  return offThread([&] { return inner_.markRead(id, read); }, true);
}

}  // namespace tarmaq
