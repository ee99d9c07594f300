// Fakes of the core's interfaces: a scripted front end and scripted dice.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/frontend.h"
#include "engine/game_state.h"
#include "engine/random_source.h"
#include "engine/settings_store.h"

namespace tarmaq::testing {

// Answers message boxes from a queue (No, or OK for an OK-only box, when it runs out)
// and records everything the core asked for.
class ScriptedFrontend final : public Frontend {
 public:
  std::deque<Answer> answers;
  std::vector<Message> messages;
  std::deque<DriverCommentResult> comments;
  int commentPrompts = 0;
  std::vector<std::pair<int, int>> dieFrames;
  std::vector<std::tuple<TimerId, bool, int>> timerEvents;
  int stateChanges = 0;

  Answer ask(const Message& message) override {
    messages.push_back(message);
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
  }
  DriverCommentResult askDriverComment(const DriverCommentPrompt&) override {
    ++commentPrompts;
    if (comments.empty()) return {};
    auto r = comments.front();
    comments.pop_front();
    return r;
  }
  std::vector<Podium> results;
  std::vector<std::vector<std::string>> localAddressPrompts;
  int localAddressChoice = 0;
  int selectLocalEMail(const std::vector<std::string>& addresses) override {
    localAddressPrompts.push_back(addresses);
    return localAddressChoice;
  }
  void showResults(const Podium& podium) override { results.push_back(podium); }
  void showDieFrame(int kind, int face) override { dieFrames.emplace_back(kind, face); }
  void timerChanged(TimerId id, bool enabled, int intervalMs) override {
    timerEvents.emplace_back(id, enabled, intervalMs);
  }
  void stateChanged() override { ++stateChanges; }
  // The testing dialog: what it was shown, and "OK" with `cheatReply` or "Cancel".
  std::optional<std::string> cheatReply;
  std::vector<std::string> cheatPrompts;
  std::optional<std::string> askCheatValue(const std::string& current) override {
    cheatPrompts.push_back(current);
    return cheatReply;
  }
  std::vector<int> cornersShown;
  void showCornerProperties(int corner) override { cornersShown.push_back(corner); }

  // Mail: the save dialog's answer, the passwords to give, the progress texts shown,
  // the address book entries offered and the one picked.
  std::optional<std::string> saveFileChoice;
  int saveDialogs = 0;
  std::deque<std::string> passwords;
  std::vector<std::string> passwordPrompts;
  std::vector<std::string> mailProgressTexts;
  bool cancelMail = false;
  std::vector<std::vector<AddressEntry>> addressPicks;
  int addressChoice = -1;
  std::optional<std::string> chooseSaveFile(const std::string&) override {
    ++saveDialogs;
    return saveFileChoice;
  }
  std::optional<std::string> askMailPassword(const std::string& account) override {
    passwordPrompts.push_back(account);
    if (passwords.empty()) return std::nullopt;
    std::string p = passwords.front();
    passwords.pop_front();
    return p;
  }
  bool mailProgress(const std::string& what) override {
    mailProgressTexts.push_back(what);
    return !cancelMail;
  }
  int pickAddress(const std::vector<AddressEntry>& entries) override {
    addressPicks.push_back(entries);
    return addressChoice;
  }
};

// Uniform draws from a script; when it runs out, 0.
class ScriptedRandom final : public RandomSource {
 public:
  std::deque<double> values;
  int draws = 0;
  double uniform() override {
    ++draws;
    if (values.empty()) return 0.0;
    double v = values.front();
    values.pop_front();
    return v;
  }
  // The draw that makes a die of `faces` faces land on face index k.
  static double face(int k, int faces) { return (k + 0.5) / faces; }
};

// A game wired to fakes, ready for a test to fill.
struct TestGame {
  ScriptedFrontend frontend;
  ScriptedRandom random;
  MemorySettings settings;
  Game game;
  TestGame() {
    game.services.frontend = &frontend;
    game.services.random = &random;
    game.services.settings = &settings;
  }
};

}  // namespace tarmaq::testing
