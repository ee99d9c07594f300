// Receiving games: the unread game mails of the inbox are written to the games folder
// and opened in turn, the last one left open; and the automatic check's timer tick.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/game_state.h"

namespace tarmaq {

class Mailer;

struct ReceivedGame {
  std::filesystem::path file;
  std::string subject;
  bool fromAttachment = false;
  bool opened = false;
};

struct SkippedMail {
  std::string subject;
  std::string why;
};

struct RetrieveReport {
  bool ok = true;  // false when the inbox could not be read at all
  std::string error;
  std::vector<ReceivedGame> games;
  std::vector<SkippedMail> skipped;  // game mails that were not taken, and why
};

// Takes every unread game mail: the game is written under a safe name in the games
// folder (never over a different game), the mail is marked read only once the file is
// complete, and the games are then opened with the mailer's reader. A mail that cannot
// be taken is left unread and the check goes on. Unless `quiet`, a check that cannot
// reach the inbox tells the player why.
RetrieveReport gameFileRetrieve(Game& game, Mailer& mailer, bool quiet = false);

// Where a received game goes: `name` in the folder, unless a different game (another
// start date) is there already; then the first free "name (n).tmq".
std::filesystem::path receivedGamePath(const std::filesystem::path& folder, const std::string& name,
                                       const std::string& text);

// Starts or stops the one-minute mail-check timer as the options say.
void updateMailCheckTimer(Game& game);

// The mail-check timer elapsed. While e-mail gaming is off, a dialog is open, a result
// pause runs or another mail operation is under way, the tick is skipped.
void mailCheckTimerTick(Game& game, Mailer& mailer, bool dialogOpen);

}  // namespace tarmaq
