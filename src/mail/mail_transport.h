// The mail system as the game sees it: a session, sending one game mail (directly or
// through the mail program's own window), the unread messages of the inbox with their
// subjects, a message's text and attached file, and the read flag. The real transport
// speaks SMTP and IMAP (mail/curl); the tests use one held in memory.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tarmaq {

enum class MailSecurity {
  StartTls,  // plain connection upgraded with STARTTLS; required off this computer
  Tls,       // TLS from the first byte (smtps, imaps)
  None,      // no TLS: refused for every server that is not on the loopback address
};

struct MailServer {
  std::string host;
  int port = 0;
  MailSecurity security = MailSecurity::StartTls;
};

struct MailAccount {
  MailServer outgoing;
  MailServer incoming;
  std::string user;  // empty: the servers are used without logging in
  std::string password;
  std::string fromAddress;  // this installation's own address
  std::string caFile;       // certificates to trust besides the system's; may be empty
};

// What an operation came to; `error` says why in words a player can read.
struct MailResult {
  bool ok = true;
  bool cancelled = false;
  bool loginRefused = false;
  std::string error;

  explicit operator bool() const { return ok; }
  static MailResult failure(std::string why) { return {false, false, false, std::move(why)}; }
};

struct OutgoingMail {
  std::string subject;
  std::string toAddress;
  std::string toName;
  std::string body;
  std::string attachmentPath;
};

// An unread message of the inbox; its subject was read without marking it read.
struct InboxEntry {
  std::string id;
  std::string subject;
  bool read = false;
};

// A message's contents, decoded. A part too large to take is left empty and `skipped`
// says why.
struct MessageContent {
  std::string body;
  bool hasAttachment = false;
  std::string attachmentName;
  std::string attachment;
  std::string skipped;
};

// Told what is happening while the network is busy; returns false to cancel.
using MailProgress = std::function<bool(const std::string& what)>;

class MailTransport {
 public:
  virtual ~MailTransport() = default;

  // Opens a session with the account; checks the settings but need not connect yet.
  virtual MailResult signOn(const MailAccount& account, MailProgress progress) = 0;
  virtual void signOff() = 0;
  // Connects to both servers (and logs in): "mail is set up and the servers answer".
  virtual MailResult checkServers() = 0;
  // Sends one mail; with the client window the player may still edit or drop it there.
  virtual MailResult send(const OutgoingMail& mail, bool showClientWindow) = 0;
  // The unread messages, in the server's order.
  virtual MailResult fetchInbox(std::vector<InboxEntry>& unread) = 0;
  // A message's text and attachment; reading it marks the message read.
  virtual MailResult fetchMessage(const std::string& id, MessageContent& content) = 0;
  virtual MailResult markRead(const std::string& id, bool read) = 0;
};

// No part of a received game mail larger than this is taken.
inline constexpr std::size_t MaxMailPartBytes = 10u * 1024u * 1024u;

}  // namespace tarmaq
