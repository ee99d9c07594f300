// The game information panel: "Game Log", "Current Standings" and "Starting Grid", one
// table shown at a time under the pressed (yellow) button.
#pragma once

#include <QFrame>

class QPushButton;
class QStackedWidget;

namespace tarmaq {

class GameLogGrid;
class StandingsGrid;
class StartingGridGrid;

class InfoPanel final : public QFrame {
  Q_OBJECT
 public:
  enum View { GameLogView = 0, StandingsView = 1, StartingGridView = 2 };
  explicit InfoPanel(QWidget* parent = nullptr);
  void showView(View view);
  View view() const { return view_; }
  void setStandingsCaption(const QString& caption);

  GameLogGrid* gameLog() const { return log_; }
  StandingsGrid* standings() const { return standings_; }
  StartingGridGrid* startingGrid() const { return grid_; }
  QPushButton* button(View view) const { return buttons_[view]; }

 Q_SIGNALS:
  void viewChosen(View view);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void place();
  QPushButton* buttons_[3];
  QStackedWidget* stack_;
  GameLogGrid* log_;
  StandingsGrid* standings_;
  StartingGridGrid* grid_;
  View view_ = StartingGridView;
};

}  // namespace tarmaq
