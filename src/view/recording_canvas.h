// A canvas that keeps a list of what it was told to draw, for tests and measurements.
#pragma once

#include <vector>

#include "view/canvas.h"

namespace tarmaq {

struct CanvasCall {
  enum class Kind { Clear, Background, Polygon, Line, Text, Circle };
  Kind kind = Kind::Clear;
  std::vector<PixelPoint> points;        // polygon
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends; text and circle use (x1, y1)
  float size = 0;                        // text points, circle radius
  Color outline = 0;                     // also the line, text and background colour
  Color fill = 0;
  PenMode pen = PenMode::Copy;
  FillStyle fillStyle = FillStyle::Solid;
  int widthPx = 1;
  bool bold = false;
  std::string text;
};

class RecordingCanvas : public Canvas {
 public:
  std::vector<CanvasCall> calls;

  void clear() override;
  void setBackgroundColor(Color color) override;
  void polygon(const std::vector<PixelPoint>& points, Color outline, PenMode pen, Color fill,
               FillStyle fillStyle) override;
  void line(float x1, float y1, float x2, float y2, Color color, PenMode pen, int widthPx) override;
  void text(float x, float y, float points, bool bold, const std::string& text,
            Color color) override;
  void circle(float cx, float cy, float radius, Color outline, Color fill,
              FillStyle fillStyle) override;

  std::vector<const CanvasCall*> ofKind(CanvasCall::Kind kind) const;
  std::vector<const CanvasCall*> polygonsFilled(Color fill) const;
};

}  // namespace tarmaq
