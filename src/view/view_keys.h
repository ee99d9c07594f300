// The keys that move the view: zoom in and out, pan with the keypad, centre the track
// or the current car. Key codes are the platform's virtual-key codes.
#pragma once

namespace tarmaq {

struct Game;

namespace key {
inline constexpr int Keypad2 = 98;
inline constexpr int Keypad4 = 100;
inline constexpr int Keypad5 = 101;
inline constexpr int Keypad6 = 102;
inline constexpr int Keypad7 = 103;
inline constexpr int Keypad8 = 104;
inline constexpr int KeypadPlus = 107;
inline constexpr int KeypadMinus = 109;
inline constexpr int Plus = 187;
inline constexpr int Minus = 189;
}  // namespace key

// Carries out a view key. Returns true when the key is one of them (whether or not the
// view could move), false for any other key. Nothing happens while the view is hidden.
bool viewKeyCommand(Game& game, int keyCode);

}  // namespace tarmaq
