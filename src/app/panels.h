// The two panels that float over the track view: the die ("Die") and the lane buttons
// with Accept, Step Back and Reset ("Move Options").
#pragma once

#include <QGroupBox>
#include <array>

class QLabel;
class QPushButton;

namespace tarmaq {

struct DiePanel;
struct MovePanel;

class DieWidget final : public QWidget {
  Q_OBJECT
 public:
  explicit DieWidget(QWidget* parent = nullptr);
  // The die of a kind with a value; the text is drawn at its offset from the top, in
  // white or black.
  void show(int kind, const QString& value, bool valueVisible, int offsetPx, bool white);
  int kind() const { return kind_; }
  QString value() const { return valueVisible_ ? value_ : QString(); }
  QSize sizeHint() const override { return {100, 100}; }

 Q_SIGNALS:
  void clicked();
  void rightClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int kind_ = 0;
  QString value_;
  bool valueVisible_ = false;
  int offset_ = 41;
  bool white_ = true;
};

class DiePanelWidget final : public QGroupBox {
  Q_OBJECT
 public:
  explicit DiePanelWidget(QWidget* parent = nullptr);
  void render(const DiePanel& panel);
  // One frame of the roll animation.
  void showFrame(int kind, int face);
  DieWidget* die() const { return die_; }

 Q_SIGNALS:
  void rollRequested();
  // A right click cuts the pause after a roll short.
  void moveOnRequested();

 private:
  DieWidget* die_;
};

class MovePanelWidget final : public QGroupBox {
  Q_OBJECT
 public:
  explicit MovePanelWidget(QWidget* parent = nullptr);
  void render(const MovePanel& panel);
  QPushButton* laneButton(int i) const { return lanes_[static_cast<std::size_t>(i)]; }
  QPushButton* acceptButton() const { return accept_; }
  QPushButton* stepBackButton() const { return stepBack_; }
  QPushButton* resetButton() const { return reset_; }

 Q_SIGNALS:
  void laneClicked(int lane);
  void acceptClicked();
  void stepBackClicked();
  void resetClicked();

 private:
  std::array<QPushButton*, 3> lanes_{};
  QPushButton* accept_;
  QPushButton* stepBack_;
  QPushButton* reset_;
};

}  // namespace tarmaq
