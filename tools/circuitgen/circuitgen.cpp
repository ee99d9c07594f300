// tarmaq-circuitgen: compiles a short description of a circuit into a track file.
//
//   tarmaq-circuitgen DESCRIPTION OUTPUT.trk
//
// A description is a list of lines; "#" starts a comment. Header lines give the texts
// of the track information (name, description, location, version, date, time, author,
// designer), the weather ("weather 7 12": the last rainy and the last changeable roll),
// the heading of the start straight in degrees (0 runs to the right, 90 downwards), the
// side of the pit lane ("pit left" or "pit right"), and the background colour as red,
// green and blue. Then the lap, from the start/finish line round to it again:
//
//   straight 9                     9 spaces of 200 units
//   straight auto                  a length the generator chooses to close the lap
//   corner "Name" radius 600 angle 90 stops 2
//
// Radii are those of the middle lane in track units; a positive angle turns right (as
// seen by the driver), a negative one left. The lap must turn 360 degrees in all, and
// exactly two straights that do not run parallel are "auto", so the lap closes exactly.
// The first and the last sections are straights: together they are the start/finish
// straight, with the grid behind the line and the pit lane beside it.
//
// What the generator lays out, and why:
// - Three racing lanes "Left", "Middle", "Right", 100 units apart. Every lane has a space
//   at every cross-section, so positions agree across lanes; in corners the inner spaces
//   are shorter and the outer ones longer.
// - Diagonal links lead to the neighbouring lane's next space, side links to the spaces
//   alongside. Segments are even on straights and 2k + 1 in corner k.
// - Corner spaces carry marker 21, which paints nothing: the longest run of unmarked
//   spaces, which the track information shows as the longest straight, then counts
//   straight spaces only.
// - The grid: 20 places, two columns staggered by one space, the pole in the lane on the
//   inside of the first corner. The chequered band lies on the first space of each lane.
// - The pit lane runs beside the start/finish straight, one lane width plus a wall off
//   the track: it is entered before the line and left after it, so the first step back
//   on the track after a stop is the one that completes the lap. It holds ten boxes
//   with a garage each beside them. Lane order says which side it is on: with the pit
//   lane on the right the file lists Left, Middle, Right, Pit, Garages (a car turns right
//   into its garage); on the left, Garages, Pit, Left, Middle, Right (it turns left).
// - Shapes: the tarmac under every section and the pit apron (always drawn), stands and
//   the pit building (detail 1 and up), gravel run-off outside every corner (2 and up),
//   kerbs inside every corner (3 and up).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double SpaceLength = 200;
constexpr double LaneWidth = 100;
constexpr int GridPlaces = 20;
constexpr int PitBoxes = 10;
constexpr int CornerMarker = 21;
constexpr int ChequeredMarker = 51;  // band across the back of the space: the line
constexpr int PitArrowMarker = 26;
// Pit lane layout, in cross-sections: spaces of the pit lane beside the track before the
// first box, the boxes, and after the last box.
constexpr int PitApproach = 2;
constexpr int PitAfter = 2;
constexpr int PitBeforeLine = 7;   // straight pit spaces beside the lap's last cross-sections
constexpr double PitOffset = 240;  // centre of the pit lane from the middle lane
constexpr double GarageOffset = 340;

struct Failure {
  std::string text;
};

struct Section {
  bool corner = false;
  bool autoLength = false;
  double length = 0;  // straights
  double radius = 0;  // corners
  double angle = 0;   // degrees, positive to the right
  int stops = 1;
  std::string name;
  int line = 0;
  // Worked out by the layout.
  int spaces = 0;
  double x0 = 0, y0 = 0, heading0 = 0;  // start of the middle line (heading in degrees)
};

struct Description {
  std::string name, description, location, version = "1.0", date, time, author, designer = "2.0";
  int rainy = 7, changeable = 12;
  double heading = 0;
  int pitSide = 1;  // +1 right, -1 left
  std::uint32_t background = 0x32783C;
  std::vector<Section> sections;
};

