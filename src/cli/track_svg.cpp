// track-svg: a picture of a circuit as SVG, to look at a circuit without the program:
// the shapes, the spaces joined as the track view joins them, their painted marks,
// grid and pit boxes, and the corner signs with their stops.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <vector>

#include "cli/commands.h"
#include "cli/track_file.h"
#include "track/track_geometry.h"

namespace tarmaq::cli {

namespace {

std::string color(std::uint32_t bgr) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF,
                (bgr >> 16) & 0xFF);
  return buf;
}

std::string n(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", static_cast<double>(v));
  return buf;
}

// Pit colours for the boxes and garages of the picture (the game takes the teams').
const std::uint32_t BoxColors[10] = {0x0000FF, 0xFF0000, 0x00FFFF, 0x008000, 0xFF00FF,
                                     0x0080FF, 0xFFFF00, 0x800080, 0x808080, 0xFFFFFF};

class Svg {
 public:
  std::ostringstream out;
  void polygon(const std::vector<Point>& pts, std::uint32_t fill, std::uint32_t outline,
               float width = 1) {
    out << "<polygon points=\"";
    for (const auto& p : pts) out << n(p.x) << "," << n(p.y) << " ";
    out << "\" fill=\"" << color(fill) << "\" stroke=\"" << color(outline) << "\" stroke-width=\""
        << n(width) << "\"/>\n";
  }
  void line(Point a, Point b, std::uint32_t c, float width) {
    out << "<line x1=\"" << n(a.x) << "\" y1=\"" << n(a.y) << "\" x2=\"" << n(b.x) << "\" y2=\""
        << n(b.y) << "\" stroke=\"" << color(c) << "\" stroke-width=\"" << n(width) << "\"/>\n";
  }
  void text(Point at, float size, const std::string& s, std::uint32_t c) {
    std::string escaped;
    for (char ch : s) {
      if (ch == '&')
        escaped += "&amp;";
      else if (ch == '<')
        escaped += "&lt;";
      else if (ch == '>')
        escaped += "&gt;";
      else
        escaped += ch;
    }
    out << "<text x=\"" << n(at.x) << "\" y=\"" << n(at.y)
        << "\" font-family=\"Arial\" font-size=\"" << n(size) << "\" fill=\"" << color(c) << "\">"
        << escaped << "</text>\n";
  }
};

