#include "view/navigation.h"

#include <gtest/gtest.h>

#include "support/race_fixture.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

TEST(ViewTransform, TrackToScreenAndBack) {
  ViewState v;
  v.zoom = 2.5f;
  v.offsetX = 100;
  v.offsetY = -40;
  EXPECT_FLOAT_EQ(v.toScreenX(10), 125);
  EXPECT_FLOAT_EQ(v.toScreenY(10), -15);
  EXPECT_FLOAT_EQ(v.toTrackX(v.toScreenX(1234.5f)), 1234.5f);
  EXPECT_FLOAT_EQ(v.toTrackY(v.toScreenY(-77)), -77);
  v.hScroll.value = 300;
  v.applyHorizontalValue();
  EXPECT_FLOAT_EQ(v.toTrackX(v.width / 2), 300);
}

TEST(CenterCar, CentresOnTheCarsSpaceAndRoundsTheScrollBars) {
  RaceFixture f;
  f.game.view.visible = true;
  f.game.view.hScroll = {-5000, 5000, 0, 1};
  f.game.track.lanes[1].spaces[10].x = 1234.6f;
  f.game.track.lanes[1].spaces[10].y = 9000;
  centerCar(f.game, 0);
  EXPECT_EQ(f.game.view.hScroll.value, 1235);
  EXPECT_EQ(f.game.view.vScroll.value, 5000);  // clamped into the range
  EXPECT_FLOAT_EQ(f.game.view.toTrackX(f.game.view.width / 2), 1234.6f);
  EXPECT_TRUE(f.game.view.redrawRequested);

  const float before = f.game.view.offsetX;
  f.car(1).location = OffTrack;
  centerCar(f.game, 1);
  EXPECT_FLOAT_EQ(f.game.view.offsetX, before);
  f.game.view.visible = false;
  centerCar(f.game, 2);
  EXPECT_FLOAT_EQ(f.game.view.offsetX, before);
}

TEST(ScrollToSpace, NudgesByATenthNearTheEdgesOnly) {
  RaceFixture f;
  ViewState& v = f.game.view;
  v.zoom = 1;
  v.width = 1000;
  v.height = 1000;
  v.offsetX = 0;
  v.offsetY = 0;
  f.game.track.lanes[0].spaces[0].x = 50;  // screen x 50: inside the left tenth
  f.game.track.lanes[0].spaces[0].y = 500;
  scrollToSpace(f.game, makeLocation(0, 0));
  EXPECT_FLOAT_EQ(v.offsetX, 100);
  EXPECT_FLOAT_EQ(v.offsetY, 0);
  EXPECT_TRUE(v.redrawRequested && v.redrawWithoutShading);
  v.redrawRequested = false;
  f.game.track.lanes[0].spaces[0].x = 400;
  scrollToSpace(f.game, makeLocation(0, 0));
  EXPECT_FALSE(v.redrawRequested);
  f.game.options.autoScroll = false;
  f.game.track.lanes[0].spaces[0].x = -500;
  scrollToSpace(f.game, makeLocation(0, 0));
  EXPECT_FLOAT_EQ(v.offsetX, 100);
}

}  // namespace
}  // namespace tarmaq
