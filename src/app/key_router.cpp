#include "app/key_router.h"

#include <QKeyEvent>
#include <QWidget>

#include "app/main_window.h"
#include "app/virtual_keys.h"

namespace tarmaq {

KeyRouter::KeyRouter(MainWindow* window) : QObject(window), window_(window) {}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  // Only keys meant for the main window itself: a dialog over it keeps its keys.
  if (!window_ || !widget || widget->window() != window_) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const int code = virtualKeyCode(*key);
  if (code == 0 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    // Claim the key so that no shortcut or default button takes it first.
    event->accept();
    return true;
  }
  window_->keyDown(code, modifierMask(key->modifiers()));
  return true;
}

}  // namespace tarmaq
