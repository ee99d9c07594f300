// Saving a game: the annotated text file that holds the whole race state and the
// visible game log, one value per line, CR LF line ends.
#pragma once

#include <filesystem>
#include <locale>
#include <string>

namespace tarmaq {

struct Game;

inline constexpr const char* AutoSaveName = "autosave.tmp";

// The file's text for the game as it stands.
std::string writeGameFile(const Game& game, const std::locale& locale = std::locale());

// Writes the game to `path`. The text goes to a temporary file beside it first, which
// replaces the target only when it is complete, so a failed save never destroys the
// last good file. A save under any name but the automatic-save file clears the
// unsaved-changes indicator. Returns false, with the reason, when the save failed.
bool gameFileSave(Game& game, const std::filesystem::path& path, std::string* error = nullptr);

// Whether a step entry is written: completed waits and empty entries are left out, the
// step the game waits at is kept, and so is the waiting step before a mail entry.
bool keepStepEntry(const Game& game, std::size_t round, std::size_t index);

}  // namespace tarmaq
