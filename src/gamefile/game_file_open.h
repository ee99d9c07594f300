// Loading a game file and resuming the race where it stood.
#pragma once

#include <filesystem>
#include <string>

namespace tarmaq {

struct Game;

enum class OpenResult {
  Opened,
  NotFound,       // "Game File Not Found" was shown; the current game is as it was
  Damaged,        // "Game File Damaged" was shown; the current game is as it was
  CriticalError,  // the class or the circuit is missing; the program ends
};

inline constexpr const char* ProjectHomePage = "https://tarmaq.example.org/";

// Reads and checks the file, and the class and circuit it names, before the current
// game is reset; then restores the game and hands the step it waits at back to the
// turn controller. A game saved during a result pause resumes that pause.
OpenResult gameFileOpen(Game& game, const std::filesystem::path& path);

}  // namespace tarmaq
