#include "mail/mailer.h"

#include "engine/frontend.h"
#include "engine/game_state.h"
#include "mail/mail_settings.h"

namespace tarmaq {

MailResult Mailer::account(Game& game, MailAccount& out) {
  if (fixed_) {
    out = *fixed_;
    if (password_) out.password = *password_;
    return {};
  }
  if (!game.services.settings) return MailResult::failure("No mail servers are set up.");
  const MailServerSettings s = loadMailServerSettings(*game.services.settings);
  if (!s.configured())
    return MailResult::failure(
        "No mail servers are set up: enter the outgoing and the incoming server in the "
        "Options dialog's E-Mail tab.");
  out = MailAccount{s.outgoing, s.incoming, s.user, {}, game.options.localEMail, s.caFile};
  if (!s.user.empty()) {
    if (!password_) {
      std::optional<std::string> asked;
      if (game.services.frontend)
        asked = game.services.frontend->askMailPassword(s.user + " on " + s.incoming.host);
      if (!asked) {
        MailResult r = MailResult::failure("No password was given for the mail account.");
        r.cancelled = true;
        return r;
      }
      password_ = std::move(*asked);
    }
    out.password = *password_;
  }
  return {};
}

MailSession::MailSession(Game& game, Mailer& mailer, const std::string& what)
    : game_(game), mailer_(mailer) {
  if (mailer.busy_) {
    result_ = MailResult::failure("Another mail operation is under way.");
    return;
  }
  owner_ = true;
  mailer.busy_ = true;
  if (!progress(what)) {
    result_ = MailResult::failure("Cancelled.");
    result_.cancelled = true;
    return;
  }
  MailAccount account;
  result_ = mailer.account(game, account);
  if (!result_) return;
  result_ = mailer.transport_.signOn(account, [this](const std::string& w) { return progress(w); });
  signedOn_ = result_.ok;
  if (!result_) noteFailure(result_);
}

MailSession::~MailSession() {
  if (signedOn_) mailer_.transport_.signOff();
  if (owner_) {
    mailer_.busy_ = false;
    progress({});
  }
}

bool MailSession::progress(const std::string& what) {
  Frontend* f = game_.services.frontend;
  return f ? f->mailProgress(what) : true;
}

void MailSession::noteFailure(const MailResult& result) {
  if (result.loginRefused) mailer_.forgetPassword();
}

bool mapiEnabled(Game& game, Mailer& mailer) {
  MailSession session(game, mailer, "Connecting to the mail servers...");
  if (!session.result()) return false;
  MailResult r = session.transport().checkServers();
  if (!r) session.noteFailure(r);
  return r.ok;
}

}  // namespace tarmaq
