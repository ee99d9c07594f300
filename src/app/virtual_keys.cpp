#include "app/virtual_keys.h"

#include <QKeyEvent>

namespace tarmaq {

int virtualKeyCode(int qtKey, bool keypad) {
  if (keypad) {
    // With Num Lock off the keypad sends the cursor keys; they keep their keypad
    // meaning, as the game's pan keys expect.
    switch (qtKey) {
      case Qt::Key_0:
      case Qt::Key_Insert:
        return 96;
      case Qt::Key_1:
      case Qt::Key_End:
        return 97;
      case Qt::Key_2:
      case Qt::Key_Down:
        return 98;
      case Qt::Key_3:
      case Qt::Key_PageDown:
        return 99;
      case Qt::Key_4:
      case Qt::Key_Left:
        return 100;
      case Qt::Key_5:
      case Qt::Key_Clear:
        return 101;
      case Qt::Key_6:
      case Qt::Key_Right:
        return 102;
      case Qt::Key_7:
      case Qt::Key_Home:
        return 103;
      case Qt::Key_8:
      case Qt::Key_Up:
        return 104;
      case Qt::Key_9:
      case Qt::Key_PageUp:
        return 105;
      case Qt::Key_Asterisk:
        return 106;
      case Qt::Key_Plus:
        return 107;
      case Qt::Key_Minus:
        return 109;
      case Qt::Key_Period:
      case Qt::Key_Comma:
      case Qt::Key_Delete:
        return 110;
      case Qt::Key_Slash:
        return 111;
      case Qt::Key_Enter:
      case Qt::Key_Return:
        return 13;
      default:
        break;
    }
  }
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 48 + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
  switch (qtKey) {
    // Shifted digits arrive as their symbols on most layouts; Shift+D and the digits
    // are all the game needs with Shift, so the symbols of the top row map back.
    case Qt::Key_Exclam:
      return 49;
    case Qt::Key_At:
      return 50;
    case Qt::Key_NumberSign:
      return 51;
    case Qt::Key_Dollar:
      return 52;
    case Qt::Key_Percent:
      return 53;
    case Qt::Key_AsciiCircum:
      return 54;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      return 187;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      return 189;
    default:
      return 0;
  }
}

int virtualKeyCode(const QKeyEvent& event) {
  return virtualKeyCode(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

int modifierMask(Qt::KeyboardModifiers modifiers) {
  int mask = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) mask |= ShiftMask;
  if (modifiers.testFlag(Qt::ControlModifier)) mask |= ControlMask;
  if (modifiers.testFlag(Qt::AltModifier)) mask |= AltMask;
  return mask;
}

}  // namespace tarmaq
