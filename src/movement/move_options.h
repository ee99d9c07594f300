// Which spaces the active car may enter next: the three lane buttons of the move panel
// (left, straight, right) and the shading of the next spaces and of the space where the
// rest of the roll would end.
#pragma once

#include <cstdint>

namespace tarmaq {

struct Game;

inline constexpr std::uint32_t ShowOptionsColor = 0xFF0000;   // blue: show the options
inline constexpr std::uint32_t EraseOptionsColor = 0xC0C0C0;  // light grey: erase them
inline constexpr std::uint32_t FinalSpaceColor = 0x008000;    // green
inline constexpr int ShowOptionsMode = 6;
inline constexpr int EraseOptionsMode = 0;

// Sets the lane buttons for a step from `location` and shades (or, in light grey,
// erases) the spaces they lead to. Does nothing while no space remains to be moved or
// the active car has left the race.
void showMoveOptions(Game& game, int location, std::uint32_t color, int mode);

// The move's last planned space (the car's own space before the first step).
int lastPlannedSpace(const Game& game);

// Erases the shading and shows the options from the last planned space again, as a
// redraw of the track does while a move is planned.
void refreshMoveOptions(Game& game);

// Whether any car, whatever its status, stands on a space; `except` is left out.
bool carOn(const Game& game, int location, int except = -1);

// The space straight ahead in the lane (lanes are closed loops), or -1.
int spaceAhead(const Game& game, int location);

}  // namespace tarmaq
