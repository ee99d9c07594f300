// Drawing in track units: points go through the view transform and, for polygons, on to
// whole pixels. Also the turning of a point about a space centre that every shape on a
// space uses.
#pragma once

#include <vector>

#include "track/track_model.h"
#include "view/canvas.h"
#include "view/view_state.h"

namespace tarmaq {

// Rounds to a whole unit, halves to even as every conversion of the view does.
float roundUnit(float v);

// (x, y) turned about (cx, cy) by `angle` degrees (clockwise on the screen).
Point turnAbout(float x, float y, int angle, float cx, float cy);

// A point given in a space's own axes (x along the direction of travel, y across it,
// relative to the centre) placed on the plan.
inline Point onSpace(const Space& s, float dx, float dy) {
  return turnAbout(s.x + dx, s.y + dy, s.angle, s.x, s.y);
}

PixelPoint toPixels(const ViewState& view, Point p);

void drawPolygon(const ViewState& view, Canvas& canvas, const std::vector<Point>& points,
                 Color outline, PenMode pen, Color fill, FillStyle fillStyle);
void drawLine(const ViewState& view, Canvas& canvas, Point a, Point b, Color color,
              PenMode pen = PenMode::Copy, int widthPx = 1);

}  // namespace tarmaq
