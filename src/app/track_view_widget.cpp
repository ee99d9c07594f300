#include "app/track_view_widget.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/pictures.h"
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
  updateCursor();
}

float TrackViewWidget::twipsX(double px) const {
  return static_cast<float>(px) * game_.view.twipsPerPixelX;
}
float TrackViewWidget::twipsY(double px) const {
  return static_cast<float>(px) * game_.view.twipsPerPixelY;
}

void TrackViewWidget::render() {
  ViewState& v = game_.view;
  // The picture has the screen's own pixels, so the track stays sharp on a high-density
  // screen; the canvas draws on it in logical pixels.
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if ((picture_.size() != pixels || picture_.devicePixelRatio() != ratio) && width() > 0 &&
      height() > 0) {
    picture_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(ratio);
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
  } else if (event->button() == Qt::RightButton && rightPressed) {
    rightPressed(x, y);
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
  ViewCursorPicture picture = ViewCursorPicture::Select;
  switch (game_.view.cursor) {
    case ViewCursor::ZoomView:
      picture = ViewCursorPicture::ZoomView;
      break;
    case ViewCursor::TranslateView:
      picture = ViewCursorPicture::TranslateView;
      break;
    case ViewCursor::Resize:
      picture = ViewCursorPicture::Resize;
      break;
    case ViewCursor::Arrow:
      break;
  }
  const qreal ratio = devicePixelRatioF();
  if (picture == shownCursor_ && ratio == shownCursorRatio_) return;
  shownCursor_ = picture;
  shownCursorRatio_ = ratio;
  setCursor(viewCursor(picture, ratio));
}

}  // namespace tarmaq