std::vector<std::string> tokens(const std::string& line, int number) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
    } else if (line[i] == '#') {
      break;
    } else if (line[i] == '"') {
      std::size_t close = line.find('"', i + 1);
      if (close == std::string::npos)
        throw Failure{"line " + std::to_string(number) + ": a quote is not closed"};
      out.push_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      std::size_t end = line.find_first_of(" \t\r#", i);
      if (end == std::string::npos) end = line.size();
      out.push_back(line.substr(i, end - i));
      i = end;
    }
  }
  return out;
}

double number(const std::string& s, int line) {
  try {
    std::size_t used = 0;
    double v = std::stod(s, &used);
    if (used == s.size() && std::isfinite(v)) return v;
  } catch (...) {
  }
  throw Failure{"line " + std::to_string(line) + ": \"" + s + "\" is no number"};
}

Description readDescription(std::istream& in) {
  Description d;
  std::string text;
  int n = 0;
  while (std::getline(in, text)) {
    ++n;
    auto t = tokens(text, n);
    if (t.empty()) continue;
    const std::string& key = t[0];
    auto arg = [&](std::size_t i) -> const std::string& {
      if (i >= t.size()) throw Failure{"line " + std::to_string(n) + ": " + key + " needs more"};
      return t[i];
    };
    if (key == "name")
      d.name = arg(1);
    else if (key == "description")
      d.description = arg(1);
    else if (key == "location")
      d.location = arg(1);
    else if (key == "version")
      d.version = arg(1);
    else if (key == "date")
      d.date = arg(1);
    else if (key == "time")
      d.time = arg(1);
    else if (key == "author")
      d.author = arg(1);
    else if (key == "designer")
      d.designer = arg(1);
    else if (key == "weather") {
      d.rainy = static_cast<int>(number(arg(1), n));
      d.changeable = static_cast<int>(number(arg(2), n));
    } else if (key == "heading") {
      d.heading = number(arg(1), n);
    } else if (key == "pit") {
      if (arg(1) != "left" && arg(1) != "right")
        throw Failure{"line " + std::to_string(n) + ": pit is left or right"};
      d.pitSide = arg(1) == "left" ? -1 : 1;
    } else if (key == "background") {
      auto c = [&](std::size_t i) { return static_cast<std::uint32_t>(number(arg(i), n)) & 0xFF; };
      d.background = c(1) | c(2) << 8 | c(3) << 16;
    } else if (key == "straight") {
      Section s;
      s.line = n;
      if (arg(1) == "auto")
        s.autoLength = true;
      else
        s.length = number(arg(1), n) * SpaceLength;
      d.sections.push_back(s);
    } else if (key == "corner") {
      Section s;
      s.corner = true;
      s.line = n;
      s.name = arg(1);
      for (std::size_t i = 2; i + 1 < t.size(); i += 2) {
        double v = number(t[i + 1], n);
        if (t[i] == "radius")
          s.radius = v;
        else if (t[i] == "angle")
          s.angle = v;
        else if (t[i] == "stops")
          s.stops = static_cast<int>(v);
        else
          throw Failure{"line " + std::to_string(n) + ": unknown \"" + t[i] + "\""};
      }
      if (s.radius < 200) throw Failure{"line " + std::to_string(n) + ": radius below 200"};
      if (s.angle == 0 || std::fabs(s.angle) > 270)
        throw Failure{"line " + std::to_string(n) + ": angle must be between -270 and 270"};
      if (s.stops < 1 || s.stops > 3) throw Failure{"line " + std::to_string(n) + ": 1 to 3 stops"};
      d.sections.push_back(s);
    } else {
      throw Failure{"line " + std::to_string(n) + ": unknown \"" + key + "\""};
    }
  }
  if (d.sections.size() < 3 || d.sections.front().corner || d.sections.back().corner)
    throw Failure{"the lap must begin and end with a straight"};
  return d;
}

