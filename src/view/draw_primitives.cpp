#include "view/draw_primitives.h"

#include <cmath>

#include "track/track_geometry.h"

namespace tarmaq {

float roundUnit(float v) { return std::nearbyint(v); }

Point turnAbout(float x, float y, int angle, float cx, float cy) {
  return {rotateX(x, y, angle, cx, cy), rotateY(x, y, angle, cx, cy)};
}

PixelPoint toPixels(const ViewState& view, Point p) {
  const float px = std::nearbyint(view.toScreenX(p.x) / view.twipsPerPixelX);
  const float py = std::nearbyint(view.toScreenY(p.y) / view.twipsPerPixelY);
  // Far outside any screen: clamp rather than overflow the integer.
  auto clampInt = [](float v) {
    constexpr float limit = 1.0e8f;
    return static_cast<int>(v < -limit ? -limit : (v > limit ? limit : v));
  };
  return {clampInt(px), clampInt(py)};
}

void drawPolygon(const ViewState& view, Canvas& canvas, const std::vector<Point>& points,
                 Color outline, PenMode pen, Color fill, FillStyle fillStyle) {
  if (points.empty()) return;
  std::vector<PixelPoint> pixels;
  pixels.reserve(points.size());
  for (const Point& p : points) pixels.push_back(toPixels(view, p));
  canvas.polygon(pixels, outline, pen, fill, fillStyle);
}

void drawLine(const ViewState& view, Canvas& canvas, Point a, Point b, Color color, PenMode pen,
              int widthPx) {
  canvas.line(view.toScreenX(a.x), view.toScreenY(a.y), view.toScreenX(b.x), view.toScreenY(b.y),
              color, pen, widthPx);
}

}  // namespace tarmaq
