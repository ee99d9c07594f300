// Loading the game's race class from the classes folder, with the critical error when
// the file is missing, and setting up the gear buttons.
#pragma once

#include <string>

namespace tarmaq {

struct Game;

inline constexpr const char* ClassMissingTitle = "Critical Error - Classfile Missing";

// Reads the named class file of the classes folder into the game. A file that cannot
// be opened shows the critical error and returns false: the program then ends. A
// malformed file stops at the failing item, keeping what was read.
bool loadRaceClass(Game& game, const std::string& fileName);

}  // namespace tarmaq