double rad(double degrees) { return degrees * Pi / 180; }

struct Vec {
  double x = 0, y = 0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
double norm(Vec a) { return std::hypot(a.x, a.y); }
Vec direction(double degrees) { return {std::cos(rad(degrees)), std::sin(rad(degrees))}; }
// To the driver's right: y grows downwards, so a quarter turn clockwise on the screen.
Vec rightOf(double degrees) { return direction(degrees + 90); }

// A point of the middle line within a section (t from 0 to 1) and the heading there.
struct Frame {
  Vec at;
  double heading = 0;
  Vec lane(double offset) const { return at + rightOf(heading) * offset; }
};

Frame frameIn(const Section& s, double t) {
  Vec start{s.x0, s.y0};
  if (!s.corner) return {start + direction(s.heading0) * (s.length * t), s.heading0};
  const double turn = s.angle > 0 ? 1 : -1;
  Vec centre = start + rightOf(s.heading0) * (s.radius * turn);
  const double h = s.heading0 + s.angle * t;
  return {centre - rightOf(h) * (s.radius * turn), h};
}

Vec displacement(const Section& s) {
  Section copy = s;
  copy.x0 = copy.y0 = 0;
  return frameIn(copy, 1).at;
}

// Lays the sections end to end, choosing the two automatic straights so that the lap
// closes, and splits each section into cross-sections.
void layOut(Description& d) {
  double heading = d.heading, turned = 0;
  std::vector<std::size_t> autos;
  Vec fixed;
  for (std::size_t i = 0; i < d.sections.size(); ++i) {
    Section& s = d.sections[i];
    s.heading0 = heading;
    if (s.autoLength)
      autos.push_back(i);
    else
      fixed = fixed + displacement(s);
    if (s.corner) heading += s.angle, turned += s.angle;
  }
  if (std::fabs(std::fabs(turned) - 360) > 1e-6)
    throw Failure{"the corners turn " + std::to_string(turned) + " degrees, not 360"};
  if (autos.size() != 2) throw Failure{"exactly two straights must be \"auto\""};
  Vec a = direction(d.sections[autos[0]].heading0), b = direction(d.sections[autos[1]].heading0);
  const double det = a.x * b.y - b.x * a.y;
  if (std::fabs(det) < 1e-6) throw Failure{"the two automatic straights run parallel"};
  const double la = (-fixed.x * b.y + b.x * fixed.y) / det;
  const double lb = (a.x * -fixed.y + fixed.x * a.y) / det;
  for (auto [i, l] : {std::pair{autos[0], la}, std::pair{autos[1], lb}}) {
    if (l < SpaceLength)
      throw Failure{"line " + std::to_string(d.sections[i].line) +
                    ": the lap cannot close with this straight (it would be " +
                    std::to_string(l / SpaceLength) + " spaces)"};
    d.sections[i].length = l;
  }
  Vec at;
  for (Section& s : d.sections) {
    s.x0 = at.x;
    s.y0 = at.y;
    at = at + displacement(s);
    const double run = s.corner ? s.radius * rad(std::fabs(s.angle)) : s.length;
    s.spaces = std::max(1, static_cast<int>(std::lround(run / SpaceLength)));
  }
}

struct Space {
  double x = 0, y = 0;
  int angle = 0;
  double lengthFactor = 1;
  int marker = 0;
  double position = 0;
  int next1 = -1, next2 = -1;
  int side[4] = {-1, -1, -1, -1};
  int segment = 0;
  int edge = 0;
};

struct Lane {
  std::string name;
  std::vector<Space> spaces;
};

struct Corner {
  std::string name;
  int stops = 0, longest = 0, shortest = 0;
  double signX = 0, signY = 0;
};

struct Shape {
  int minDetail = 0;
  std::uint32_t fill = 0, outline = 0;
  std::vector<Vec> points;
};

std::uint32_t rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(b) << 16;
}

