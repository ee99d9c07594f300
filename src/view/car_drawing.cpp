#include "view/car_drawing.h"

#include <vector>

#include "engine/game_state.h"
#include "view/draw_primitives.h"

namespace tarmaq {

namespace {

Color polygonColor(std::int32_t code, Color body, Color wing) {
  if (code == 1) return body;
  if (code == 2) return wing;
  return static_cast<Color>(code);
}

std::vector<Point> placeOnSpace(const Polygon& poly, const Space& s, int angle) {
  std::vector<Point> pts;
  pts.reserve(poly.points.size());
  for (const ClassPoint& p : poly.points) {
    const Point q =
        turnAbout(s.x + p.x * SpaceHalfLength, s.y + p.y * SpaceHalfWidth, angle, s.x, s.y);
    pts.push_back({roundUnit(q.x), roundUnit(q.y)});
  }
  return pts;
}

struct IconShape {
  Color fill;
  std::vector<Point> offsets;  // in units of the icon size
};

const IconShape& iconShape(int gear) {
  static const IconShape shapes[5] = {
      {0x00FFFF, {{0, -0.4f}, {0.4f, 0.25f}, {-0.4f, 0.25f}}},
      {0x00A0FF, {{-0.3f, -0.3f}, {0.3f, -0.3f}, {0.3f, 0.3f}, {-0.3f, 0.3f}}},
      {0x0000FF, {{0, -0.4f}, {0.4f, 0}, {0, 0.4f}, {-0.4f, 0}}},
      {0x008000, {{0, -0.4f}, {0.38f, -0.12f}, {0.23f, 0.32f}, {-0.23f, 0.32f}, {-0.38f, -0.12f}}},
      {0x800080,
       {{0, -0.4f}, {0.34f, -0.2f}, {0.34f, 0.2f}, {0, 0.4f}, {-0.34f, 0.2f}, {-0.34f, -0.2f}}},
  };
  return shapes[gear - 1];
}

}  // namespace

void drawCar(const Game& game, Canvas& canvas, int status, int location, Color body, Color wing,
             bool outlineOnly) {
  if (game.view.hideCars || status >= Finished || game.currRound == 0) return;
  const Space* s = game.track.space(location);
  if (!s) return;
  const int angle = status == SpunOut ? s->angle + 180 : s->angle;
  for (const Polygon& poly : game.raceClass.carShape) {
    const Color c = polygonColor(poly.color, body, wing);
    const auto pts = placeOnSpace(poly, *s, angle);
    if (outlineOnly)
      drawPolygon(game.view, canvas, pts, c, PenMode::Copy, c, FillStyle::Transparent);
    else
      drawPolygon(game.view, canvas, pts, Black, PenMode::Copy, c, FillStyle::Solid);
  }
}

void drawHazard(const Game& game, Canvas& canvas, int i) {
  if (i < 0 || i >= static_cast<int>(game.hazards.size())) return;
  const Hazard& h = game.hazards[static_cast<std::size_t>(i)];
  const Space* s = game.track.space(h.location);
  if (!s || h.kind < 0 || h.kind >= static_cast<int>(game.raceClass.hazardShapes.size())) return;
  const Car* car = game.car(h.car);
  const Color body = car ? car->color[0] : Black;
  const Color wing = car ? car->color[1] : Black;
  const Polygon& poly = game.raceClass.hazardShapes[static_cast<std::size_t>(h.kind)];
  drawPolygon(game.view, canvas, placeOnSpace(poly, *s, s->angle), Black, PenMode::Copy,
              polygonColor(poly.color, body, wing), FillStyle::Solid);
}

void drawDieIcon(const Game& game, Canvas& canvas, int gear, int lane, int space, float scale,
                 IconSide side) {
  if (gear < 1 || gear > 6) return;
  const Space* s = game.track.space(makeLocation(lane, space));
  if (!s) return;
  Point c{s->x, s->y};
  if (side != IconSide::Centre)
    c = onSpace(*s, (side == IconSide::Right ? 0.5f : -0.5f) * SpaceHalfLength, 0);
  const float size = SpaceHalfLength * scale;
  const ViewState& v = game.view;
  if (gear == 6) {
    canvas.circle(v.toScreenX(c.x), v.toScreenY(c.y), 0.35f * size * v.zoom, Black, Blue,
                  FillStyle::Solid);
    return;
  }
  const IconShape& shape = iconShape(gear);
  std::vector<Point> pts;
  for (const Point& o : shape.offsets)
    pts.push_back({roundUnit(c.x + o.x * size), roundUnit(c.y + o.y * size)});
  drawPolygon(v, canvas, pts, Black, PenMode::Copy, shape.fill, FillStyle::Solid);
}

void drawDieIcons(const Game& game, Canvas& canvas, int location) {
  if (location < 0 || game.currRound == 0) return;
  const int lane = laneOf(location), space = spaceIndexOf(location);
  const int n = game.track.spaceCount(lane);
  if (n == 0 || lane == game.track.pitLane || lane == game.track.garageLane) return;
  for (int g = 1; g <= 6; ++g) {
    if (!game.controls.driverCard.gears[static_cast<std::size_t>(g - 1)].enabled) continue;
    const GearDie* die = game.raceClass.gear(g);
    if (!die || die->faces.empty()) continue;
    drawDieIcon(game, canvas, g, lane, (space + die->lowest()) % n, 0.6f, IconSide::Left);
    drawDieIcon(game, canvas, g, lane, (space + die->highest()) % n, 1.0f, IconSide::Right);
  }
}

}  // namespace tarmaq
