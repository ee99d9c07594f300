// Sends every key pressed in the main window to the game, whichever control has the
// focus: buttons, grids and scroll bars never see the game's keys.
#pragma once

#include <QObject>
#include <QPointer>

namespace tarmaq {

class MainWindow;

class KeyRouter final : public QObject {
  Q_OBJECT
 public:
  explicit KeyRouter(MainWindow* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<MainWindow> window_;
};

}  // namespace tarmaq
