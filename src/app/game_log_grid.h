// The game-log grid: the core's log rows with their icons, bold, colour and heights (a
// row of height 0 is hidden), the last seven rows in view, the round toggling and the
// context menu.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <vector>

namespace tarmaq {

struct GameLog;

class GameLogModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  void setLog(const GameLog* log);
  // Takes in the rows written since the last call, and any change of the others.
  void sync();
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const GameLog* log_ = nullptr;
  int rows_ = 0;
};

class GameLogGrid final : public QTableView {
  Q_OBJECT
 public:
  explicit GameLogGrid(QWidget* parent = nullptr);
  void setLog(const GameLog* log);
  // Draws the log as it stands: new rows, heights, pictures, and the first row in view.
  void render();
  // Rows of height 0 (Qt does not count them as hidden).
  int zeroHeightRows() const;
  int firstVisibleRow() const;

 Q_SIGNALS:
  void rowReleased(int row);
  void expandAll();
  void collapseAll();
  void showSelectedPlayer();
  void displayOptions();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fitTextColumn();
  GameLogModel model_;
  const GameLog* log_ = nullptr;
  std::vector<int> heights_;
};

}  // namespace tarmaq