bool meet(Point a, Point b) { return std::fabs(a.x - b.x) <= 2 && std::fabs(a.y - b.y) <= 2; }
Point mid(Point a, Point b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// The space's outline as the track view draws it: reaching half way into the wedge
// between it and its neighbours, so a lane shows no gaps on a bend.
std::vector<Point> outline(const Track& t, int lane, int s) {
  const auto& spaces = t.lanes[static_cast<std::size_t>(lane)].spaces;
  const int count = static_cast<int>(spaces.size());
  const Space& sp = spaces[static_cast<std::size_t>(s)];
  const auto& v = sp.vertex;
  if (lane == t.garageLane || (lane == t.pitLane && (s == 0 || s == count - 1)))
    return {v.begin(), v.end()};
  const Space& prev = spaces[static_cast<std::size_t>((s + count - 1) % count)];
  const Space& next = spaces[static_cast<std::size_t>((s + 1) % count)];
  const bool noBack = sp.edgeType == 2 || sp.edgeType == 3;
  const bool noFront = sp.edgeType == 1 || sp.edgeType == 4;
  std::vector<Point> p;
  if (!meet(v[0], prev.vertex[1]) && !noBack) p.push_back(mid(prev.vertex[1], v[0]));
  p.push_back(v[0]);
  p.push_back(v[1]);
  if (!meet(v[1], next.vertex[0]) && !noFront) p.push_back(mid(v[1], next.vertex[0]));
  if (!meet(v[2], next.vertex[3]) && !noFront) p.push_back(mid(v[2], next.vertex[3]));
  p.push_back(v[2]);
  p.push_back(v[3]);
  if (!meet(v[3], prev.vertex[2]) && !noBack) p.push_back(mid(v[3], prev.vertex[2]));
  return p;
}

// A point given in the space's own axes (x along the travel, y across), on the plan.
Point onSpace(const Space& s, float x, float y) {
  return {rotateX(s.x + x, s.y + y, s.angle, s.x, s.y),
          rotateY(s.x + x, s.y + y, s.angle, s.x, s.y)};
}

void marks(Svg& svg, const Track& t, int code, const Space& s) {
  const float L = SpaceHalfLength, W = SpaceHalfWidth;
  for (int i = 1; i <= 20; ++i) {
    if (t.gridLocations[static_cast<std::size_t>(i)] != code) continue;
    Point p1 = onSpace(s, 0.7f * L, -0.6f * W), p2 = onSpace(s, 0.7f * L, 0.6f * W),
          p3 = onSpace(s, 0.5f * L, -0.6f * W), p4 = onSpace(s, 0.5f * L, 0.6f * W);
    svg.line(p1, p2, 0xFFFFFF, 4);
    svg.line(p1, p3, 0xFFFFFF, 4);
    svg.line(p2, p4, 0xFFFFFF, 4);
    Point label = onSpace(s, -0.2f * L, 0.25f * W);
    svg.text({label.x - 18, label.y + 8}, 36, std::to_string(i), 0x000000);
  }
  const int m = s.marker;
  const float F = s.lengthFactor;
  auto arrow = [&](int turn, float width) {
    Point q1 = onSpace(s, -0.7f * L * F, 0);
    Point q[3] = {onSpace(s, 0.7f * L * F, 0), onSpace(s, 0.2f * L * F, -0.4f * W),
                  onSpace(s, 0.2f * L * F, 0.4f * W)};
    for (auto& p : q)
      p = {rotateX(p.x, p.y, turn, q1.x, q1.y), rotateY(p.x, p.y, turn, q1.x, q1.y)};
    svg.line(q1, q[0], 0, width);
    svg.line(q[0], q[1], 0, width);
    svg.line(q[0], q[2], 0, width);
  };
  if (m == 25) arrow(0, 8);
  if (m >= 26 && m <= 28) arrow(0, 4);
  if (m == 27) arrow(-15, 4);
  if (m == 28) arrow(15, 4);
  if (m >= 30 && m <= 39) {
    std::uint32_t c = BoxColors[m - 30];
    Point a = onSpace(s, 0.7f * L, -0.6f * W), b = onSpace(s, -0.7f * L, -0.6f * W),
          d = onSpace(s, -0.7f * L, -0.25f * W), e = onSpace(s, 0.7f * L, -0.25f * W);
    svg.line(a, b, c, 6);
    svg.line(b, d, c, 6);
    svg.line(d, e, c, 6);
    svg.line(e, a, c, 6);
  }
  if (m >= 50 && m <= 52) {
    std::vector<float> fronts = m == 50   ? std::vector<float>{0.5f, 0.25f, 0, -0.25f}
                                : m == 51 ? std::vector<float>{-0.5f, -0.75f}
                                          : std::vector<float>{1, 0.75f};
    bool startBlack = true;
    for (float e : fronts) {
      bool black = startBlack;
      for (int k = 0; k < 4; ++k) {
        const float y0 = -W + k * 0.5f * W, y1 = y0 + 0.5f * W;
        svg.polygon({onSpace(s, e * L, y0), onSpace(s, e * L, y1), onSpace(s, (e - 0.25f) * L, y1),
                     onSpace(s, (e - 0.25f) * L, y0)},
                    black ? 0x000000 : 0xFFFFFF, 0x000000, 1);
        black = !black;
      }
      startBlack = !startBlack;
    }
  }
}

}  // namespace

