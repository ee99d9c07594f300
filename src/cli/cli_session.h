// A game for the command-line programs: a front end that answers message boxes from a
// queue and records them, dice from a seeded generator, settings in memory, and the
// program's folders (or those under --data DIR).
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/folders.h"
#include "engine/frontend.h"
#include "engine/game_state.h"
#include "engine/random_source.h"
#include "engine/settings_store.h"
#include "gamefile/auto_save.h"

namespace tarmaq::cli {

struct RecordedMessage {
  Message message;
  Answer answer;
};

class CliFrontend final : public Frontend {
 public:
  std::deque<Answer> answers;
  std::vector<RecordedMessage> messages;
  std::vector<std::string> comments;  // texts for the driver-comment prompt

  Answer ask(const Message& message) override;
  DriverCommentResult askDriverComment(const DriverCommentPrompt&) override;
  void showDieFrame(int, int) override {}
  void timerChanged(TimerId, bool, int) override {}
  void stateChanged() override {}
  int selectLocalEMail(const std::vector<std::string>&) override { return 0; }
  void showResults(const Podium&) override {}
};

struct Session {
  CliFrontend frontend;
  std::unique_ptr<SeededRandom> random;
  MemorySettings settings;
  std::unique_ptr<Folders> folders;
  GameFollowUps followUps;
  Game game;

  // Folders from --data DIR when given, else the program's own.
  explicit Session(const std::optional<std::string>& dataDir,
                   std::optional<std::uint64_t> seed = {});
  // Fires armed result timers until none is armed (at most `limit` of them).
  int fireResultTimers(int limit = 1000);
};

// Now, as a game's start date.
double dateNowForSetup();

// Takes "--name VALUE" out of args; nullopt when absent.
std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name);
bool takeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace tarmaq::cli
