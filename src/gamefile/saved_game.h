// A game file read into memory and checked, before anything of the running game is
// touched: loading never destroys the current game for a file that cannot be used.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_state.h"

namespace tarmaq {

struct Track;

struct SavedGame {
  std::string versionLine;
  double startDate = 0;
  int gameType = 0;
  std::string classFile;
  int laps = 1;
  std::string trackFile;
  std::string trackVersion;
  Rules rules;
  std::vector<Car> cars;
  std::vector<int> positions;
  int currPos = 0;
  int currCar = 0;
  std::array<int, MaxCars> results{};
  int trapCar = 0;
  float trapSpeed = 0;
  int leadChange = 0;
  std::vector<int> moves;
  Snapshot snapshot;
  std::vector<std::vector<std::string>> gameLogArray;
  std::vector<LogRow> logRows;
};

struct SavedGameParse {
  std::optional<SavedGame> game;
  std::string damage;  // why the file cannot be used, when game is empty
};

// The part of a file before the cars: enough to find the class and track it needs.
struct SavedGameHead {
  std::string versionLine;
  int gameType = 0;
  std::string classFile;
  int laps = 1;
  std::string trackFile;
  std::string trackVersion;
  Rules rules;
};
std::optional<SavedGameHead> parseSavedGameHead(std::string_view text);

// Reads the whole file. Each car starts as `carTemplate` (the class's wear points for
// the race length); a field that cannot be converted keeps the value it had. A file
// that ends before a marker, holds more than 20 cars or more than 3 laps, or has no
// step to resume at is damaged.
SavedGameParse parseSavedGame(std::string_view text, const Car& carTemplate);

// Checks the indices and locations against the cars and the track the game needs;
// an empty text when the game can be resumed.
std::string checkSavedGame(const SavedGame& saved, const Track& track);

// A file name without a folder part ("../x" or "a/b" is refused).
bool isPlainFileName(const std::string& name);

// The numbers of a version line ("Version 0.9.96" → 0, 9, 96); missing numbers are 0.
std::array<int, 3> versionNumbers(std::string_view versionLine);

}  // namespace tarmaq