int roundAngle(double degrees) {
  int a = static_cast<int>(std::lround(degrees));
  a %= 360;
  if (a > 180) a -= 360;
  if (a <= -180) a += 360;
  return a;
}

Space spaceBetween(Vec from, Vec to) {
  Space s;
  Vec mid = (from + to) * 0.5;
  s.x = mid.x;
  s.y = mid.y;
  s.angle = roundAngle(std::atan2(to.y - from.y, to.x - from.x) * 180 / Pi);
  s.lengthFactor = norm(to - from) / SpaceLength;
  return s;
}

struct Circuit {
  std::vector<Lane> lanes;
  std::vector<Corner> corners;
  std::vector<Shape> shapes;
  int grid[GridPlaces] = {};
};

// A band beside the middle line of a section, from offset `inner` to `outer`, over
// [t0, t1] of the section; `steps` points a side.
Shape band(const Section& s, double t0, double t1, double inner, double outer, int steps,
           int minDetail, std::uint32_t fill, std::uint32_t outline) {
  Shape shape{minDetail, fill, outline, {}};
  for (int i = 0; i <= steps; ++i)
    shape.points.push_back(frameIn(s, t0 + (t1 - t0) * i / steps).lane(inner));
  for (int i = steps; i >= 0; --i)
    shape.points.push_back(frameIn(s, t0 + (t1 - t0) * i / steps).lane(outer));
  return shape;
}

int arcSteps(const Section& s) {
  return s.corner ? std::max(2, static_cast<int>(std::ceil(std::fabs(s.angle) / 10))) : 1;
}

