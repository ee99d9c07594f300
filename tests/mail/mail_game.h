// An e-mail race between alice and bob for the mail tests: two cars on the small
// board, a games folder of its own, a mailer over a given transport, and a reader
// that restores a received file and resumes at its waiting step.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "engine/turn_controller.h"
#include "gamefile/saved_game.h"
#include "mail/mailer.h"
#include "support/race_fixture.h"
#include "support/temp_folders.h"

namespace tarmaq::testing {

inline std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Restores the race state a file holds and hands its waiting step back to the turn
// controller, as the game-file reader does.
inline bool openSavedGame(Game& game, const std::filesystem::path& path) {
  SavedGameParse parsed = parseSavedGame(readText(path), Car{});
  if (!parsed.game || !checkSavedGame(*parsed.game, game.track).empty()) return false;
  SavedGame& s = *parsed.game;
  game.gameType = s.gameType;
  game.startDate = s.startDate;
  game.cars = s.cars;
  game.positions = s.positions;
  game.currPos = s.currPos;
  game.currCar = s.currCar;
  game.gameLogArray = s.gameLogArray;
  game.currRound = static_cast<int>(game.gameLogArray.size()) - 1;
  game.currStep = static_cast<int>(game.gameLogArray.back().size()) - 1;
  advanceGame(game, *game.currentStep());
  return true;
}

struct MailGame : RaceFixture {
  TempFolders folders;
  Mailer mailer;

  MailGame(MailTransport& transport, const std::string& localUser)
      : RaceFixture(2), mailer(transport) {
    game.services.folders = &folders.folders();
    game.gameType = 1;
    game.startDate = 45123.25;
    car(0).driverName = "Alice Amsel";
    car(0).eMail = "alice@example.test";
    // A "%" in a name breaks the body's lines: the attached file must win.
    car(1).driverName = "Bob 100% Bauer";
    car(1).eMail = "bob@example.test";
    game.options.localEMail = localUser + "@example.test";
    game.gameFileName = (folders.root() / "Games" / "race.tmq").string();
    game.gameLogArray = {{"", "ROLL GEAR WAIT"}};
    game.currStep = 1;
    mailer.openGame = openSavedGame;
  }

  // The game waits for the car's gear roll.
  void waitFor(int c) {
    game.currPos = c;
    game.currCar = c;
    advanceGame(game, "ROLL GEAR WAIT");
  }
  std::filesystem::path gamesFolder() const { return folders.root() / "Games"; }
};

}  // namespace tarmaq::testing
