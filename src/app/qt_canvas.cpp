#include "app/qt_canvas.h"

#include <QFont>
#include <QPen>

namespace tarmaq {

QColor toQColor(Color c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

namespace {

QBrush brushFor(Color fill, FillStyle style) {
  switch (style) {
    case FillStyle::Solid:
      return QBrush(toQColor(fill));
    case FillStyle::CrossHatch:
      return QBrush(toQColor(fill), Qt::CrossPattern);
    case FillStyle::Transparent:
      break;
  }
  return Qt::NoBrush;
}

}  // namespace

QtCanvas::QtCanvas(QImage& image, float twipsPerPixelX, float twipsPerPixelY)
    : image_(image), painter_(&image), tppX_(twipsPerPixelX), tppY_(twipsPerPixelY) {}

QtCanvas::~QtCanvas() { painter_.end(); }

void QtCanvas::setPenMode(PenMode pen) {
  painter_.setCompositionMode(pen == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                  : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::clear() {
  setPenMode(PenMode::Copy);
  painter_.fillRect(image_.rect(), toQColor(background_));
}

void QtCanvas::setBackgroundColor(Color color) {
  background_ = color;
  clear();
}

void QtCanvas::polygon(const std::vector<PixelPoint>& points, Color outline, PenMode pen,
                       Color fill, FillStyle fillStyle) {
  // Pixel positions are fixed by the view: no antialiasing, which would move edges.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  setPenMode(pen);
  scratch_.resize(static_cast<int>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i)
    scratch_[static_cast<int>(i)] = QPoint(points[i].x, points[i].y);
  painter_.setPen(QPen(toQColor(outline), 0));
  painter_.setBrush(brushFor(fill, fillStyle));
  painter_.drawPolygon(scratch_);
}

void QtCanvas::line(float x1, float y1, float x2, float y2, Color color, PenMode pen, int widthPx) {
  // An exclusive-or line must touch each pixel once, so it stays aliased.
  painter_.setRenderHint(QPainter::Antialiasing, pen == PenMode::Copy);
  setPenMode(pen);
  QPen p(toQColor(color), widthPx);
  p.setCapStyle(Qt::FlatCap);
  painter_.setPen(p);
  painter_.drawLine(QPointF(x1 / tppX_, y1 / tppY_), QPointF(x2 / tppX_, y2 / tppY_));
}

void QtCanvas::text(float x, float y, float points, bool bold, const std::string& text,
                    Color color) {
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  setPenMode(PenMode::Copy);
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  // A point is 20 twips.
  font.setPixelSize(std::max(1, static_cast<int>(points * 20 / tppY_ + 0.5f)));
  font.setBold(bold);
  painter_.setFont(font);
  painter_.setPen(toQColor(color));
  painter_.drawText(QPointF(x / tppX_, y / tppY_ + QFontMetricsF(font).ascent()),
                    QString::fromStdString(text));
}

void QtCanvas::circle(float cx, float cy, float radius, Color outline, Color fill,
                      FillStyle fillStyle) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  setPenMode(PenMode::Copy);
  painter_.setPen(QPen(toQColor(outline), 0));
  painter_.setBrush(brushFor(fill, fillStyle));
  painter_.drawEllipse(QPointF(cx / tppX_, cy / tppY_), radius / tppX_, radius / tppY_);
}

}  // namespace tarmaq
