#include "mail/game_file_retrieve.h"

#include <fstream>
#include <iterator>

#include "engine/folders.h"
#include "engine/frontend.h"
#include "engine/timers.h"
#include "gamefile/saved_game.h"
#include "mail/address_book.h"
#include "mail/game_mail.h"
#include "mail/mail_check.h"
#include "mail/mailer.h"

namespace tarmaq {

namespace {

std::optional<std::string> readFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<double> startDateOf(const std::string& text) {
  SavedGameParse parsed = parseSavedGame(text, Car{});
  if (!parsed.game) return std::nullopt;
  return parsed.game->startDate;
}

// The same race when both files carry the same start date, or are the same text.
bool sameGame(const std::filesystem::path& existing, const std::string& text) {
  std::optional<std::string> old = readFile(existing);
  if (!old) return false;
  if (*old == text) return true;
  std::optional<double> a = startDateOf(*old), b = startDateOf(text);
  return a && b && *a == *b;
}

// The file appears complete or not at all: a check cut short never leaves half a game.
bool writeWhole(const std::filesystem::path& path, const std::string& text, std::string& why) {
  std::filesystem::path temp = path;
  temp += ".receiving";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      why = "the file " + temp.string() + " cannot be created";
      return false;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      why = "the file " + temp.string() + " cannot be written";
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    why = "the file " + path.string() + " cannot be replaced";
    return false;
  }
  return true;
}

struct Taken {
  std::filesystem::path file;
  bool fromAttachment = false;
};

// One game mail: read, checked, written, and only then marked read.
std::optional<Taken> takeGameMail(MailSession& session, const InboxEntry& entry,
                                  const std::filesystem::path& folder, const std::string& name,
                                  std::string& why) {
  MailTransport& t = session.transport();
  MessageContent content;
  MailResult r = t.fetchMessage(entry.id, content);
  auto leaveUnread = [&] { t.markRead(entry.id, false); };
  if (!r) {
    session.noteFailure(r);
    why = r.error;
    leaveUnread();
    return std::nullopt;
  }
  // A transport that hands over more than it should is held to the same limit.
  if (content.body.size() > MaxMailPartBytes) {
    content.body.clear();
    content.skipped = "the message text is larger than 10 MiB";
  }
  if (content.attachment.size() > MaxMailPartBytes) {
    content.attachment.clear();
    content.skipped = "the attached file is larger than 10 MiB";
  }
  ReceivedText received = receivedGameText(content);
  if (received.text.empty()) {
    why = received.why;
    leaveUnread();
    return std::nullopt;
  }
  const std::filesystem::path target = receivedGamePath(folder, name, received.text);
  if (target.empty()) {
    why = "no free file name is left for " + name;
    leaveUnread();
    return std::nullopt;
  }
  if (!writeWhole(target, received.text, why)) {
    leaveUnread();
    return std::nullopt;
  }
  t.markRead(entry.id, true);
  return Taken{target, received.fromAttachment};
}

}  // namespace

std::filesystem::path receivedGamePath(const std::filesystem::path& folder, const std::string& name,
                                       const std::string& text) {
  std::filesystem::path target = folder / name;
  std::error_code ec;
  if (!std::filesystem::exists(target, ec) || sameGame(target, text)) return target;
  const std::string stem = std::filesystem::path(name).stem().string();
  const std::string extension = std::filesystem::path(name).extension().string();
  for (int n = 2; n < 1000; ++n) {
    target = folder / (stem + " (" + std::to_string(n) + ")" + extension);
    if (!std::filesystem::exists(target, ec) || sameGame(target, text)) return target;
  }
  return {};
}

RetrieveReport gameFileRetrieve(Game& game, Mailer& mailer, bool quiet) {
  RetrieveReport report;
  std::vector<std::pair<Taken, std::string>> taken;
  bool cancelled = false;  // the player knows why nothing came
  {
    MailSession session(game, mailer, "Checking the inbox...");
    MailResult r = session.result();
    std::vector<InboxEntry> inbox;
    if (r) {
      r = session.transport().fetchInbox(inbox);
      if (!r) session.noteFailure(r);
    }
    if (r && !game.services.folders) r = MailResult::failure("There is no games folder.");
    if (!r) {
      report.ok = false;
      report.error = r.error;
      cancelled = r.cancelled;
    } else {
      const std::filesystem::path folder = game.services.folders->games();
      std::error_code ec;
      std::filesystem::create_directories(folder, ec);
      for (const InboxEntry& entry : inbox) {
        if (entry.read || !isGameMailSubject(entry.subject)) continue;
        std::optional<std::string> name = receivedFileName(entry.subject);
        if (!name) {
          report.skipped.push_back({entry.subject, "the file name in the subject is not safe"});
          continue;
        }
        if (!session.progress("Receiving " + *name + "...")) break;
        std::string why;
        if (auto t = takeGameMail(session, entry, folder, *name, why))
          taken.emplace_back(*t, entry.subject);
        else
          report.skipped.push_back({entry.subject, why});
      }
    }
  }
  if (!report.ok && !quiet && !cancelled && game.services.frontend)
    game.services.frontend->ask({"E-Mail Not Checked",
                                 "The inbox could not be checked for games.\r\n\r\n" + report.error,
                                 MessageIcon::Error, MessageButtons::Ok});
  // Opened once the session is over: a game that resumes waiting for someone else may
  // well be mailed on at once.
  for (auto& [t, subject] : taken) {
    ReceivedGame received{t.file, subject, t.fromAttachment, false};
    game.gameFileName = t.file.string();
    if (mailer.openGame) received.opened = mailer.openGame(game, t.file);
    if (received.opened && game.services.settings)
      rememberGameAddresses(*game.services.settings, game);
    report.games.push_back(std::move(received));
  }
  if (game.services.frontend) game.services.frontend->stateChanged();
  return report;
}

void updateMailCheckTimer(Game& game) {
  if (game.options.enableEMail && game.options.autoCheckMail)
    startTimer(game, TimerId::MailCheck, MailCheckTimerMs);
  else
    stopTimer(game, TimerId::MailCheck);
}

void mailCheckTimerTick(Game& game, Mailer& mailer, bool dialogOpen) {
  if (!game.options.enableEMail || !game.options.autoCheckMail || dialogOpen || mailer.busy() ||
      game.timers.anyResultTimerArmed())
    return;
  if (mailCheckDue(mailer.counter, mailCheckMinutes(game.options.autoCheckMailInterval)))
    gameFileRetrieve(game, mailer, true);
}

}  // namespace tarmaq