int trackSvg(const Args& args) {
  const std::string usage = "tarmaq-cli track-svg FILE [--finish nose|entire] [--detail 0-4]";
  auto a = trackArgs(args, usage);
  if (!a) return 2;
  int detail = 4;
  for (std::size_t i = 0; i < a->rest.size(); ++i) {
    if (a->rest[i] == "--detail" && i + 1 < a->rest.size() && a->rest[i + 1].size() == 1 &&
        a->rest[i + 1][0] >= '0' && a->rest[i + 1][0] <= '4') {
      detail = a->rest[++i][0] - '0';
    } else {
      std::cerr << "usage: " << usage << "\n";
      return 2;
    }
  }
  auto r = loadTrackFile(*a);
  if (!r) return 2;
  if (r->status == TrackLoadStatus::Refused) return 1;
  const Track& t = r->track;

  float minX = 0, minY = 0, maxX = 0, maxY = 0;
  auto grow = [&](float x, float y) {
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  };
  for (const auto& lane : t.lanes)
    for (const auto& s : lane.spaces)
      for (const auto& v : s.vertex) grow(v.x, v.y);
  for (const auto& sh : t.shapes)
    if (sh.minDetail <= detail)
      for (const auto& p : sh.points) grow(static_cast<float>(p[0]), static_cast<float>(p[1]));
  for (const auto& c : t.corners) {
    grow(c.signX, c.signTop);
    grow(c.signRight, c.signBottom + 100);
  }
  const float margin = 200;
  minX -= margin, minY -= margin, maxX += margin, maxY += margin;

  Svg svg;
  svg.out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "
             "xmlns=\"http://www.w3.org/2000/svg\" viewBox=\""
          << n(minX) << " " << n(minY) << " " << n(maxX - minX) << " " << n(maxY - minY)
          << "\" width=\"" << static_cast<int>((maxX - minX) / 10) << "\" height=\""
          << static_cast<int>((maxY - minY) / 10) << "\">\n";
  svg.out << "<rect x=\"" << n(minX) << "\" y=\"" << n(minY) << "\" width=\"" << n(maxX - minX)
          << "\" height=\"" << n(maxY - minY) << "\" fill=\"" << color(t.backColor) << "\"/>\n";
  for (const auto& sh : t.shapes) {
    if (sh.minDetail > detail || sh.points.empty()) continue;
    std::vector<Point> pts;
    for (const auto& p : sh.points)
      pts.push_back({static_cast<float>(p[0]), static_cast<float>(p[1])});
    svg.polygon(pts, sh.fillColor, sh.outlineColor, 2);
  }
  for (int l = 0; l < t.laneCount(); ++l) {
    const auto& spaces = t.lanes[static_cast<std::size_t>(l)].spaces;
    for (std::size_t s = 0; s + 1 < spaces.size(); ++s) {
      if (spaces[s].edgeType != 1) continue;
      const Space &a1 = spaces[s], &b1 = spaces[s + 1];
      svg.polygon({a1.vertex[1], b1.vertex[0], b1.vertex[3], a1.vertex[2]}, 0x4B4B4B, 0, 2);
    }
  }
  for (int l = 0; l < t.laneCount(); ++l) {
    const auto& spaces = t.lanes[static_cast<std::size_t>(l)].spaces;
    for (int s = 0; s < static_cast<int>(spaces.size()); ++s) {
      const Space& sp = spaces[static_cast<std::size_t>(s)];
      std::uint32_t fill = 0xC0C0C0;
      if (sp.marker >= 40 && sp.marker <= 49) fill = BoxColors[sp.marker - 40];
      const std::uint32_t edge = sp.marker >= 26 && sp.marker <= 28 ? 0x0000FF : 0x000000;
      svg.polygon(
          detail == 0 ? std::vector<Point>(sp.vertex.begin(), sp.vertex.end()) : outline(t, l, s),
          fill, edge, 3);
      marks(svg, t, makeLocation(l, s), sp);
    }
  }
  for (const auto& c : t.corners) {
    svg.polygon({{c.signX, c.signTop},
                 {c.signX + 10, c.signTop},
                 {c.signX + 10, c.signBottom + 100},
                 {c.signX, c.signBottom + 100}},
                0xC0C0C0, 0, 2);
    svg.polygon({{c.signLeft, c.signTop},
                 {c.signRight, c.signTop},
                 {c.signRight, c.signBottom},
                 {c.signLeft, c.signBottom}},
                0x00FFFF, 0, 3);
    svg.text({c.signLeft + 40, c.signBottom - 25}, 130, std::to_string(c.requiredStops), 0);
    svg.text({c.signX, c.signBottom + 150}, 60, c.name, 0xFFFFFF);
  }
  svg.out << "</svg>\n";
  std::cout << svg.out.str();
  return 0;
}

}  // namespace tarmaq::cli
