#include "view/track_drawing.h"

#include <gtest/gtest.h>

#include "view/refresh_view.h"
#include "view_fixture.h"

namespace tarmaq {
namespace {

using testing::ViewFixture;
using Kind = CanvasCall::Kind;

// A lane of three spaces turning by 30 degrees a space: neighbours do not share corners.
Track bend() {
  Track t;
  t.lanes = {Lane{"Right", {}}};
  for (int s = 0; s < 3; ++s) {
    Space sp;
    sp.x = 500 + 200 * static_cast<float>(s);
    sp.y = 500;
    sp.angle = 30 * s;
    t.lanes[0].spaces.push_back(sp);
  }
  t.pitLane = t.garageLane = 9;
  testing::computeVertices(t);
  return t;
}

TEST(DrawSpace, PlainOnAStraightJoinedOnABendAndAlwaysPlainAtLevelZero) {
  ViewFixture f;
  // Straight lane: neighbours share corners, so the joined form is the four vertices.
  const auto straight = spaceOutline(f.game.track, 0, 5, 4);
  ASSERT_EQ(straight.size(), 4u);
  EXPECT_FLOAT_EQ(straight[0].x, 900);
  EXPECT_FLOAT_EQ(straight[0].y, -50);
  EXPECT_FLOAT_EQ(straight[2].x, 1100);
  EXPECT_FLOAT_EQ(straight[2].y, 50);

  const Track t = bend();
  const auto joined = spaceOutline(t, 0, 1, 2);
  EXPECT_EQ(joined.size(), 8u);
  // Half way from the previous space's front-left corner to this back-left one.
  const Point& prevFront = t.lanes[0].spaces[0].vertex[1];
  const Point& back = t.lanes[0].spaces[1].vertex[0];
  EXPECT_FLOAT_EQ(joined[0].x, std::nearbyint((prevFront.x + back.x) / 2));
  EXPECT_FLOAT_EQ(joined[0].y, std::nearbyint((prevFront.y + back.y) / 2));
  EXPECT_EQ(spaceOutline(t, 0, 1, 0).size(), 4u);
}

TEST(DrawSpace, EdgeTypesDropTheirJoints) {
  Track t = bend();
  t.lanes[0].spaces[1].edgeType = 1;  // no forward joint
  EXPECT_EQ(spaceOutline(t, 0, 1, 2).size(), 6u);
  t.lanes[0].spaces[1].edgeType = 3;  // no backward joint
  EXPECT_EQ(spaceOutline(t, 0, 1, 2).size(), 6u);
  t.lanes[0].spaces[1].edgeType = 4;
  EXPECT_EQ(spaceOutline(t, 0, 1, 2).size(), 6u);
}

TEST(DrawSpace, GapFillerBridgesToTheNextSpaceButNotFromTheLast) {
  ViewFixture f;
  auto& lane = f.game.track.lanes[0].spaces;
  lane[3].x += 0;
  lane[4].x += 40;  // a gap of 40 units after space 3
  computeSpaceVertices(lane[4]);
  lane[3].edgeType = 1;
  lane.back().edgeType = 1;  // the last space: no filler
  drawGapFillers(f.game, f.canvas);
  const auto fillers = f.canvas.polygonsFilled(DarkGrey);
  ASSERT_EQ(fillers.size(), 1u);
  EXPECT_EQ(fillers[0]->points, f.px({{700, -50}, {740, -50}, {740, 50}, {700, 50}}));
}

TEST(DrawSpace, GarageFillFromPitColoursUnlessShaded) {
  ViewFixture f;
  f.game.track.lanes[0].spaces[2].marker = 43;
  f.game.pitColors[3] = 0x123456;
  drawSpace(f.game, f.canvas, 0, 2, Silver, FillStyle::Solid);
  drawSpace(f.game, f.canvas, 0, 2, Blue, FillStyle::CrossHatch);
  ASSERT_EQ(f.canvas.calls.size(), 2u);
  EXPECT_EQ(f.canvas.calls[0].fill, 0x123456u);
  EXPECT_EQ(f.canvas.calls[1].fill, Blue);
  EXPECT_EQ(f.canvas.calls[1].fillStyle, FillStyle::CrossHatch);
}

TEST(DrawSpace, CulledWellOutsideTheView) {
  ViewFixture f;
  ViewState& v = f.game.view;
  v.width = 15 * 600;  // 600 pixels wide: space 0..3 centres at 0..600, culling beyond 800
  struct Case {
    float offsetX;
    int space;
    bool drawn;
  } cases[] = {
      {0, 4, true},            // centre 800 px: exactly 2 half lengths beyond the right edge
      {0, 5, false},           // 1000 px
      {-15 * 1200, 5, true},   // centre at -200 px: exactly 2 half lengths to the left
      {-15 * 1200, 4, false},  // centre at -400 px
  };
  for (const Case& c : cases) {
    f.canvas.calls.clear();
    v.offsetX = c.offsetX;
    drawSpace(f.game, f.canvas, 0, c.space, Silver, FillStyle::Solid);
    drawSpaceMarks(f.game, f.canvas, 0, c.space);
    EXPECT_EQ(!f.canvas.calls.empty(), c.drawn) << c.offsetX << " " << c.space;
  }
}

TEST(DrawSpaceMarks, OneBracketPerGridPositionNamingTheSpace) {
  ViewFixture f;
  const int here = makeLocation(1, 4);
  f.game.track.gridLocations[3] = here;
  drawSpaceMarks(f.game, f.canvas, 1, 4);
  EXPECT_EQ(f.canvas.ofKind(Kind::Line).size(), 3u);
  // P1 (0.7 L, -0.6 W) to P2 (0.7 L, +0.6 W) across the front, in white.
  const CanvasCall& first = f.canvas.calls[0];
  EXPECT_FLOAT_EQ(first.x1, (800 + 70) * 15.0f);
  EXPECT_FLOAT_EQ(first.y1, (100 - 30) * 15.0f);
  EXPECT_FLOAT_EQ(first.y2, (100 + 30) * 15.0f);
  EXPECT_EQ(first.outline, White);
  f.canvas.calls.clear();
  f.game.track.gridLocations[7] = here;  // two positions name it: two brackets
  drawSpaceMarks(f.game, f.canvas, 1, 4);
  EXPECT_EQ(f.canvas.ofKind(Kind::Line).size(), 6u);
}

TEST(DrawSpaceMarks, EachMarkerDrawsItsMark) {
  struct Case {
    int marker;
    std::size_t lines;
    std::size_t squares;
    int widthPx;
  } cases[] = {
      {25, 3, 0, 2},  {26, 3, 0, 1}, {27, 6, 0, 1}, {28, 6, 0, 1}, {33, 4, 0, 1},
      {50, 0, 16, 0}, {51, 0, 8, 0}, {52, 0, 8, 0}, {45, 0, 0, 0}, {7, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ViewFixture f;
    f.game.pitColors[3] = 0x00AA00;
    f.game.track.lanes[0].spaces[5].marker = c.marker;
    drawSpaceMarks(f.game, f.canvas, 0, 5);
    const auto lines = f.canvas.ofKind(Kind::Line);
    EXPECT_EQ(lines.size(), c.lines) << c.marker;
    EXPECT_EQ(f.canvas.ofKind(Kind::Polygon).size(), c.squares) << c.marker;
    if (!lines.empty()) {
      EXPECT_EQ(lines[0]->widthPx, c.widthPx) << c.marker;
    }
    if (c.marker == 33) {
      EXPECT_EQ(lines[0]->outline, 0x00AA00u);
    }
  }
}

TEST(DrawSpaceMarks, ChequeredBandsAlternateAndSitAheadOrBehind) {
  ViewFixture f;
  auto& s = f.game.track.lanes[0].spaces[5];  // centre x 1000
  s.marker = 52;
  drawSpaceMarks(f.game, f.canvas, 0, 5);
  const auto squares = f.canvas.ofKind(Kind::Polygon);
  ASSERT_EQ(squares.size(), 8u);
  for (const auto* q : squares) EXPECT_GE(q->points[0].x, 1000 + 50);  // ahead of the centre
  const Color expected[8] = {Black, White, Black, White, White, Black, White, Black};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(squares[static_cast<std::size_t>(i)]->fill, expected[i]);
  f.canvas.calls.clear();
  s.marker = 51;
  drawSpaceMarks(f.game, f.canvas, 0, 5);
  for (const auto* q : f.canvas.ofKind(Kind::Polygon)) EXPECT_LE(q->points[1].x, 1000 - 50);
}

TEST(DrawCornerSign, FigureIsSevenPointsAZoomUnitAtTheBoardsCorner) {
  ViewFixture f;
  Corner c;
  c.requiredStops = 2;
  c.signX = 300;
  c.signY = 600;
  c.signLeft = 320;
  c.signTop = 350;
  c.signRight = 480;
  c.signBottom = 510;
  f.game.track.corners = {c};
  f.game.view.zoom = 2.5f;
  drawCornerSign(f.game, f.canvas, 0);
  const auto texts = f.canvas.ofKind(Kind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_FLOAT_EQ(texts[0]->size, 17.5f);
  EXPECT_EQ(texts[0]->text, "2");
  EXPECT_FLOAT_EQ(texts[0]->x1, 330 * 2.5f);
  EXPECT_FLOAT_EQ(texts[0]->y1, 350 * 2.5f);
  const auto boards = f.canvas.polygonsFilled(Yellow);
  ASSERT_EQ(boards.size(), 1u);
  ASSERT_EQ(f.canvas.polygonsFilled(Silver).size(), 1u);  // the post
}

TEST(RefreshView, ShapesByDetailLevel) {
  ViewFixture f;
  TrackShape low, high;
  low.minDetail = 0;
  low.fillColor = 0x111111;
  low.points = {{0, 0}, {10, 0}, {10, 10}};
  high = low;
  high.minDetail = 3;
  high.fillColor = 0x222222;
  f.game.track.shapes = {low, high};
  for (int detail : {0, 3}) {
    f.canvas.calls.clear();
    f.game.options.trackDetail = detail;
    refreshView(f.game, f.canvas, false);
    EXPECT_EQ(f.canvas.polygonsFilled(0x111111).size(), 1u);
    EXPECT_EQ(f.canvas.polygonsFilled(0x222222).size(), detail >= 3 ? 1u : 0u);
  }
}

TEST(RefreshView, VeryLowDetailDrawsOnWhiteEveryOtherLevelOnTheCircuitsColour) {
  ViewFixture f;
  f.game.track.backColor = 0x336633;
  for (int detail : {0, 1, 4}) {
    f.canvas.calls.clear();
    f.game.options.trackDetail = detail;
    refreshView(f.game, f.canvas, false);
    const auto backgrounds = f.canvas.ofKind(CanvasCall::Kind::Background);
    ASSERT_EQ(backgrounds.size(), 1u);
    EXPECT_EQ(backgrounds[0]->outline, detail == 0 ? White : 0x336633u) << detail;
  }
}

TEST(QuickRedraw, XorCentreLinesOfLaneTwoAndTheLastLane) {
  ViewFixture f;
  f.game.track.lanes.push_back(f.game.track.lanes[0]);  // four lanes: 2 and 3 are drawn
  f.game.track.lanes[3].spaces.resize(4);
  quickRedraw(f.game, f.canvas);
  ASSERT_EQ(f.canvas.calls.front().kind, Kind::Background);
  const auto lines = f.canvas.ofKind(Kind::Line);
  // Lane 2: the 20 centres reach 3800 px; a centre beyond the 1600 px wide view plus
  // half a space is skipped.
  std::size_t lane2 = 0;
  for (const auto* l : lines) {
    EXPECT_EQ(l->pen, PenMode::Xor);
    EXPECT_EQ(l->outline, White);
    if (l->y1 == 200 * 15.0f) ++lane2;
  }
  EXPECT_EQ(lane2, 9u);                 // spaces 0..8: centres up to 1600 px
  EXPECT_EQ(lines.size() - lane2, 4u);  // the last lane wraps from space 3 back to 0
}

}  // namespace
}  // namespace tarmaq
