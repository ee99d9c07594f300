// Acting on a modal dialog from a test: the dialog's exec() runs its own event loop, so
// the test's steps are queued to run once it is up.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace tarmaq::testing {

// Runs `steps` on the next modal dialog (of type D) to open, then presses its button
// named `button` ("OK", "Cancel", ...) unless that is empty.
template <class D>
void whenModal(std::function<void(D&)> steps, const QString& button = QString()) {
  QTimer::singleShot(0, [steps, button] {
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    if (!dialog) return;  // the test's own checks then fail on what was not done
    steps(*dialog);
    if (!button.isEmpty())
      if (auto* b = dialog->template findChild<QPushButton*>(button)) b->click();
  });
}

}  // namespace tarmaq::testing
