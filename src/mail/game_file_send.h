// Sending the game to the player whose turn it is: by the "Send Mail" button and, with
// "Auto-Mail to Next Player", by the turn controller at a waiting step.
#pragma once

#include <string>
#include <vector>

#include "engine/game_state.h"

namespace tarmaq {

class Mailer;

enum class SendOutcome {
  Sent,
  NotWaiting,  // the game is not at a step it can be resumed from
  NoFileName,  // the save dialog was cancelled: nothing was recorded
  SaveFailed,
  MailFailed,  // includes a send the player cancelled
};

// Whether the game may be sent now: an e-mail game at a waiting step (or at the mail
// entry behind one), with no result pause running; or a finished e-mail race that
// other players take part in.
bool canSendGame(const Game& game);
// A finished e-mail race ("SHOW RSLT").
bool raceFinishedByMail(const Game& game);
// The distinct addresses of the game's players other than this installation's.
std::vector<std::string> otherPlayers(const Game& game);

// Records "MAIL SENT " + the address once per waiting step, saves the game, and mails
// the file (in the body and attached). A failure tells the player why and enables
// "Send Mail" again, so the game can be sent once more. A finished race is saved and
// mailed to every other player, with nothing recorded.
SendOutcome gameFileSend(Game& game, Mailer& mailer);

// The automatic send after a stored step: the mail half of the follow-ups. The save
// half is handed on to the follow-ups the game had before.
class MailFollowUps final : public FollowUps {
 public:
  MailFollowUps(Mailer& mailer, FollowUps* saving) : mailer_(mailer), saving_(saving) {}
  void autoSave(Game& game) override {
    if (saving_) saving_->autoSave(game);
  }
  void autoMail(Game& game) override;

 private:
  Mailer& mailer_;
  FollowUps* saving_;
};

}  // namespace tarmaq
