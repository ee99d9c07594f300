// Which spaces the active car may enter next: the three lane buttons and the shading
// of the next and final spaces.
#pragma once

#include <cstdint>

namespace tarmaq {

struct Game;

void showMoveOptions(Game& game, int location, std::uint32_t color, int width);

}  // namespace tarmaq
