// A mail system held in memory: an inbox a test fills, the mails sent, and failures on
// demand. Like the real inbox it lists only unread messages and marks a message read
// when its contents are fetched.
#pragma once

#include <string>
#include <vector>

#include "mail/mail_transport.h"

namespace tarmaq::testing {

class MemoryMailTransport final : public MailTransport {
 public:
  struct Stored {
    InboxEntry entry;
    MessageContent content;
  };
  std::vector<Stored> inbox;
  struct Sent {
    OutgoingMail mail;
    bool clientWindow = false;
  };
  std::vector<Sent> sent;
  std::string signOnError;
  std::string sendError;
  bool sendRefusesLogin = false;
  std::vector<MailAccount> accounts;
  int signOffs = 0;
  bool signedOn = false;

  // Puts a message in the inbox; returns its id.
  std::string deliver(std::string subject, std::string body, std::string attachment = {},
                      bool read = false) {
    Stored s;
    s.entry = {std::to_string(inbox.size() + 1), std::move(subject), read};
    s.content.body = std::move(body);
    s.content.hasAttachment = !attachment.empty();
    s.content.attachmentName = s.content.hasAttachment ? "game.tmq" : "";
    s.content.attachment = std::move(attachment);
    inbox.push_back(std::move(s));
    return inbox.back().entry.id;
  }
  bool isRead(const std::string& id) const {
    for (const Stored& s : inbox)
      if (s.entry.id == id) return s.entry.read;
    return false;
  }

  MailResult signOn(const MailAccount& account, MailProgress) override {
    accounts.push_back(account);
    if (!signOnError.empty()) return MailResult::failure(signOnError);
    signedOn = true;
    return {};
  }
  void signOff() override {
    signedOn = false;
    ++signOffs;
  }
  MailResult checkServers() override { return {}; }
  MailResult send(const OutgoingMail& mail, bool clientWindow) override {
    if (!signedOn) return MailResult::failure("not signed on");
    if (sendRefusesLogin) {
      MailResult r = MailResult::failure("The mail server refused the user name or the password.");
      r.loginRefused = true;
      return r;
    }
    if (!sendError.empty()) return MailResult::failure(sendError);
    sent.push_back({mail, clientWindow});
    return {};
  }
  MailResult fetchInbox(std::vector<InboxEntry>& unread) override {
    unread.clear();
    for (const Stored& s : inbox)
      if (!s.entry.read) unread.push_back(s.entry);
    return {};
  }
  MailResult fetchMessage(const std::string& id, MessageContent& content) override {
    for (Stored& s : inbox)
      if (s.entry.id == id) {
        s.entry.read = true;
        content = s.content;
        return {};
      }
    return MailResult::failure("no such message");
  }
  MailResult markRead(const std::string& id, bool read) override {
    for (Stored& s : inbox)
      if (s.entry.id == id) s.entry.read = read;
    return {};
  }
};

}  // namespace tarmaq::testing
