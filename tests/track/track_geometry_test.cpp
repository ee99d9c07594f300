#include "track/track_geometry.h"

#include <gtest/gtest.h>

#include "track/track_model.h"

namespace tarmaq {
namespace {

TEST(TrackGeometry, VerticesOfAnUnturnedAndATurnedSpace) {
  Space s;
  computeSpaceVertices(s);
  EXPECT_EQ(s.vertex[0].x, -100);
  EXPECT_EQ(s.vertex[0].y, -50);
  EXPECT_EQ(s.vertex[1].x, 100);
  EXPECT_EQ(s.vertex[1].y, -50);
  EXPECT_EQ(s.vertex[2].x, 100);
  EXPECT_EQ(s.vertex[2].y, 50);
  EXPECT_EQ(s.vertex[3].x, -100);
  EXPECT_EQ(s.vertex[3].y, 50);

  s.angle = 90;  // clockwise on the screen: the back-left corner comes up top right
  computeSpaceVertices(s);
  EXPECT_NEAR(s.vertex[0].x, 50, 1e-3);
  EXPECT_NEAR(s.vertex[0].y, -100, 1e-3);
  EXPECT_NEAR(s.vertex[2].x, -50, 1e-3);
  EXPECT_NEAR(s.vertex[2].y, 100, 1e-3);

  Space far;
  far.x = 1000;
  far.y = -500;
  far.angle = 180;
  far.lengthFactor = 0.5f;
  computeSpaceVertices(far);
  EXPECT_NEAR(far.vertex[1].x, 950, 1e-2);  // front-left, facing -x
  EXPECT_NEAR(far.vertex[1].y, -450, 1e-2);
}

TEST(TrackGeometry, RotateAboutACentre) {
  EXPECT_NEAR(rotateX(20, 10, 90, 10, 10), 10, 1e-4);
  EXPECT_NEAR(rotateY(20, 10, 90, 10, 10), 20, 1e-4);
  EXPECT_NEAR(rotateX(20, 10, -90, 10, 10), 10, 1e-4);
  EXPECT_NEAR(rotateY(20, 10, -90, 10, 10), 0, 1e-4);
}

TEST(TrackGeometry, TriangleAreaIsPositiveToTheRightOnScreen) {
  EXPECT_FLOAT_EQ(triangleArea(0, 0, 10, 0, 0, 10), 50);
  EXPECT_FLOAT_EQ(triangleArea(0, 0, 10, 0, 0, -10), -50);
  EXPECT_FLOAT_EQ(triangleArea(0, 0, 10, 0, 5, 0), 0);
}

TEST(TrackGeometry, PointInSpace) {
  Space s;
  s.x = 300;
  s.y = 100;
  s.angle = 30;
  computeSpaceVertices(s);
  EXPECT_TRUE(pointInSpace(300, 100, s));
  EXPECT_FALSE(pointInSpace(600, 100, s));

  Space flat;  // angle 0: exact edges
  computeSpaceVertices(flat);
  EXPECT_TRUE(pointInSpace(99, 49, flat));
  EXPECT_FALSE(pointInSpace(100, 0, flat));  // on the front edge
  EXPECT_FALSE(pointInSpace(0, -50, flat));  // on the left edge

  Space degenerate;
  degenerate.lengthFactor = 0;
  computeSpaceVertices(degenerate);
  EXPECT_FALSE(pointInSpace(0, 0, degenerate));
}

TEST(TrackGeometry, ColorShade) {
  struct Case {
    std::uint32_t color;
    Shade shade;
  };
  const Case cases[] = {
      {0x000000, Shade::Dark},  {0x7F7F7F, Shade::Dark},  {0x000080, Shade::Light},
      {0x800000, Shade::Light}, {0x008000, Shade::Light}, {0x3A7A3A, Shade::Dark},
  };
  for (const auto& c : cases) EXPECT_EQ(colorShade(c.color), c.shade) << std::hex << c.color;
  EXPECT_STREQ(shadeName(Shade::Dark), "Dark");
  EXPECT_STREQ(shadeName(Shade::Light), "Light");
}

TEST(TrackQueries, LocationArithmeticAndCorners) {
  Track t;
  t.lanes.assign(3, Lane{});
  t.lanes[2].spaces.resize(18);
  t.lanes[2].spaces[5].segment = 5;
  t.lanes[2].spaces[6].segment = 4;
  t.corners.resize(3);
  t.corners[2].name = "Third";
  t.pitLane = 2;
  EXPECT_EQ(laneOf(2017), 2);
  EXPECT_EQ(spaceIndexOf(2017), 17);
  EXPECT_EQ(makeLocation(2, 17), 2017);
  EXPECT_EQ(nextInLane(t, 2017), 2000);
  EXPECT_EQ(aheadInLane(t, 2017, 3), 2002);
  EXPECT_EQ(previousInLane(t, 2000), 2017);
  EXPECT_EQ(nextInLane(t, 1000), NoSpace);  // a lane without spaces
  EXPECT_EQ(nextInLane(t, NoSpace), NoSpace);
  EXPECT_TRUE(isPitLane(t, 2));
  EXPECT_FALSE(isGarageLane(t, 2));
  ASSERT_NE(cornerOfSpace(t, 2005), nullptr);
  EXPECT_EQ(cornerOfSpace(t, 2005)->name, "Third");
  EXPECT_EQ(cornerOfSpace(t, 2006), nullptr);
  EXPECT_EQ(cornerOfSpace(t, 2018), nullptr);
}

}  // namespace
}  // namespace tarmaq
