// The standings and starting-grid tables of the information panel, drawn from the
// core's standings model: header row, separator rows, yellow place cells and the
// highlight colours of the best and worst values.
#pragma once

#include <QTableWidget>

namespace tarmaq {

struct Game;

class StandingsGrid final : public QTableWidget {
  Q_OBJECT
 public:
  explicit StandingsGrid(QWidget* parent = nullptr);
  void render(const Game& game);

 Q_SIGNALS:
  void rowClicked(int row, int column);
  void displayOptions();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class StartingGridGrid final : public QTableWidget {
  Q_OBJECT
 public:
  explicit StartingGridGrid(QWidget* parent = nullptr);
  void render(const Game& game);

 Q_SIGNALS:
  void cellClickedAt(int row, int column);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fitColumns();
};

// The two table faces: a condensed heavy face for the place numbers, a book face for
// the headers.
QFont placeNumberFont();
QFont headerFont();

}  // namespace tarmaq
