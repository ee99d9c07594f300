// The turn's keyboard and pointer commands: the keys of the main window and a press of
// a pointer button on the track view, as calls of the game core.
#pragma once

namespace tarmaq {

struct Game;

// Virtual-key codes the turn listens to.
namespace key {
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Delete = 46;
inline constexpr int Digit1 = 49;
inline constexpr int Digit6 = 54;
inline constexpr int B = 66;
inline constexpr int D = 68;
inline constexpr int U = 85;
}  // namespace key

// A key pressed in the main window, whatever control has the focus. Shift + D opens the
// testing dialog that sets the die value, and the key then acts as D. Escape resets
// the move; Backspace and Delete step back while "Step Back" is enabled.
void handleKey(Game& game, int virtualKey, bool shift);

enum class PointerButton { Left = 1, Right = 2 };

// A pointer press on the track view at (x, y) in the view's units (twips). The left
// button opens a corner's properties from its sign, shows the card of a car clicked
// outside a move, and plans one step or a run of straight steps during a move; the
// right button accepts a complete move.
void pointerPress(Game& game, PointerButton button, float x, float y);

// The space under a point of the view, the last one in lane and space order; -1 none.
int spaceAt(const Game& game, float x, float y);

}  // namespace tarmaq
