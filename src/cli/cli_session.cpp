#include "cli/cli_session.h"

#include <algorithm>
#include <cstdlib>

#include "engine/dates.h"
#include "engine/turn_controller.h"

#ifndef TARMAQ_INSTALLED_DATA
#define TARMAQ_INSTALLED_DATA "/usr/share/tarmaq"
#endif

namespace tarmaq::cli {

Answer CliFrontend::ask(const Message& message) {
  Answer a = message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
  if (!answers.empty()) {
    a = answers.front();
    answers.pop_front();
  }
  messages.push_back({message, a});
  return a;
}

DriverCommentResult CliFrontend::askDriverComment(const DriverCommentPrompt&) {
  if (comments.empty()) return {};
  DriverCommentResult r{comments.front(), false};
  comments.erase(comments.begin());
  return r;
}

Session::Session(const std::optional<std::string>& dataDir, std::optional<std::uint64_t> seed) {
  random = seed ? std::make_unique<SeededRandom>(*seed) : std::make_unique<SeededRandom>();
  if (dataDir)
    folders = std::make_unique<FolderTree>(*dataDir);
  else
    folders = std::make_unique<ProgramFolders>(
        ProgramFolders::locate(executableDirectory(), TARMAQ_INSTALLED_DATA, userDataFolder()));
  game.services.frontend = &frontend;
  game.services.random = random.get();
  game.services.settings = &settings;
  game.services.folders = folders.get();
  game.services.followUps = &followUps;
  // Nothing is saved or mailed behind the user's back unless an option asks for it.
  game.options.autoSave = false;
  game.options.autoMail = false;
  game.options.showDieAnim = false;
}

int Session::fireResultTimers(int limit) {
  int fired = 0;
  while (fired < limit && fireArmedResultTimer(game)) ++fired;
  return fired;
}

double dateNowForSetup() { return dateNow(); }

std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name) {
  auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end() || it + 1 == args.end()) return std::nullopt;
  std::string value = *(it + 1);
  args.erase(it, it + 2);
  return value;
}

bool takeFlag(std::vector<std::string>& args, const std::string& name) {
  auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

}  // namespace tarmaq::cli
