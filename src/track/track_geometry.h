// Geometry of the plan: turning points, the polygon of a space, hit-testing a space, and
// the dark/light test of a colour. Pure functions on track units (y grows downwards, so
// a positive angle turns clockwise on the screen).
#pragma once

#include <cstdint>
#include <string>

#include "track/track_model.h"

namespace tarmaq {

// The point (x, y) turned about (cx, cy) by `angle` degrees. The angle is taken to
// radians in single precision, as every stored track value is a single.
float rotateX(float x, float y, int angle, float cx, float cy);
float rotateY(float x, float y, int angle, float cx, float cy);

// Sets the four vertices of a space from its centre, angle and length factor: back-left,
// front-left, front-right, back-right, the front being the direction of travel.
void computeSpaceVertices(Space& space);

// Half the cross product of (b - a) and (p - a): positive when p lies to the right of
// a→b on the screen.
float triangleArea(float ax, float ay, float bx, float by, float px, float py);

// True when (px, py) lies strictly inside the quadrilateral v1..v4 (a space's vertices
// in their order). A point on an edge, and every point of a degenerate space, is outside.
bool pointInSpace(float px, float py, const Point& v1, const Point& v2, const Point& v3,
                  const Point& v4);
inline bool pointInSpace(float px, float py, const Space& space) {
  return pointInSpace(px, py, space.vertex[0], space.vertex[1], space.vertex[2], space.vertex[3]);
}

enum class Shade { Light, Dark };
// Light when any of red, green or blue (colour 0x00BBGGRR) is 128 or more.
Shade colorShade(std::uint32_t color);
// "Light" or "Dark".
const char* shadeName(Shade shade);

}  // namespace tarmaq
