#include "mail/curl/curl_transport.h"

#include <mutex>
#include <optional>

#include "mail/curl/client_window.h"
#include "mail/curl/imap_inbox.h"
#include "mail/curl/smtp_send.h"
#include "mail/mail_settings.h"

namespace tarmaq {

struct CurlMailTransport::Session {
  MailAccount account;
  MailProgress progress;
  std::optional<curlmail::ImapInbox> inbox;

  curlmail::ImapInbox& imap() {
    if (!inbox) inbox.emplace(account, progress);
    return *inbox;
  }
};

namespace {

MailResult notSignedOn() { return MailResult::failure("No mail session is open."); }

}  // namespace

CurlMailTransport::CurlMailTransport() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CurlMailTransport::~CurlMailTransport() = default;

MailResult CurlMailTransport::signOn(const MailAccount& account, MailProgress progress) {
  session_.reset();
  for (auto [server, what] :
       {std::pair{&account.outgoing, "outgoing"}, std::pair{&account.incoming, "incoming"}}) {
    const std::string refusal = serverRefusal(*server, what);
    if (!refusal.empty()) return MailResult::failure(refusal);
  }
  session_ = std::make_unique<Session>();
  session_->account = account;
  session_->progress = std::move(progress);
  return {};
}

void CurlMailTransport::signOff() { session_.reset(); }

MailResult CurlMailTransport::checkServers() {
  if (!session_) return notSignedOn();
  MailResult r = curlmail::smtpCheck(session_->account, session_->progress);
  if (!r) return r;
  return session_->imap().check();
}

MailResult CurlMailTransport::send(const OutgoingMail& mail, bool showClientWindow) {
  if (!session_) return notSignedOn();
  if (showClientWindow) return curlmail::sendThroughClientWindow(mail);
  return curlmail::smtpSend(session_->account, mail, session_->progress);
}

MailResult CurlMailTransport::fetchInbox(std::vector<InboxEntry>& unread) {
  if (!session_) return notSignedOn();
  return session_->imap().unread(unread);
}

MailResult CurlMailTransport::fetchMessage(const std::string& id, MessageContent& content) {
  if (!session_) return notSignedOn();
  return session_->imap().message(id, content);
}

MailResult CurlMailTransport::markRead(const std::string& id, bool read) {
  if (!session_) return notSignedOn();
  return session_->imap().markRead(id, read);
}

}  // namespace tarmaq
