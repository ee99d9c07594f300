#include "mail/game_file_send.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "engine/folders.h"
#include "engine/frontend.h"
#include "engine/turn_controller.h"
#include "gamefile/game_file_writer.h"
#include "mail/address_book.h"
#include "mail/game_mail.h"
#include "mail/mailer.h"

namespace tarmaq {

namespace {

bool readFile(const std::filesystem::path& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

void tellNotSent(Game& game, const std::string& file, const std::string& address,
                 const std::string& why) {
  // The step is recorded and the game waits for a player who will never get it unless
  // this one knows and sends again.
  game.controls.toolbar.setEnabled(control::SendMailButton, true);
  if (Frontend* f = game.services.frontend) {
    f->stateChanged();
    f->ask({"Game File Not Sent",
            "The game file: " + file + "\r\nhas not been sent to: " + address + "\r\n\r\n" + why +
                "\r\n\r\nUse \"Send Mail\" to send it again.",
            MessageIcon::Error, MessageButtons::Ok});
  }
}

}  // namespace

bool raceFinishedByMail(const Game& game) {
  const std::string* current = game.currentStep();
  return game.gameType == 1 && current && *current == "SHOW RSLT";
}

std::vector<std::string> otherPlayers(const Game& game) {
  std::vector<std::string> out;
  for (const Car& car : game.cars) {
    const std::string address = headerSafe(car.eMail);
    if (address.empty() || sameAddress(address, game.options.localEMail)) continue;
    if (std::none_of(out.begin(), out.end(),
                     [&](const std::string& a) { return sameAddress(a, address); }))
      out.push_back(address);
  }
  return out;
}

bool canSendGame(const Game& game) {
  if (raceFinishedByMail(game)) return !otherPlayers(game).empty();
  if (game.gameType != 1 || game.timers.anyResultTimerArmed()) return false;
  const std::string* current = game.currentStep();
  if (!current) return false;
  if (endsWith(*current, "WAIT")) return true;
  // Sent once already: the waiting step is the entry before the mail entry.
  if (!startsWith(*current, "MAIL SENT") || game.currStep < 1) return false;
  const auto& round = game.gameLogArray[static_cast<std::size_t>(game.currRound)];
  return endsWith(round[static_cast<std::size_t>(game.currStep - 1)], "WAIT");
}

namespace {

// The game's file name, asked for when there is none yet; nothing when cancelled.
std::optional<std::filesystem::path> gameFilePath(Game& game) {
  if (game.gameFileName.empty()) {
    Frontend* frontend = game.services.frontend;
    const std::string folder =
        game.services.folders ? game.services.folders->games().string() : std::string();
    std::optional<std::string> chosen = frontend ? frontend->chooseSaveFile(folder) : std::nullopt;
    if (!chosen || chosen->empty()) return std::nullopt;
    game.gameFileName = *chosen;
  }
  return std::filesystem::path(game.gameFileName);
}

// Mails the saved file to one player in a session of its own.
MailResult mailGameFile(Game& game, Mailer& mailer, const std::filesystem::path& path,
                        const std::string& address) {
  const std::string file = path.filename().string();
  MailSession session(game, mailer, "Sending " + file + " to " + address + "...");
  MailResult result = session.result();
  if (!result) return result;
  std::string text;
  if (!readFile(path, text))
    return MailResult::failure("The saved game file could not be read again.");
  OutgoingMail mail{gameMailSubject(file), address, address, gameMailBody(text), path.string()};
  result = session.transport().send(mail, game.options.showMessage);
  if (!result) session.noteFailure(result);
  return result;
}

void tellSent(Game& game, const std::string& file, const std::string& addresses) {
  Frontend* frontend = game.services.frontend;
  if (!frontend) return;
  if (!game.options.showMessage)
    frontend->ask({"Game File E-Mail Sent",
                   "The game file: " + file + "\r\nhas been sent to: " + addresses,
                   MessageIcon::Information, MessageButtons::Ok});
  frontend->stateChanged();
}

// A finished race goes to every other player, so that each sees the podium; nothing
// is recorded, since a finished race takes no more steps.
SendOutcome sendFinishedRace(Game& game, Mailer& mailer) {
  const std::vector<std::string> players = otherPlayers(game);
  if (players.empty()) return SendOutcome::NotWaiting;
  const std::optional<std::filesystem::path> path = gameFilePath(game);
  if (!path) return SendOutcome::NoFileName;
  const std::string file = path->filename().string();
  std::string error;
  if (!gameFileSave(game, *path, &error)) {
    tellNotSent(game, file, players.front(), "The game could not be saved: " + error + ".");
    return SendOutcome::SaveFailed;
  }
  if (game.services.settings) rememberGameAddresses(*game.services.settings, game);
  std::string sentTo;
  SendOutcome outcome = SendOutcome::Sent;
  for (const std::string& address : players) {
    const MailResult result = mailGameFile(game, mailer, *path, address);
    if (!result) {
      tellNotSent(game, file, address, result.error);
      outcome = SendOutcome::MailFailed;
      // A player who cancelled the password or the window stops the rest as well.
      if (result.cancelled) break;
      continue;
    }
    sentTo += (sentTo.empty() ? "" : ", ") + address;
  }
  if (!sentTo.empty()) tellSent(game, file, sentTo);
  return outcome;
}

}  // namespace

SendOutcome gameFileSend(Game& game, Mailer& mailer) {
  if (raceFinishedByMail(game)) return sendFinishedRace(game, mailer);
  // Only a game at a waiting step can be resumed by whoever receives it.
  if (!canSendGame(game)) return SendOutcome::NotWaiting;
  const Car* car = game.car(game.currCar);
  const std::string address = car ? headerSafe(car->eMail) : std::string();

  // Cancelled: nothing is recorded, so the player can still send later.
  const std::optional<std::filesystem::path> chosen = gameFilePath(game);
  if (!chosen) return SendOutcome::NoFileName;
  const std::filesystem::path path = *chosen;
  const std::string file = path.filename().string();

  const std::string mailStep = "MAIL SENT " + (car ? car->eMail : std::string());
  const std::string* current = game.currentStep();
  if (!current || *current != mailStep) advanceGame(game, mailStep);

  std::string error;
  if (!gameFileSave(game, path, &error)) {
    tellNotSent(game, file, address, "The game could not be saved: " + error + ".");
    return SendOutcome::SaveFailed;
  }
  if (game.services.settings) rememberGameAddresses(*game.services.settings, game);
  if (address.empty()) {
    tellNotSent(game, file, address, "The current driver has no e-mail address.");
    return SendOutcome::MailFailed;
  }
  const MailResult result = mailGameFile(game, mailer, path, address);
  if (!result) {
    tellNotSent(game, file, address, result.error);
    return SendOutcome::MailFailed;
  }
  tellSent(game, file, address);
  return SendOutcome::Sent;
}

void MailFollowUps::autoMail(Game& game) { gameFileSend(game, mailer_); }

}  // namespace tarmaq
