// The track view's canvas on a picture: QPainter on a QImage. Polygons arrive in
// pixels, everything else in twips, converted with the screen's twips per pixel.
#pragma once

#include <QImage>
#include <QPainter>

#include "view/canvas.h"

namespace tarmaq {

QColor toQColor(Color color);

class QtCanvas : public Canvas {
 public:
  // Paints on `image` until destroyed. `twipsPerPixel` is 1440 / the logical DPI.
  QtCanvas(QImage& image, float twipsPerPixelX, float twipsPerPixelY);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void clear() override;
  void setBackgroundColor(Color color) override;
  void polygon(const std::vector<PixelPoint>& points, Color outline, PenMode pen, Color fill,
               FillStyle fillStyle) override;
  void line(float x1, float y1, float x2, float y2, Color color, PenMode pen, int widthPx) override;
  void text(float x, float y, float points, bool bold, const std::string& text,
            Color color) override;
  void circle(float cx, float cy, float radius, Color outline, Color fill,
              FillStyle fillStyle) override;

 private:
  void setPenMode(PenMode pen);

  QImage& image_;
  QPainter painter_;
  float tppX_;
  float tppY_;
  Color background_ = 0;
  QPolygon scratch_;
};

}  // namespace tarmaq