Circuit build(const Description& d) {
  Circuit c;
  // Cross-sections: the frame at the start of each and the section it lies in.
  std::vector<Frame> frames;
  std::vector<int> sectionOf;
  std::vector<int> segmentOf;
  int cornerCount = 0;
  for (std::size_t i = 0; i < d.sections.size(); ++i) {
    const Section& s = d.sections[i];
    const int segment =
        s.corner ? 2 * cornerCount + 1 : (i + 1 == d.sections.size() ? 0 : 2 * cornerCount);
    for (int k = 0; k < s.spaces; ++k) {
      frames.push_back(frameIn(s, static_cast<double>(k) / s.spaces));
      sectionOf.push_back(static_cast<int>(i));
      segmentOf.push_back(segment);
    }
    if (s.corner) ++cornerCount;
  }
  const int n = static_cast<int>(frames.size());
  if (n < 60 || n > 120) std::cerr << "tarmaq-circuitgen: note: the lap has " << n << " spaces\n";
  auto frame = [&](int k) { return frames[static_cast<std::size_t>(((k % n) + n) % n)]; };
  auto straightAt = [&](int k) {
    return segmentOf[static_cast<std::size_t>(((k % n) + n) % n)] % 2 == 0;
  };
  const int gridStart = n - GridPlaces;
  const int pitFirst = n - PitBeforeLine - PitApproach - 2;        // cross-section A
  const int pitSpaces = PitApproach + PitBoxes + PitAfter;         // between the two wedges
  const int exitAt = n - PitBeforeLine - PitApproach + pitSpaces;  // cross-section C, unwrapped
  for (int k = std::min(gridStart, pitFirst - 1); k <= exitAt + 1; ++k)
    if (!straightAt(k))
      throw Failure{"the start/finish straight is too short for the grid and the pit lane"};

  // Lane indices in file order.
  const int side = d.pitSide;
  const int left = side > 0 ? 0 : 2, middle = left + 1, right = left + 2;
  const int pit = side > 0 ? 3 : 1, garages = side > 0 ? 4 : 0;
  c.lanes.resize(5);
  c.lanes[static_cast<std::size_t>(left)].name = "Left";
  c.lanes[static_cast<std::size_t>(middle)].name = "Middle";
  c.lanes[static_cast<std::size_t>(right)].name = "Right";
  c.lanes[static_cast<std::size_t>(pit)].name = "Pit";
  c.lanes[static_cast<std::size_t>(garages)].name = "Garages";
  auto code = [&](int lane, int k) { return lane * 1000 + ((k % n) + n) % n; };
  auto laneRef = [&](int lane) -> Lane& { return c.lanes[static_cast<std::size_t>(lane)]; };

  const int racing[3] = {left, middle, right};
  const double offsets[3] = {-LaneWidth, 0, LaneWidth};
  for (int l = 0; l < 3; ++l) {
    for (int k = 0; k < n; ++k) {
      Space s = spaceBetween(frame(k).lane(offsets[l]), frame(k + 1).lane(offsets[l]));
      if (k == n - 1) {
        const Section& last = d.sections.back();
        s = spaceBetween(frame(k).lane(offsets[l]), frameIn(last, 1).lane(offsets[l]));
      }
      s.position = k + 1;
      s.segment = segmentOf[static_cast<std::size_t>(k)];
      if (s.segment % 2 == 1) s.marker = CornerMarker;
      if (k == 0) s.marker = ChequeredMarker;
      if (l > 0) s.next1 = code(racing[l - 1], k + 1), s.side[0] = code(racing[l - 1], k);
      if (l < 2) s.next2 = code(racing[l + 1], k + 1), s.side[1] = code(racing[l + 1], k);
      laneRef(racing[l]).spaces.push_back(s);
    }
  }

  // The grid, two columns staggered by one space behind the line.
  const Section* firstCorner = nullptr;
  for (const Section& s : d.sections)
    if (s.corner) {
      firstCorner = &s;
      break;
    }
  const int pole = firstCorner && firstCorner->angle > 0 ? right : left;
  const int second = pole == right ? left : right;
  for (int p = 1; p <= GridPlaces; ++p) {
    const int lane = p % 2 == 1 ? pole : second;
    const int k = n - p;
    laneRef(lane).spaces[static_cast<std::size_t>(k)].marker = p;
    c.grid[p - 1] = code(lane, k);
  }

  // The pit lane: an entry wedge beside cross-sections A and A + 1, straight spaces
  // beside the following ones, and an exit wedge beside C and C + 1.
  const int sideLane = side > 0 ? right : left;
  const int a = pitFirst, firstStraight = pitFirst + 2, c0 = exitAt;
  auto& pitSpaces_ = laneRef(pit).spaces;
  auto edgeOf = [&](int k) { return frame(k).lane(side * (LaneWidth + LaneWidth / 2)); };
  auto pitPoint = [&](int k, double across) { return frame(k).lane(side * (PitOffset + across)); };
  {
    // Entry: from the track edge at A's back to the pit lane at the first straight space.
    Vec back = (edgeOf(a) + edgeOf(a + 2)) * 0.5;
    Vec front = pitPoint(firstStraight, 0);
    Space s = spaceBetween(back, front);
    s.x = (edgeOf(a).x + edgeOf(a + 2).x + pitPoint(firstStraight, -50).x +
           pitPoint(firstStraight, 50).x) /
          4;
    s.y = (edgeOf(a).y + edgeOf(a + 2).y + pitPoint(firstStraight, -50).y +
           pitPoint(firstStraight, 50).y) /
          4;
    s.marker = PitArrowMarker;
    s.position = a + 1;
    s.side[0] = code(sideLane, a);
    s.side[1] = code(sideLane, a + 1);
    s.edge = 2;
    pitSpaces_.push_back(s);
  }
  for (int j = 0; j < pitSpaces; ++j) {
    const int k = firstStraight + j;
    Space s = spaceBetween(pitPoint(k, 0), pitPoint(k + 1, 0));
    s.position = k + 1;
    pitSpaces_.push_back(s);
  }
  {
    const int k = firstStraight + pitSpaces;  // == c0
    Vec back = pitPoint(k, 0);
    Vec front = (edgeOf(c0) + edgeOf(c0 + 2)) * 0.5;
    Space s = spaceBetween(back, front);
    s.x = (pitPoint(k, -50).x + pitPoint(k, 50).x + edgeOf(c0).x + edgeOf(c0 + 2).x) / 4;
    s.y = (pitPoint(k, -50).y + pitPoint(k, 50).y + edgeOf(c0).y + edgeOf(c0 + 2).y) / 4;
    s.marker = PitArrowMarker;
    s.position = c0 + 1;
    s.next1 = code(sideLane, c0);
    s.next2 = code(sideLane, c0 + 1);
    s.edge = 4;
    pitSpaces_.push_back(s);
  }
  // Into the pit lane from the two track spaces before the entry; the entry's side
  // links are answered by the spaces beside it.
  for (int k : {a - 1, a}) {
    Space& s = laneRef(sideLane).spaces[static_cast<std::size_t>(((k % n) + n) % n)];
    (side > 0 ? s.next2 : s.next1) = code(pit, 0);
  }
  for (int k : {a, a + 1})
    laneRef(sideLane).spaces[static_cast<std::size_t>(((k % n) + n) % n)].side[side > 0 ? 1 : 0] =
        code(pit, 0);
  // Boxes and garages. A car turns towards the garages from its box and leaves its
  // garage onto the pit lane's next space.
  for (int p = 0; p < PitBoxes; ++p) {
    const int j = 1 + PitApproach + p;  // pit-lane index of box p
    Space& box = pitSpaces_[static_cast<std::size_t>(j)];
    box.marker = 30 + p;
    const int k = firstStraight + PitApproach + p;
    Space g =
        spaceBetween(frame(k).lane(side * GarageOffset), frame(k + 1).lane(side * GarageOffset));
    g.marker = 40 + p;
    g.position = box.position;
    g.edge = 4;
    (side > 0 ? box.next2 : box.next1) = code(garages, p);
    (side > 0 ? g.next1 : g.next2) = code(pit, j + 1);
    laneRef(garages).spaces.push_back(g);
  }

  // Corners and their signs, outside each corner at its apex.
  for (const Section& s : d.sections) {
    if (!s.corner) continue;
    Corner k;
    k.name = s.name;
    k.stops = s.stops;
    const double sweep = rad(std::fabs(s.angle));
    k.longest =
        std::max(1, static_cast<int>(std::lround((s.radius + LaneWidth) * sweep / SpaceLength)));
    k.shortest =
        std::max(1, static_cast<int>(std::lround((s.radius - LaneWidth) * sweep / SpaceLength)));
    const double outward = s.angle > 0 ? -1 : 1;
    Vec sign = frameIn(s, 0.5).lane(outward * 340);
    // The board stands above the post's foot: centre it on the chosen point.
    k.signX = sign.x - 90;
    k.signY = sign.y + 120;
    c.corners.push_back(k);
  }

  // Decorations.
  const std::uint32_t tarmac = rgb(72, 72, 76), apron = rgb(96, 96, 100),
                      gravel = rgb(222, 200, 140), red = rgb(200, 30, 30),
                      white = rgb(245, 245, 245), stand = rgb(70, 90, 160),
                      building = rgb(215, 215, 205), black = 0;
  for (const Section& s : d.sections)
    c.shapes.push_back(band(s, 0, 1, -175, 175, arcSteps(s), 0, tarmac, tarmac));
  {
    Shape shape{0, apron, apron, {}};
    const int from = a - 1, to = c0 + 3;
    for (int k = from; k <= to; ++k) shape.points.push_back(frame(k).lane(side * 170));
    for (int k = to; k >= from; --k) shape.points.push_back(frame(k).lane(side * 395));
    c.shapes.push_back(shape);
  }
  {
    Shape shape{1, building, black, {}};
    const int from = firstStraight + PitApproach, to = from + PitBoxes;
    for (int k : {from, to}) shape.points.push_back(frame(k).lane(side * 410));
    for (int k : {to, from}) shape.points.push_back(frame(k).lane(side * 560));
    c.shapes.push_back(shape);
    // Grandstands across the track from the pits, facing the grid.
    for (int block = 0; block < 3; ++block) {
      Shape st{1, stand, black, {}};
      const int s0 = n - 18 + block * 6, s1 = s0 + 5;
      for (int k : {s0, s1}) st.points.push_back(frame(k).lane(-side * 230));
      for (int k : {s1, s0}) st.points.push_back(frame(k).lane(-side * 380));
      c.shapes.push_back(st);
    }
  }
  for (const Section& s : d.sections) {
    if (!s.corner) continue;
    const double outward = s.angle > 0 ? -1 : 1;
    c.shapes.push_back(
        band(s, 0.1, 1.0, outward * 185, outward * 460, arcSteps(s), 2, gravel, gravel));
  }
  for (const Section& s : d.sections) {
    if (!s.corner) continue;
    const double inward = s.angle > 0 ? 1 : -1;
    const double innerLength = (s.radius - 150) * rad(std::fabs(s.angle));
    const int pieces = std::max(4, static_cast<int>(innerLength / 50));
    for (int i = 0; i < pieces; ++i)
      c.shapes.push_back(band(s, static_cast<double>(i) / pieces,
                              static_cast<double>(i + 1) / pieces, inward * 150, inward * 178, 1, 3,
                              i % 2 ? white : red, i % 2 ? white : red));
  }
  return c;
}

