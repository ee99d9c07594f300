// A main window for an e-mail race between alice (here) and bob, over a mail system
// held in memory whose calls can be held up until the test lets them go, as a slow
// network would; and a secret store held in memory.
#pragma once

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "app/main_window.h"
#include "app/qt_frontend.h"
#include "app/qt_settings_store.h"
#include "engine/folders.h"
#include "engine/random_source.h"
#include "mail/mail_settings.h"
#include "mail/memory_mail_transport.h"
#include "setup/new_game.h"

namespace tarmaq::testing {

// The memory transport behind a gate: a send or a message fetch waits until the gate
// opens or the progress callback says stop, as the network's transfer callback does.
class GatedTransport final : public MailTransport {
 public:
  MemoryMailTransport memory;
  std::set<std::thread::id> threads;
  std::atomic<int> waiting{0};

  void hold() { setOpen(false); }
  void release() { setOpen(true); }

  MailResult signOn(const MailAccount& account, MailProgress progress) override {
    note();
    progress_ = std::move(progress);
    return memory.signOn(account, {});
  }
  void signOff() override {
    note();
    memory.signOff();
  }
  MailResult checkServers() override { return memory.checkServers(); }
  MailResult send(const OutgoingMail& mail, bool clientWindow) override {
    note();
    if (!wait("Sending the game...")) return MailResult::failure("Aborted by the callback.");
    return memory.send(mail, clientWindow);
  }
  MailResult fetchInbox(std::vector<InboxEntry>& unread) override {
    note();
    return memory.fetchInbox(unread);
  }
  MailResult fetchMessage(const std::string& id, MessageContent& content) override {
    note();
    if (!wait("Receiving the game...")) return MailResult::failure("Aborted by the callback.");
    return memory.fetchMessage(id, content);
  }
  MailResult markRead(const std::string& id, bool read) override {
    note();
    return memory.markRead(id, read);
  }

 private:
  void note() {
    std::lock_guard<std::mutex> lock(m_);
    threads.insert(std::this_thread::get_id());
  }
  void setOpen(bool open) {
    {
      std::lock_guard<std::mutex> lock(m_);
      open_ = open;
    }
    cv_.notify_all();
  }
  bool wait(const std::string& stage) {
    ++waiting;
    std::unique_lock<std::mutex> lock(m_);
    for (;;) {
      if (open_) break;
      lock.unlock();
      const bool goOn = !progress_ || progress_(stage);
      lock.lock();
      if (!goOn) {
        --waiting;
        return false;
      }
      cv_.wait_for(lock, std::chrono::milliseconds(10));
    }
    --waiting;
    return true;
  }
  std::mutex m_;
  std::condition_variable cv_;
  bool open_ = true;
  MailProgress progress_;
};

class MemorySecrets final : public SecretStore {
 public:
  bool present = false;
  std::map<std::string, std::string> kept;
  bool available() override { return present; }
  std::optional<std::string> read(const std::string& a) override {
    auto it = kept.find(a);
    if (it == kept.end()) return std::nullopt;
    return it->second;
  }
  bool write(const std::string& a, const std::string& p) override {
    kept[a] = p;
    return true;
  }
  void erase(const std::string& a) override { kept.erase(a); }
};

inline NewGameSetup mailRaceSetup(const std::string& local) {
  NewGameSetup setup;
  setup.gameType = 1;
  setup.classFile = "Modern.cls";
  setup.trackFile = "BrackwoodRing.trk";
  setup.laps = 1;
  setup.startDate = 46367.5;
  setup.localEMail = local;
  setup.grid = GridMode::Manual;
  setup.gridOrder = {1, 0};  // bob on pole: the race begins waiting for him
  setup.teams.push_back(
      {"Amsel Racing", "", 0x2020C0u, {{"Alice Amsel", "", 0x00FF00u, "alice@example.test"}}});
  setup.teams.push_back(
      {"Bauer Motors", "", 0xC02020u, {{"Bob Bauer", "", 0x0000FFu, "bob@example.test"}}});
  return setup;
}

struct MailWindowFixture {
  QTemporaryDir dir;
  std::unique_ptr<QtSettingsStore> settings;
  std::unique_ptr<FolderTree> folders;
  SeededRandom random{7};
  GatedTransport transport;
  MemorySecrets secrets;
  std::unique_ptr<MainWindow> window;
  std::vector<Message> asked;
  std::vector<std::string> passwordPrompts;

  std::string local;

  // The installation of `user` at example.test.
  explicit MailWindowFixture(const std::string& user = "alice",
                             const MailAccount* servers = nullptr)
      : local(user + "@example.test") {
    settings = std::make_unique<QtSettingsStore>(dir.filePath("tarmaq.ini"));
    const std::filesystem::path root = dir.path().toStdString();
    for (const char* sub : {"Games", "Tracks", "Classes", "Teams"})
      std::filesystem::create_directories(root / sub);
    for (const char* f : {"Classes/Modern.cls", "Tracks/BrackwoodRing.trk"})
      std::filesystem::copy_file(std::filesystem::path(TARMAQ_DATA) / f, root / f);
    folders = std::make_unique<FolderTree>(root);
    MailServerSettings s;
    if (servers) {
      s.outgoing = servers->outgoing;
      s.incoming = servers->incoming;
      s.caFile = servers->caFile;
    } else {
      s.outgoing = {"127.0.0.1", 2525, MailSecurity::None};
      s.incoming = {"127.0.0.1", 1143, MailSecurity::None};
    }
    s.user = user;
    saveMailServerSettings(s, *settings);
    settings->setValue("Settings", "LocalEMail", local);
  }
  void open(MailTransport* network) {
    window = std::make_unique<MainWindow>(
        ShellServices{settings.get(), folders.get(), &random, network, &secrets});
    Game& g = window->game();
    g.options.autoSave = false;
    g.options.showDieAnim = false;
    g.options.enableEMail = true;
    g.options.localEMail = local;
    g.options.autoMail = false;
    window->frontend().dieFrameMs = 0;
    window->frontend().answerHook = [this](const Message& m) {
      asked.push_back(m);
      return m.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    };
    window->frontend().resultsHook = [](const Podium&) {};
    window->passwordPrompt = [this](const std::string& account, bool) {
      passwordPrompts.push_back(account);
      return std::optional<PasswordAnswer>(
          PasswordAnswer{local.substr(0, local.find('@')) + "pw", false});
    };
    window->chooseSaveFile = [this] { return dir.filePath("Games/window race.tmq"); };
  }
  void newRace() {
    window->run([this](Game& g) { buildNewGame(g, mailRaceSetup(local)); });
    window->game().gameFileName = dir.filePath("Games/window race.tmq").toStdString();
  }
  std::filesystem::path gamesFolder() const {
    return std::filesystem::path(dir.path().toStdString()) / "Games";
  }
};

}  // namespace tarmaq::testing
