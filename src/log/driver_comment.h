// A comment a player types for the driver whose turn it is (the toolbar's "Add a
// driver comment"): it goes into the game log in blue, and a waiting line that was last
// stays last.
#pragma once

#include <string>

namespace tarmaq {

struct Game;

// Writes the comment for the active car; an empty text writes nothing.
void addDriverComment(Game& game, const std::string& text);

}  // namespace tarmaq