std::string num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  std::string s = buf;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

void write(std::ostream& out, const Description& d, const Circuit& c, const std::string& source) {
  out << "; Made by tarmaq-circuitgen from " << source
      << ". Change the description and not this file.\n";
  for (const std::string* s :
       {&d.name, &d.description, &d.location, &d.version, &d.date, &d.time, &d.author, &d.designer})
    out << quoted(*s) << "\n";
  out << d.rainy << "\n" << d.changeable << "\nStart Positions\n";
  for (int i = 0; i < GridPlaces; ++i) out << (i ? "," : "") << c.grid[i];
  out << "\n";
  for (const Lane& lane : c.lanes) {
    out << quoted(lane.name) << "\n";
    for (const Space& s : lane.spaces) {
      out << num(s.x) << "," << num(s.y) << "," << s.angle << ","
          << num(std::round(s.lengthFactor * 10000) / 10000) << "," << s.marker << ","
          << num(s.position) << "," << s.next1 << "," << s.next2;
      for (int l : s.side) out << "," << l;
      out << "," << s.segment << "," << s.edge << "\n";
    }
  }
  out << "Corners\n";
  for (const Corner& k : c.corners)
    out << quoted(k.name) << "," << k.stops << "," << k.longest << "," << k.shortest << ","
        << num(k.signX) << "," << num(k.signY) << "\n";
  out << "Backcolor\n" << d.background << "\nShapes\n";
  for (const Shape& s : c.shapes) {
    out << s.minDetail << "," << s.fill << "," << s.outline << "," << s.points.size() - 1;
    for (const Vec& p : s.points) out << "," << std::lround(p.x) << "," << std::lround(p.y);
    out << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tarmaq-circuitgen DESCRIPTION OUTPUT.trk\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "tarmaq-circuitgen: cannot open " << argv[1] << "\n";
    return 2;
  }
  try {
    Description d = readDescription(in);
    layOut(d);
    Circuit c = build(d);
    std::ostringstream text;
    std::string source = argv[1];
    source = source.substr(source.find_last_of('/') + 1);
    write(text, d, c, source);
    std::ofstream out(argv[2], std::ios::binary);
    out << text.str();
    if (!out) {
      std::cerr << "tarmaq-circuitgen: cannot write " << argv[2] << "\n";
      return 2;
    }
  } catch (const Failure& f) {
    std::cerr << "tarmaq-circuitgen: " << argv[1] << ": " << f.text << "\n";
    return 1;
  }
  return 0;
}
