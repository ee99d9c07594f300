// The core's front end on Qt: message boxes, the driver-comment dialog, the results
// window, the local address prompt, the testing dialog, Corner Properties, the die
// animation and one QTimer per named timer.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

#include "engine/frontend.h"

class QTimer;
class QWidget;

namespace tarmaq {

struct Track;

class QtFrontend final : public QObject, public Frontend {
  Q_OBJECT
 public:
  explicit QtFrontend(QWidget* owner);

  Answer ask(const Message& message) override;
  DriverCommentResult askDriverComment(const DriverCommentPrompt& prompt) override;
  void showDieFrame(int kind, int face) override;
  int selectLocalEMail(const std::vector<std::string>& addresses) override;
  void showResults(const Podium& podium) override;
  void timerChanged(TimerId id, bool enabled, int intervalMs) override;
  void stateChanged() override;
  std::optional<std::string> chooseSaveFile(const std::string& folder) override;
  std::optional<std::string> askMailPassword(const std::string& account) override;
  bool mailProgress(const std::string& what) override;
  int pickAddress(const std::vector<AddressEntry>& entries) override;
  std::optional<std::string> askCheatValue(const std::string& current) override;
  void showCornerProperties(int corner) override;

  bool timerActive(TimerId id) const;
  int timerInterval(TimerId id) const;

  // Draws the presentation model; run before every message box so the player sees the
  // state the question is about.
  std::function<void()> render;
  // A timer elapsed.
  std::function<void(TimerId)> timerFired;
  // A die animation frame is to be drawn.
  std::function<void(int kind, int face)> drawDieFrame;
  int dieFrameMs = 40;
  // The circuit whose corners the Corner Properties dialog shows.
  const Track* track = nullptr;
  // Scripted answers for the widget tests; when unset the real dialogs are shown.
  std::function<Answer(const Message&)> answerHook;
  std::function<DriverCommentResult(const DriverCommentPrompt&)> commentHook;
  std::function<void(const Podium&)> resultsHook;
  std::function<int(const std::vector<std::string>&)> localAddressHook;
  std::function<int(const std::vector<AddressEntry>&)> pickAddressHook;

  // Mail: the save dialog for a game without a file name, the password, and the
  // progress of an operation on the network.
  std::function<std::optional<std::string>()> saveFileChooser;
  std::function<std::optional<std::string>(const std::string& account)> mailPassword;
  std::function<bool(const std::string& what)> mailProgressShown;

 private:
  QPointer<QWidget> owner_;
  std::array<QTimer*, static_cast<std::size_t>(TimerId::Count)> timers_{};
  bool renderQueued_ = false;
};

}  // namespace tarmaq
