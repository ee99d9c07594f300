// The game state as JSON, for game-info, play and simulate: keys are the fields' names
// in lower camel case.
#pragma once

#include <string>
#include <vector>

#include "cli/json.h"

namespace tarmaq {
struct Game;
}

namespace tarmaq::cli {

// Writes the state's members into the open object of `json`.
void writeGameState(Json& json, const Game& game);

// The visible log rows: {"type", "icon", "bold", "color", "text"}.
void writeLogRows(Json& json, const Game& game, bool visibleOnly);

}  // namespace tarmaq::cli
