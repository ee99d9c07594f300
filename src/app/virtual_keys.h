// Keys as the game's key table names them: the classic virtual-key codes (13 Enter,
// 37-40 the arrows, 96-105 the keypad digits, 187/189 the main keyboard's = and -).
#pragma once

#include <Qt>

class QKeyEvent;

namespace tarmaq {

inline constexpr int ShiftMask = 1;
inline constexpr int ControlMask = 2;
inline constexpr int AltMask = 4;

// The virtual-key code of a Qt key; keypad keys get their keypad codes when the event
// came from the keypad. 0 for keys the game does not know.
int virtualKeyCode(int qtKey, bool keypad);
int virtualKeyCode(const QKeyEvent& event);
// Shift is bit 0, Control bit 1, Alt bit 2.
int modifierMask(Qt::KeyboardModifiers modifiers);

}  // namespace tarmaq
