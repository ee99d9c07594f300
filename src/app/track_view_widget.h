// The track view on screen: draws what the core's view state asks for onto a backing
// picture and forwards pointer, wheel and size changes to the core.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "app/pictures.h"

namespace tarmaq {

struct Game;

class TrackViewWidget : public QWidget {
  Q_OBJECT

 public:
  explicit TrackViewWidget(Game& game, QWidget* parent = nullptr);

  // Draws a pending redraw request of the view state into the picture and schedules
  // a repaint. The shell calls this after every core call.
  void render();
  const QImage& picture() const { return picture_; }

  // Height of the information panel below the view, for the resize drag's limits.
  std::function<int()> infoPanelHeight = [] { return 1000; };
  // The view asks to be this many pixels high (a resize drag).
  std::function<void(int)> resizeRequested;
  // A left-button press in "Select" mode: planning and selecting are the move code's.
  std::function<void(float x, float y)> selectPressed;
  // A right-button press, in any mode: it accepts a complete move.
  std::function<void(float x, float y)> rightPressed;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  float twipsX(double px) const;
  float twipsY(double px) const;
  void afterInput();
  void updateCursor();

  Game& game_;
  QImage picture_;
  // The pointer last set, so that a pointer move sets it only when it changes.
  ViewCursorPicture shownCursor_ = ViewCursorPicture::Resize;
  qreal shownCursorRatio_ = 0;
};

}  // namespace tarmaq
