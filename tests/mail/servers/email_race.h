// An installation of the game for an e-mail race on the shipped circuits: its own
// folders (the shipped classes and circuits, a Games folder of its own), its own
// settings store with the mail servers set as the Options dialog leaves them, the real
// transport, the game-file reader for received games, and an automatic driver that
// plays whatever the game asks of this installation's player.
#pragma once

#include <memory>
#include <string>

#include "driver/auto_driver.h"
#include "engine/random_source.h"
#include "engine/settings_store.h"
#include "engine/timers.h"
#include "engine/turn_controller.h"
#include "gamefile/game_file_open.h"
#include "mail/curl/curl_transport.h"
#include "mail/game_file_send.h"
#include "mail/mail_settings.h"
#include "mail/mailer.h"
#include "setup/new_game.h"
#include "support/paths.h"
#include "support/temp_folders.h"

namespace tarmaq::testing {

// The automatic driver's answers, the mail password, and the file name of a game
// that has none yet; every message is kept.
class RaceMailFrontend final : public Frontend {
 public:
  RaceMailFrontend(AutoDriver& driver, const Game& game, std::string password, std::string saveAs)
      : driver_(driver), game_(game), password_(std::move(password)), saveAs_(std::move(saveAs)) {}
  Answer ask(const Message& message) override {
    messages.push_back(message);
    return driver_.answer(game_, message);
  }
  DriverCommentResult askDriverComment(const DriverCommentPrompt&) override { return {}; }
  void showDieFrame(int, int) override {}
  int selectLocalEMail(const std::vector<std::string>&) override {
    ++localAddressPrompts;
    return 0;
  }
  void showResults(const Podium&) override { ++resultsShown; }
  void timerChanged(TimerId, bool, int) override {}
  void stateChanged() override {}
  std::optional<std::string> chooseSaveFile(const std::string&) override { return saveAs_; }
  std::optional<std::string> askMailPassword(const std::string&) override {
    ++passwordPrompts;
    return password_;
  }

  std::vector<Message> messages;
  int resultsShown = 0;
  int passwordPrompts = 0;
  int localAddressPrompts = 0;

 private:
  AutoDriver& driver_;
  const Game& game_;
  std::string password_;
  std::string saveAs_;
};

struct EmailInstallation {
  TempFolders folders;
  MemorySettings settings;
  SeededRandom random;
  AutoDriver driver;
  Game game;
  RaceMailFrontend frontend;
  CurlMailTransport transport;
  Mailer mailer{transport};
  MailFollowUps follow{mailer, nullptr};

  // `user` at example.test; `account` is how this user reaches the servers.
  EmailInstallation(const std::string& user, const MailAccount& account, std::uint64_t seed)
      : random(seed),
        driver(seed * 31 + 7),
        frontend(driver, game, account.password,
                 (folders.root() / "Games" / "mail race.tmq").string()) {
    for (const char* c : {"Modern.cls", "Vintage.cls"})
      folders.add("Classes", shippedData(std::string("Classes/") + c));
    for (const char* t : {"BrackwoodRing.trk", "PortCastellane.trk", "VelmontPark.trk"})
      folders.add("Tracks", shippedData(std::string("Tracks/") + t));
    MailServerSettings s;
    s.outgoing = account.outgoing;
    s.incoming = account.incoming;
    s.user = account.user;
    s.caFile = account.caFile;
    saveMailServerSettings(s, settings);
    game.services.frontend = &frontend;
    game.services.settings = &settings;
    game.services.folders = &folders.folders();
    game.services.random = &random;
    game.services.followUps = &follow;
    game.options.autoSave = false;
    game.options.enableEMail = true;
    game.options.autoMail = true;
    game.options.localEMail = user + "@example.test";
    mailer.openGame = [](Game& g, const std::filesystem::path& path) {
      return gameFileOpen(g, path) == OpenResult::Opened;
    };
  }
  std::filesystem::path gamesFolder() const { return folders.root() / "Games"; }
};

// A two-car e-mail race, alice's car first and bob's second, on a shipped circuit.
inline NewGameSetup emailRaceSetup(const std::string& track, int laps) {
  NewGameSetup setup;
  setup.gameType = 1;
  setup.classFile = "Modern.cls";
  setup.trackFile = track;
  setup.laps = laps;
  setup.startDate = 46367.5;
  setup.localEMail = "alice@example.test";
  for (int r = 0; r < static_cast<int>(setup.rules.values().size()); ++r)
    setup.rules.values()[static_cast<std::size_t>(r)] = 0;
  setup.rules[Rule::FinishNose] = -1;
  setup.rules = rulesForLaps(setup.rules, laps);
  setup.teams.push_back(
      {"Amsel Racing", "", 0x2020C0u, {{"Alice Amsel", "", 0x00FF00u, "(Local)"}}});
  setup.teams.push_back(
      {"Bauer Motors", "", 0xC02020u, {{"Bob Bauer", "", 0x0000FFu, "bob@example.test"}}});
  setup.grid = GridMode::Roll;
  return setup;
}

// Plays, firing result timers at once, until `done` holds for the step reached, the
// race is over, or nothing can be done; the step it stopped at.
template <typename Done>
std::string playUntil(EmailInstallation& at, Done done, int maxActions = 20000) {
  for (int n = 0; n < maxActions; ++n) {
    const std::string* step = at.game.currentStep();
    if (!step) return "(no step)";
    if (*step == "SHOW RSLT" || done(*step)) return *step;
    if (!fireArmedResultTimer(at.game) && !at.driver.act(at.game)) return "stuck at " + *step;
  }
  return "too many actions";
}

// This installation's part: until the game has gone to another player (its last step
// is "MAIL SENT") or the race is over.
inline std::string playUntilMailed(EmailInstallation& at) {
  return playUntil(at, [](const std::string& step) { return startsWith(step, "MAIL SENT"); });
}

// Until the game waits for another player, when it is not mailed automatically.
inline std::string playUntilAnotherPlayersTurn(EmailInstallation& at) {
  return playUntil(at, [&at](const std::string& step) {
    const Car* car = at.game.car(at.game.currCar);
    return endsWith(step, "WAIT") && car && !sameAddress(car->eMail, at.game.options.localEMail);
  });
}

}  // namespace tarmaq::testing
