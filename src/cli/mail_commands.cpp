// tarmaq-cli mail-send and mail-check: the game mail without a window, with the mail
// servers given on the command line. The password comes from a file, so it never
// shows in the process list.
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

#include "cli/commands.h"
#include "cli/json.h"
#include "engine/folders.h"
#include "engine/frontend.h"
#include "engine/game_state.h"
#include "engine/random_source.h"
#include "engine/settings_store.h"
#include "engine/turn_controller.h"
#include "gamefile/game_file_open.h"
#include "mail/curl/curl_transport.h"
#include "mail/game_file_retrieve.h"
#include "mail/game_file_send.h"
#include "mail/mail_settings.h"
#include "mail/mailer.h"

namespace tarmaq::cli {

namespace {

constexpr const char* MailOptions =
    "--smtp URL --imap URL --local-email ADDRESS [--user NAME --password-file FILE] "
    "[--ca-file FILE]";

// Message boxes go to the error stream and are answered "OK".
class ConsoleFrontend final : public Frontend {
 public:
  Answer ask(const Message& m) override {
    std::string text = m.text;
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, " ");
    std::cerr << m.title << ": " << text << "\n";
    return m.buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
  }
  DriverCommentResult askDriverComment(const DriverCommentPrompt&) override { return {}; }
  void showDieFrame(int, int) override {}
  // The address given on the command line is this player's; a game that does not list
  // it is opened as the first car's player, and said so.
  int selectLocalEMail(const std::vector<std::string>& addresses) override {
    for (std::size_t i = 0; i < addresses.size(); ++i)
      if (sameAddress(addresses[i], localAddress)) return static_cast<int>(i);
    if (!addresses.empty())
      std::cerr << localAddress << " plays no car of this game: it is opened as "
                << addresses.front() << "'s\n";
    return 0;
  }
  std::string localAddress;
  void showResults(const Podium&) override {}
  void timerChanged(TimerId, bool, int) override {}
  void stateChanged() override {}
};

struct MailArgs {
  MailAccount account;
  std::string password;
  std::optional<std::string> data;
  std::vector<std::string> rest;
};

std::optional<std::string> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<MailArgs> mailArgs(const Args& args, const std::string& usage) {
  MailArgs m;
  bool smtp = false, imap = false;
  auto fail = [&](const std::string& why) -> std::optional<MailArgs> {
    std::cerr << why << "\nusage: " << usage << "\n";
    return std::nullopt;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a.rfind("--", 0) != 0) {
      m.rest.push_back(a);
      continue;
    }
    if (!hasValue) return fail("missing value for " + a);
    const std::string& v = args[++i];
    if (a == "--smtp" || a == "--imap") {
      auto server = parseServerUrl(v, a == "--smtp");
      if (!server) return fail("not a mail server URL: " + v);
      (a == "--smtp" ? m.account.outgoing : m.account.incoming) = *server;
      (a == "--smtp" ? smtp : imap) = true;
    } else if (a == "--user") {
      m.account.user = v;
    } else if (a == "--password-file") {
      auto text = readFile(v);
      if (!text) return fail("cannot read the password file " + v);
      const std::size_t end = text->find_first_of("\r\n");
      m.account.password = text->substr(0, end);
    } else if (a == "--local-email") {
      m.account.fromAddress = v;
    } else if (a == "--ca-file") {
      m.account.caFile = v;
    } else if (a == "--data") {
      m.data = v;
    } else {
      return fail("unknown option " + a);
    }
  }
  if (!smtp || !imap || m.account.fromAddress.empty())
    return fail("--smtp, --imap and --local-email are needed");
  return m;
}

// Opens a game file with the game-file reader, as the window does: the class and the
// circuit it names are loaded and the game resumes at the step it waits at.
bool openGame(Game& game, const std::filesystem::path& path, std::string& why) {
  game.gameFileName = path.string();
  switch (gameFileOpen(game, path)) {
    case OpenResult::Opened:
      return true;
    case OpenResult::NotFound:
      why = "cannot read " + path.string();
      return false;
    case OpenResult::Damaged:
      why = path.string() + " is damaged";
      return false;
    case OpenResult::CriticalError:
      why = path.string() + " names a race class or a circuit that is not installed";
      return false;
  }
  return false;
}

std::unique_ptr<Folders> programFolders(const std::optional<std::string>& data) {
  if (data) return std::make_unique<FolderTree>(*data);
  const std::filesystem::path exeDir = executableDirectory();
  const char* home = std::getenv("HOME");
  return std::make_unique<ProgramFolders>(ProgramFolders::locate(
      exeDir, exeDir.parent_path() / "share" / "tarmaq",
      std::filesystem::path(home ? home : ".") / ".local" / "share" / "tarmaq"));
}

struct MailRun {
  ConsoleFrontend frontend;
  MemorySettings settings;
  std::unique_ptr<Folders> folders;
  SeededRandom random;
  CurlMailTransport transport;
  Mailer mailer{transport};
  Game game;
  explicit MailRun(const MailArgs& m) : folders(programFolders(m.data)) {
    frontend.localAddress = m.account.fromAddress;
    game.services.frontend = &frontend;
    game.services.settings = &settings;
    game.services.folders = folders.get();
    game.services.random = &random;
    game.options.localEMail = m.account.fromAddress;
    mailer.setAccount(m.account);
  }
};

}  // namespace

int mailSend(const Args& args) {
  const std::string usage =
      std::string("tarmaq-cli mail-send GAME.tmq [--data DIR] ") + MailOptions;
  auto m = mailArgs(args, usage);
  if (!m) return 2;
  if (m->rest.size() != 1) {
    std::cerr << "usage: " << usage << "\n";
    return 2;
  }
  MailRun run(*m);
  std::string why;
  if (!openGame(run.game, std::filesystem::absolute(m->rest[0]), why)) {
    std::cerr << why << "\n";
    return 2;
  }
  switch (gameFileSend(run.game, run.mailer)) {
    case SendOutcome::Sent:
      return 0;
    case SendOutcome::NotWaiting:
      std::cerr << "The game is not waiting for a player: it cannot be sent now.\n";
      return 1;
    default:
      return 1;
  }
}

int mailCheck(const Args& args) {
  const std::string usage = std::string("tarmaq-cli mail-check [--data DIR] ") + MailOptions;
  auto m = mailArgs(args, usage);
  if (!m) return 2;
  if (!m->rest.empty()) {
    std::cerr << "usage: " << usage << "\n";
    return 2;
  }
  MailRun run(*m);
  std::vector<std::pair<int, std::string>> resumed;
  run.mailer.openGame = [&](Game& game, const std::filesystem::path& path) {
    std::string why;
    if (!openGame(game, path, why)) {
      std::cerr << why << "\n";
      return false;
    }
    resumed.emplace_back(game.currRound, *game.currentStep());
    return true;
  };
  RetrieveReport report = gameFileRetrieve(run.game, run.mailer);
  for (const SkippedMail& s : report.skipped)
    std::cerr << "skipped \"" << s.subject << "\": " << s.why << "\n";
  if (!report.ok) return 1;
  Json json;
  json.beginArray();
  std::size_t k = 0;
  for (const ReceivedGame& g : report.games) {
    if (!g.opened) continue;
    json.beginObject();
    json.key("file").value(g.file.string());
    json.key("subject").value(g.subject);
    json.key("currRound").value(resumed[k].first);
    json.key("waitingStep").value(resumed[k].second);
    json.endObject();
    ++k;
  }
  json.endArray();
  std::cout << json.str() << "\n";
  return 0;
}

}  // namespace tarmaq::cli
