#include "view/recording_canvas.h"

namespace tarmaq {

void RecordingCanvas::clear() { calls.push_back({}); }

void RecordingCanvas::setBackgroundColor(Color color) {
  CanvasCall c;
  c.kind = CanvasCall::Kind::Background;
  c.outline = color;
  calls.push_back(c);
}

void RecordingCanvas::polygon(const std::vector<PixelPoint>& points, Color outline, PenMode pen,
                              Color fill, FillStyle fillStyle) {
  CanvasCall c;
  c.kind = CanvasCall::Kind::Polygon;
  c.points = points;
  c.outline = outline;
  c.pen = pen;
  c.fill = fill;
  c.fillStyle = fillStyle;
  calls.push_back(c);
}

void RecordingCanvas::line(float x1, float y1, float x2, float y2, Color color, PenMode pen,
                           int widthPx) {
  CanvasCall c;
  c.kind = CanvasCall::Kind::Line;
  c.x1 = x1;
  c.y1 = y1;
  c.x2 = x2;
  c.y2 = y2;
  c.outline = color;
  c.pen = pen;
  c.widthPx = widthPx;
  calls.push_back(c);
}

void RecordingCanvas::text(float x, float y, float points, bool bold, const std::string& text,
                           Color color) {
  CanvasCall c;
  c.kind = CanvasCall::Kind::Text;
  c.x1 = x;
  c.y1 = y;
  c.size = points;
  c.bold = bold;
  c.text = text;
  c.outline = color;
  calls.push_back(c);
}

void RecordingCanvas::circle(float cx, float cy, float radius, Color outline, Color fill,
                             FillStyle fillStyle) {
  CanvasCall c;
  c.kind = CanvasCall::Kind::Circle;
  c.x1 = cx;
  c.y1 = cy;
  c.size = radius;
  c.outline = outline;
  c.fill = fill;
  c.fillStyle = fillStyle;
  calls.push_back(c);
}

std::vector<const CanvasCall*> RecordingCanvas::ofKind(CanvasCall::Kind kind) const {
  std::vector<const CanvasCall*> found;
  for (const auto& c : calls)
    if (c.kind == kind) found.push_back(&c);
  return found;
}

std::vector<const CanvasCall*> RecordingCanvas::polygonsFilled(Color fill) const {
  std::vector<const CanvasCall*> found;
  for (const auto& c : calls)
    if (c.kind == CanvasCall::Kind::Polygon && c.fill == fill) found.push_back(&c);
  return found;
}

}  // namespace tarmaq
