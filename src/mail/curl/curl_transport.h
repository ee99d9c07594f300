// The mail transport over the network: SMTP submission and the IMAP inbox through
// libcurl, with certificates verified and TLS required for every server that is not on
// the loopback address; "Show Message Before Sending" through xdg-email.
#pragma once

#include <memory>

#include "mail/mail_transport.h"

namespace tarmaq {

class CurlMailTransport final : public MailTransport {
 public:
  CurlMailTransport();
  ~CurlMailTransport() override;

  MailResult signOn(const MailAccount& account, MailProgress progress) override;
  void signOff() override;
  MailResult checkServers() override;
  MailResult send(const OutgoingMail& mail, bool showClientWindow) override;
  MailResult fetchInbox(std::vector<InboxEntry>& unread) override;
  MailResult fetchMessage(const std::string& id, MessageContent& content) override;
  MailResult markRead(const std::string& id, bool read) override;

 private:
  struct Session;
  std::unique_ptr<Session> session_;
};

}  // namespace tarmaq
