#include "mail/game_file_send.h"

#include <filesystem>
#include <fstream>
#include <iterator>

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

bool canSendGame(const Game& game) {
  if (game.gameType != 1 || game.timers.anyResultTimerArmed()) return false;
  const std::string* current = game.currentStep();
  if (!current) return false;
  if (endsWith(*current, "WAIT")) return true;
  // Sent once already: the waiting step is the entry before the mail entry.
  if (!startsWith(*current, "MAIL SENT") || game.currStep < 1) return false;
  const auto& round = game.gameLogArray[static_cast<std::size_t>(game.currRound)];
  return endsWith(round[static_cast<std::size_t>(game.currStep - 1)], "WAIT");
}

SendOutcome gameFileSend(Game& game, Mailer& mailer) {
  // Only a game at a waiting step can be resumed by whoever receives it.
  if (!canSendGame(game)) return SendOutcome::NotWaiting;
  const Car* car = game.car(game.currCar);
  const std::string address = car ? headerSafe(car->eMail) : std::string();
  Frontend* frontend = game.services.frontend;

  if (game.gameFileName.empty()) {
    const std::string folder =
        game.services.folders ? game.services.folders->games().string() : std::string();
    std::optional<std::string> chosen = frontend ? frontend->chooseSaveFile(folder) : std::nullopt;
    // Cancelled: nothing is recorded, so the player can still send later.
    if (!chosen || chosen->empty()) return SendOutcome::NoFileName;
    game.gameFileName = *chosen;
  }
  const std::filesystem::path path = game.gameFileName;
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

  MailResult result;
  {
    MailSession session(game, mailer, "Sending " + file + " to " + address + "...");
    result = session.result();
    if (result) {
      std::string text;
      if (!readFile(path, text)) {
        result = MailResult::failure("The saved game file could not be read again.");
      } else {
        OutgoingMail mail{gameMailSubject(file), address, address, gameMailBody(text),
                          path.string()};
        result = session.transport().send(mail, game.options.showMessage);
        if (!result) session.noteFailure(result);
      }
    }
  }
  if (!result) {
    tellNotSent(game, file, address, result.error);
    return SendOutcome::MailFailed;
  }
  if (!game.options.showMessage && frontend)
    frontend->ask({"Game File E-Mail Sent",
                   "The game file: " + file + "\r\nhas been sent to: " + address,
                   MessageIcon::Information, MessageButtons::Ok});
  if (frontend) frontend->stateChanged();
  return SendOutcome::Sent;
}

void MailFollowUps::autoMail(Game& game) { gameFileSend(game, mailer_); }

}  // namespace tarmaq
