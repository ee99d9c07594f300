#include "view/track_drawing.h"

#include <cmath>

#include "engine/game_state.h"
#include "view/draw_primitives.h"

namespace tarmaq {

namespace {

Point rounded(Point p) { return {roundUnit(p.x), roundUnit(p.y)}; }

Point midpoint(Point a, Point b) { return rounded({(a.x + b.x) / 2, (a.y + b.y) / 2}); }

bool meet(Point a, Point b) { return std::fabs(a.x - b.x) <= 2 && std::fabs(a.y - b.y) <= 2; }

Color pitColor(const Game& game, int box) {
  if (box < 0 || box >= static_cast<int>(game.pitColors.size())) return Black;
  return game.pitColors[static_cast<std::size_t>(box)];
}

// The painted arrow: a shaft along the space and a head, optionally turned about the
// tail for a lane-change arrow.
void drawArrow(const Game& game, Canvas& canvas, const Space& s, int turn, int widthPx) {
  const float f = s.lengthFactor;
  const float L = SpaceHalfLength, W = SpaceHalfWidth;
  const Point q1{-0.7f * L * f, 0};
  Point q[3] = {{0.7f * L * f, 0}, {0.2f * L * f, -0.4f * W}, {0.2f * L * f, 0.4f * W}};
  if (turn != 0)
    for (Point& p : q) p = turnAbout(p.x, p.y, turn, q1.x, q1.y);
  const Point a = onSpace(s, q1.x, q1.y);
  const Point b = onSpace(s, q[0].x, q[0].y);
  drawLine(game.view, canvas, a, b, Black, PenMode::Copy, widthPx);
  drawLine(game.view, canvas, b, onSpace(s, q[1].x, q[1].y), Black, PenMode::Copy, widthPx);
  drawLine(game.view, canvas, b, onSpace(s, q[2].x, q[2].y), Black, PenMode::Copy, widthPx);
}

void drawChequeredBand(const Game& game, Canvas& canvas, const Space& s,
                       std::initializer_list<float> fronts) {
  const float L = SpaceHalfLength, W = SpaceHalfWidth;
  bool columnStartsBlack = true;
  for (float e : fronts) {
    bool black = columnStartsBlack;
    for (int row = 0; row < 4; ++row) {
      const float top = -W + static_cast<float>(row) * 0.5f * W;
      const float front = e * L, back = (e - 0.25f) * L;
      std::vector<Point> square = {rounded(onSpace(s, back, top)), rounded(onSpace(s, front, top)),
                                   rounded(onSpace(s, front, top + 0.5f * W)),
                                   rounded(onSpace(s, back, top + 0.5f * W))};
      const Color fill = black ? Black : White;
      drawPolygon(game.view, canvas, square, Black, PenMode::Copy, fill, FillStyle::Solid);
      black = !black;
    }
    columnStartsBlack = !columnStartsBlack;
  }
}

}  // namespace

bool spaceCulled(const ViewState& v, const Space& space) {
  const float sx = v.toScreenX(space.x), sy = v.toScreenY(space.y);
  const float mx = 2 * SpaceHalfLength * v.zoom, my = 2 * SpaceHalfWidth * v.zoom;
  return sx < -mx || sx > v.width + mx || sy < -my || sy > v.height + my;
}

std::vector<Point> spaceOutline(const Track& track, int lane, int index, int detail) {
  const Space* sp = track.space(makeLocation(lane, index));
  if (!sp) return {};
  const auto& v = sp->vertex;
  const int n = track.spaceCount(lane);
  const bool plain = detail <= 0 || lane == track.garageLane ||
                     (lane == track.pitLane && (index == 0 || index == n - 1));
  if (plain) return {rounded(v[0]), rounded(v[1]), rounded(v[2]), rounded(v[3])};

  const Space& prev = *track.space(makeLocation(lane, (index + n - 1) % n));
  const Space& next = *track.space(makeLocation(lane, (index + 1) % n));
  const bool backJoint = sp->edgeType != 2 && sp->edgeType != 3;
  const bool frontJoint = sp->edgeType != 1 && sp->edgeType != 4;
  std::vector<Point> pts;
  pts.reserve(8);
  if (backJoint && !meet(v[0], prev.vertex[1])) pts.push_back(midpoint(prev.vertex[1], v[0]));
  pts.push_back(rounded(v[0]));
  pts.push_back(rounded(v[1]));
  if (frontJoint && !meet(v[1], next.vertex[0])) pts.push_back(midpoint(v[1], next.vertex[0]));
  if (frontJoint && !meet(v[2], next.vertex[3])) pts.push_back(midpoint(v[2], next.vertex[3]));
  pts.push_back(rounded(v[2]));
  pts.push_back(rounded(v[3]));
  if (backJoint && !meet(v[3], prev.vertex[2])) pts.push_back(midpoint(v[3], prev.vertex[2]));
  return pts;
}

void drawTrackShapes(const Game& game, Canvas& canvas) {
  for (const TrackShape& shape : game.track.shapes) {
    if (shape.minDetail > game.options.trackDetail) continue;
    std::vector<Point> pts;
    pts.reserve(shape.points.size());
    for (const auto& p : shape.points)
      pts.push_back({static_cast<float>(p[0]), static_cast<float>(p[1])});
    drawPolygon(game.view, canvas, pts, shape.outlineColor, PenMode::Copy, shape.fillColor,
                FillStyle::Solid);
  }
}

void drawGapFillers(const Game& game, Canvas& canvas) {
  for (const Lane& lane : game.track.lanes) {
    for (std::size_t s = 0; s + 1 < lane.spaces.size(); ++s) {
      const Space& here = lane.spaces[s];
      if (here.edgeType != 1) continue;
      const Space& next = lane.spaces[s + 1];
      drawPolygon(game.view, canvas,
                  {rounded(here.vertex[1]), rounded(next.vertex[0]), rounded(next.vertex[3]),
                   rounded(here.vertex[2])},
                  Black, PenMode::Copy, DarkGrey, FillStyle::Solid);
    }
  }
}

void drawSpace(const Game& game, Canvas& canvas, int lane, int index, Color fill,
               FillStyle fillStyle) {
  const Space* sp = game.track.space(makeLocation(lane, index));
  if (!sp || spaceCulled(game.view, *sp)) return;
  const Color outline = sp->marker >= 26 && sp->marker <= 28 ? Red : Black;
  if (fillStyle != FillStyle::CrossHatch && sp->marker >= 40 && sp->marker <= 49)
    fill = pitColor(game, sp->marker - 40);
  drawPolygon(game.view, canvas, spaceOutline(game.track, lane, index, game.options.trackDetail),
              outline, PenMode::Copy, fill, fillStyle);
}

void drawSpaceMarks(const Game& game, Canvas& canvas, int lane, int index) {
  const int location = makeLocation(lane, index);
  const Space* sp = game.track.space(location);
  if (!sp || spaceCulled(game.view, *sp)) return;
  const Space& s = *sp;
  const float L = SpaceHalfLength, W = SpaceHalfWidth;
  for (int i = 1; i <= 20; ++i) {
    if (game.track.gridLocations[static_cast<std::size_t>(i)] != location) continue;
    const Point p1 = onSpace(s, 0.7f * L, -0.6f * W), p2 = onSpace(s, 0.7f * L, 0.6f * W);
    const Point p3 = onSpace(s, 0.5f * L, -0.6f * W), p4 = onSpace(s, 0.5f * L, 0.6f * W);
    drawLine(game.view, canvas, p1, p2, White);
    drawLine(game.view, canvas, p1, p3, White);
    drawLine(game.view, canvas, p2, p4, White);
  }
  const int m = s.marker;
  if (m == 25) {
    drawArrow(game, canvas, s, 0, 2);
  } else if (m >= 26 && m <= 28) {
    drawArrow(game, canvas, s, 0, 1);
    if (m != 26) drawArrow(game, canvas, s, m == 27 ? -15 : 15, 1);
  } else if (m >= 30 && m <= 39) {
    const Color c = pitColor(game, m - 30);
    const Point box[4] = {onSpace(s, 0.7f * L, -0.6f * W), onSpace(s, -0.7f * L, -0.6f * W),
                          onSpace(s, -0.7f * L, -0.25f * W), onSpace(s, 0.7f * L, -0.25f * W)};
    for (int k = 0; k < 4; ++k) drawLine(game.view, canvas, box[k], box[(k + 1) % 4], c);
  } else if (m == 50) {
    drawChequeredBand(game, canvas, s, {0.5f, 0.25f, 0.0f, -0.25f});
  } else if (m == 51) {
    drawChequeredBand(game, canvas, s, {-0.5f, -0.75f});
  } else if (m == 52) {
    drawChequeredBand(game, canvas, s, {1.0f, 0.75f});
  }
}

void drawCornerSign(const Game& game, Canvas& canvas, int corner) {
  if (corner < 0 || corner >= static_cast<int>(game.track.corners.size())) return;
  const Corner& c = game.track.corners[static_cast<std::size_t>(corner)];
  const ViewState& v = game.view;
  drawPolygon(v, canvas,
              {{c.signLeft, c.signTop},
               {c.signRight, c.signTop},
               {c.signRight, c.signBottom},
               {c.signLeft, c.signBottom}},
              Black, PenMode::Copy, Yellow, FillStyle::Solid);
  const float postRight = c.signX + 0.1f * SpaceHalfLength;
  const float postFoot = c.signBottom + SpaceHalfLength;
  drawPolygon(
      v, canvas,
      {{c.signX, c.signTop}, {postRight, c.signTop}, {postRight, postFoot}, {c.signX, postFoot}},
      Black, PenMode::Copy, Silver, FillStyle::Solid);
  canvas.text(v.toScreenX(c.signLeft + 0.1f * SpaceHalfLength), v.toScreenY(c.signTop), v.zoom * 7,
              false, std::to_string(c.requiredStops), Black);
}

}  // namespace tarmaq
