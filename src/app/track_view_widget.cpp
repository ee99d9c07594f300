#include "app/track_view_widget.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/qt_canvas.h"
#include "engine/game_state.h"
#include "view/navigation.h"
#include "view/pointer.h"
#include "view/refresh_view.h"

namespace tarmaq {

TrackViewWidget::TrackViewWidget(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  game_.view.twipsPerPixelX = 1440.0f / static_cast<float>(logicalDpiX());
  game_.view.twipsPerPixelY = 1440.0f / static_cast<float>(logicalDpiY());
}

float TrackViewWidget::twipsX(double px) const {
  return static_cast<float>(px) * game_.view.twipsPerPixelX;
}
float TrackViewWidget::twipsY(double px) const {
  return static_cast<float>(px) * game_.view.twipsPerPixelY;
}

void TrackViewWidget::render() {
  ViewState& v = game_.view;
  if (picture_.size() != size() && width() > 0 && height() > 0) {
    picture_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    picture_.fill(toQColor(game_.track.backColor));
    if (!v.quickRedrawRequested) v.requestRepaint();
  }
  if (picture_.isNull() || (!v.redrawRequested && !v.quickRedrawRequested)) return;
  QElapsedTimer clock;
  clock.start();
  bool full = false;
  {
    QtCanvas canvas(picture_, v.twipsPerPixelX, v.twipsPerPixelY);
    full = renderRequested(game_, canvas);
  }
  if (full) v.lastFullFrameMs = static_cast<float>(clock.nsecsElapsed()) / 1.0e6f;
  update();
}

void TrackViewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!game_.view.visible || picture_.isNull()) {
    painter.fillRect(rect(), toQColor(game_.track.backColor));
    return;
  }
  painter.drawImage(0, 0, picture_);
}

void TrackViewWidget::resizeEvent(QResizeEvent*) {
  viewResized(game_, twipsX(width()), twipsY(height()));
  afterInput();
}

void TrackViewWidget::mousePressEvent(QMouseEvent* event) {
  const float x = twipsX(event->position().x()), y = twipsY(event->position().y());
  if (event->button() == Qt::LeftButton) {
    pointerPressed(game_, x, y);
    if (game_.view.mode == PointerMode::Select && !game_.view.resizeArmed && selectPressed)
      selectPressed(x, y);
  }
  afterInput();
}

void TrackViewWidget::mouseMoveEvent(QMouseEvent* event) {
  const Qt::MouseButtons b = event->buttons();
  const PointerButtons buttons =
      b & Qt::LeftButton ? PointerButtons::Left
                         : (b == Qt::NoButton ? PointerButtons::None : PointerButtons::Other);
  pointerMoved(game_, buttons, twipsX(event->position().x()), twipsY(event->position().y()),
               static_cast<float>(infoPanelHeight()));
  ViewState& v = game_.view;
  if (v.requestedHeight >= 0) {
    const int px = static_cast<int>(v.requestedHeight / v.twipsPerPixelY);
    v.requestedHeight = -1;
    if (resizeRequested) resizeRequested(px);
  }
  afterInput();
}

void TrackViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pointerReleased(game_);
  afterInput();
}

void TrackViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    doubleClicked(game_, twipsX(event->position().x()), twipsY(event->position().y()));
  afterInput();
}

void TrackViewWidget::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y() / 120;
  if (steps != 0 && game_.view.visible) {
    const float x = twipsX(event->position().x()), y = twipsY(event->position().y());
    zoomAbout(game_.view, x, y, steps > 0 ? ZoomStep : -ZoomStep);
  }
  event->accept();
  afterInput();
}

void TrackViewWidget::afterInput() {
  updateCursor();
  render();
}

void TrackViewWidget::updateCursor() {
  switch (game_.view.cursor) {
    case ViewCursor::ZoomView:
      setCursor(Qt::SizeVerCursor);
      break;
    case ViewCursor::TranslateView:
      setCursor(Qt::OpenHandCursor);
      break;
    case ViewCursor::Resize:
      setCursor(Qt::SplitVCursor);
      break;
    case ViewCursor::Arrow:
      setCursor(Qt::ArrowCursor);
      break;
  }
}

}  // namespace tarmaq
