// What every mail operation of a run shares: the transport, the account (the servers
// from the settings store, the local address, the password asked for once per run and
// kept only in memory), the mail-check counter, and whether an operation is under way.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "mail/mail_check.h"
#include "mail/mail_transport.h"

namespace tarmaq {

struct Game;

// Opens a game file written to disk (the game-file reader); false when it could not.
using OpenGame = std::function<bool(Game& game, const std::filesystem::path& path)>;

class Mailer {
 public:
  explicit Mailer(MailTransport& transport) : transport_(transport) {}

  MailTransport& transport() { return transport_; }

  // A fixed account, used as it is instead of the settings store's (command line).
  void setAccount(MailAccount account) { fixed_ = std::move(account); }
  // A password known in advance; otherwise the front end is asked the first time.
  void setPassword(std::string password) { password_ = std::move(password); }
  void forgetPassword() { password_.reset(); }

  // The account to sign on with. Fails, saying why, when the servers are not set up or
  // no password was given.
  MailResult account(Game& game, MailAccount& out);

  // The game-file reader a received game is opened with.
  OpenGame openGame;

  MailCheckCounter counter;
  bool busy() const { return busy_; }

 private:
  friend class MailSession;
  MailTransport& transport_;
  std::optional<MailAccount> fixed_;
  std::optional<std::string> password_;
  bool busy_ = false;
};

// One signed-on stretch of mail work; signs off and ends the progress window when it
// goes, also after errors. `what` is the progress window's first text.
class MailSession {
 public:
  MailSession(Game& game, Mailer& mailer, const std::string& what);
  ~MailSession();
  MailSession(const MailSession&) = delete;
  MailSession& operator=(const MailSession&) = delete;

  const MailResult& result() const { return result_; }
  MailTransport& transport() { return mailer_.transport_; }
  // Tells the front end what happens now; false when the player cancelled.
  bool progress(const std::string& what);
  // Notes a failed operation: a refused login forgets the password, to ask again.
  void noteFailure(const MailResult& result);

 private:
  Game& game_;
  Mailer& mailer_;
  MailResult result_;
  bool signedOn_ = false;
  bool owner_ = false;
};

// "Mail is set up and the servers answer": signs on, connects to both, signs off.
bool mapiEnabled(Game& game, Mailer& mailer);

}  // namespace tarmaq
