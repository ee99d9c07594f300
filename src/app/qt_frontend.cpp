#include "app/qt_frontend.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include "app/address_picker.h"
#include "app/aux_windows.h"
#include "app/driver_comment_dialog.h"
#include "app/local_address_dialog.h"
#include "app/results_window.h"
#include "track/track_info.h"
#include "track/track_model.h"

namespace tarmaq {

QtFrontend::QtFrontend(QWidget* owner) : owner_(owner) {
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    auto* timer = new QTimer(this);
    // The core restarts a timer when it wants it again: each elapse is reported once.
    timer->setSingleShot(false);
    const auto id = static_cast<TimerId>(i);
    connect(timer, &QTimer::timeout, this, [this, id] {
      if (timerFired) timerFired(id);
    });
    timers_[i] = timer;
  }
}

Answer QtFrontend::ask(const Message& message) {
  if (render) render();
  if (answerHook) return answerHook(message);
  QMessageBox box(owner_);
  box.setWindowTitle(QString::fromStdString(message.title));
  box.setText(QString::fromStdString(message.text));
  switch (message.icon) {
    case MessageIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::None:
      break;
  }
  if (message.buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return Answer::Ok;
}

DriverCommentResult QtFrontend::askDriverComment(const DriverCommentPrompt& prompt) {
  if (render) render();
  if (commentHook) return commentHook(prompt);
  DriverCommentDialog dialog(owner_);
  dialog.setDontAskAgainShown(prompt.showDontAskAgain);
  if (dialog.exec() != QDialog::Accepted) return {};
  return {dialog.text().toStdString(), dialog.dontAskAgain()};
}

void QtFrontend::showDieFrame(int kind, int face) {
  if (drawDieFrame) drawDieFrame(kind, face);
  if (dieFrameMs <= 0) return;
  // Let the frame reach the screen, but take no input meanwhile: a click during the
  // animation must not start another roll.
  QEventLoop loop;
  QTimer::singleShot(dieFrameMs, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

int QtFrontend::selectLocalEMail(const std::vector<std::string>& addresses) {
  if (render) render();
  if (localAddressHook) return localAddressHook(addresses);
  if (addresses.empty()) return 0;
  LocalAddressDialog dialog(localAddressChoice(addresses), owner_);
  dialog.exec();
  return dialog.chosen();
}

int QtFrontend::pickAddress(const std::vector<AddressEntry>& entries) {
  if (pickAddressHook) return pickAddressHook(entries);
  AddressPickerDialog dialog(entries, owner_);
  return dialog.exec() == QDialog::Accepted ? dialog.chosen() : -1;
}

std::optional<std::string> QtFrontend::chooseSaveFile(const std::string&) {
  if (render) render();
  return saveFileChooser ? saveFileChooser() : std::nullopt;
}

std::optional<std::string> QtFrontend::askMailPassword(const std::string& account) {
  if (render) render();
  return mailPassword ? mailPassword(account) : std::nullopt;
}

bool QtFrontend::mailProgress(const std::string& what) {
  return mailProgressShown ? mailProgressShown(what) : true;
}

void QtFrontend::showResults(const Podium& podium) {
  if (render) render();
  if (resultsHook) {
    resultsHook(podium);
    return;
  }
  ResultsWindow window(podium, owner_);
  window.exec();
}

std::optional<std::string> QtFrontend::askCheatValue(const std::string& current) {
  if (render) render();
  CheatDialog dialog(QString::fromStdString(current), owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  // The text goes to the die unchanged: the rules decide what a non-number means.
  return dialog.value().toStdString();
}

void QtFrontend::showCornerProperties(int corner) {
  if (!track || corner < 0 || static_cast<std::size_t>(corner) >= track->corners.size()) return;
  const Corner* c = &track->corners[static_cast<std::size_t>(corner)];
  if (render) render();
  std::vector<std::pair<QString, QString>> fields;
  for (const InfoField& f : cornerProperties(*c))
    fields.emplace_back(QString::fromStdString(f.caption), QString::fromStdString(f.value));
  InfoDialog dialog(QStringLiteral("Corner Properties"), fields, owner_);
  dialog.setObjectName(QStringLiteral("CornerProperties"));
  dialog.exec();
  // The dialog covered part of the window: the next render draws the view again.
  if (owner_) owner_->update();
}

void QtFrontend::timerChanged(TimerId id, bool enabled, int intervalMs) {
  QTimer* timer = timers_[static_cast<std::size_t>(id)];
  if (enabled)
    timer->start(intervalMs < 1 ? 1 : intervalMs);
  else
    timer->stop();
}

bool QtFrontend::timerActive(TimerId id) const {
  return timers_[static_cast<std::size_t>(id)]->isActive();
}

int QtFrontend::timerInterval(TimerId id) const {
  return timers_[static_cast<std::size_t>(id)]->interval();
}

void QtFrontend::stateChanged() {
  // Changes come in bursts inside one core call: draw once, when the call is over.
  if (renderQueued_) return;
  renderQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    renderQueued_ = false;
    if (render) render();
  });
}

}  // namespace tarmaq
