#include "track/track_geometry.h"

#include <cmath>

namespace tarmaq {

namespace {

float radians(int angle) { return static_cast<float>(angle) * 3.14159265358979f / 180.0f; }

}  // namespace

float rotateX(float x, float y, int angle, float cx, float cy) {
  float t = radians(angle);
  return cx + (x - cx) * std::cos(t) - (y - cy) * std::sin(t);
}

float rotateY(float x, float y, int angle, float cx, float cy) {
  float t = radians(angle);
  return cy + (x - cx) * std::sin(t) + (y - cy) * std::cos(t);
}

void computeSpaceVertices(Space& space) {
  const float l = SpaceHalfLength * space.lengthFactor;
  const float w = SpaceHalfWidth;
  const float xs[4] = {space.x - l, space.x + l, space.x + l, space.x - l};
  const float ys[4] = {space.y - w, space.y - w, space.y + w, space.y + w};
  for (std::size_t i = 0; i < 4; ++i) {
    space.vertex[i].x = rotateX(xs[i], ys[i], space.angle, space.x, space.y);
    space.vertex[i].y = rotateY(xs[i], ys[i], space.angle, space.x, space.y);
  }
}

float triangleArea(float ax, float ay, float bx, float by, float px, float py) {
  return ((bx - ax) * (py - ay) - (px - ax) * (by - ay)) / 2.0f;
}

bool pointInSpace(float px, float py, const Point& v1, const Point& v2, const Point& v3,
                  const Point& v4) {
  return triangleArea(v1.x, v1.y, v2.x, v2.y, px, py) > 0 &&
         triangleArea(v2.x, v2.y, v3.x, v3.y, px, py) > 0 &&
         triangleArea(v3.x, v3.y, v4.x, v4.y, px, py) > 0 &&
         triangleArea(v4.x, v4.y, v1.x, v1.y, px, py) > 0;
}

Shade colorShade(std::uint32_t color) {
  const std::uint32_t red = color % 256, green = (color % 65536) / 256, blue = color / 65536;
  return red >= 128 || green >= 128 || blue >= 128 ? Shade::Light : Shade::Dark;
}

const char* shadeName(Shade shade) { return shade == Shade::Light ? "Light" : "Dark"; }

}  // namespace tarmaq
