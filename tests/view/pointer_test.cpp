#include "view/pointer.h"

#include <gtest/gtest.h>

#include "support/race_fixture.h"
#include "view/navigation.h"
#include "view/view_keys.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

struct NavFixture : RaceFixture {
  ViewState& v = game.view;
  NavFixture() {
    v.visible = true;
    v.zoom = 2;
    v.width = 15000;
    v.height = 9000;
    v.hScroll = {-5000, 5000, 0, 1000};
    v.vScroll = {-5000, 5000, 0, 1000};
    v.applyHorizontalValue();
    v.applyVerticalValue();
  }
};

TEST(ZoomBy, NeverBelowOne) {
  const struct {
    float from, delta, to;
  } cases[] = {
      {1.0f, -0.25f, 1.0f}, {1.0f, 0.25f, 1.25f}, {1.1f, -0.25f, 0.85f}, {0.85f, -0.25f, 0.85f}};
  for (const auto& c : cases) {
    ViewState v;
    v.zoom = c.from;
    zoomBy(v, c.delta);
    EXPECT_FLOAT_EQ(v.zoom, c.to) << c.from << " " << c.delta;
  }
}

TEST(PointerDrag, TranslateFollowsThePointerExactlyAndStopsAtTheRangeEnd) {
  NavFixture f;
  f.v.mode = PointerMode::TranslateView;
  pointerPressed(f.game, 5000, 5000);
  const float before = f.v.offsetX;
  pointerMoved(f.game, PointerButtons::Left, 5000 + 20, 5000, 0);  // below 15 × 2 twips
  EXPECT_FLOAT_EQ(f.v.offsetX, before);
  pointerMoved(f.game, PointerButtons::Left, 5000 + 40, 5000, 0);  // the moves add up
  EXPECT_FLOAT_EQ(f.v.offsetX, before + 40);
  EXPECT_EQ(f.v.hScroll.value, -20);
  f.v.hScroll.value = f.v.hScroll.min;
  pointerMoved(f.game, PointerButtons::Left, 5000 + 400, 5000, 0);
  EXPECT_FLOAT_EQ(f.v.offsetX, before + 40);
  pointerReleased(f.game);
  EXPECT_TRUE(f.v.redrawRequested);
}

TEST(PointerDrag, ZoomNeedsFiftyTwipsAndKeepsTheAnchorInPlace) {
  NavFixture f;
  f.v.mode = PointerMode::ZoomView;
  pointerPressed(f.game, 3000, 4000);
  const float tx = f.v.toTrackX(3000);
  pointerMoved(f.game, PointerButtons::Left, 3000, 4000 - 45, 0);
  EXPECT_FLOAT_EQ(f.v.zoom, 2);
  pointerMoved(f.game, PointerButtons::Left, 3000, 4000 - 95, 0);  // up: zoom in
  EXPECT_FLOAT_EQ(f.v.zoom, 2.25f);
  EXPECT_NEAR(f.v.toTrackX(3000), tx, 0.001f);
  f.v.zoom = 1;
  const float offset = f.v.offsetX;
  pointerMoved(f.game, PointerButtons::Left, 3000, 4000 + 200, 0);  // down at zoom 1
  EXPECT_FLOAT_EQ(f.v.zoom, 1);
  EXPECT_FLOAT_EQ(f.v.offsetX, offset);
}

TEST(PointerDrag, BottomBandResizesWithinItsLimits) {
  NavFixture f;
  f.v.height = 500 * 15;
  pointerMoved(f.game, PointerButtons::None, 100, 500 * 15 - 7 * 15, 0);
  EXPECT_EQ(f.v.cursor, ViewCursor::Resize);
  pointerPressed(f.game, 100, 500 * 15 - 7 * 15);
  pointerMoved(f.game, PointerButtons::Left, 100, 520 * 15, 200);  // down, panel 200 px
  EXPECT_FLOAT_EQ(f.v.requestedHeight, 520 * 15);
  f.v.requestedHeight = -1;
  pointerMoved(f.game, PointerButtons::Left, 100, 530 * 15, 150);  // panel too small
  EXPECT_LT(f.v.requestedHeight, 0);
  pointerMoved(f.game, PointerButtons::Left, 100, 525 * 15, 150);  // back up at once
  EXPECT_FLOAT_EQ(f.v.requestedHeight, 525 * 15);
  pointerMoved(f.game, PointerButtons::None, 100, 100, 0);
  EXPECT_EQ(f.v.cursor, ViewCursor::Arrow);
}

TEST(DoubleClick, CentresTheClickedPointOutsideSelectMode) {
  NavFixture f;
  const float offset = f.v.offsetX;
  doubleClicked(f.game, 1000, 1000);
  EXPECT_FLOAT_EQ(f.v.offsetX, offset);
  f.v.mode = PointerMode::ZoomView;
  const float tx = f.v.toTrackX(1000);
  doubleClicked(f.game, 1000, 1000);
  EXPECT_FLOAT_EQ(f.v.toTrackX(f.v.width / 2), tx);
  EXPECT_EQ(f.v.hScroll.value, std::lround(tx));
}

TEST(ViewKeys, ZoomPanAndCentre) {
  NavFixture f;
  f.v.zoom = 1;
  EXPECT_TRUE(viewKeyCommand(f.game, key::KeypadMinus));
  EXPECT_FLOAT_EQ(f.v.zoom, 1);
  EXPECT_TRUE(viewKeyCommand(f.game, key::Plus));
  EXPECT_FLOAT_EQ(f.v.zoom, 1.25f);
  const float offset = f.v.offsetX;
  EXPECT_TRUE(viewKeyCommand(f.game, key::Keypad6));  // the large change, in twips
  EXPECT_FLOAT_EQ(f.v.offsetX, offset + 1000);
  EXPECT_EQ(f.v.hScroll.value, -800);
  f.v.hScroll.value = f.v.hScroll.max;
  EXPECT_TRUE(viewKeyCommand(f.game, key::Keypad4));
  EXPECT_FLOAT_EQ(f.v.offsetX, offset + 1000);
  EXPECT_TRUE(viewKeyCommand(f.game, key::Keypad5));
  EXPECT_FLOAT_EQ(f.v.offsetX, f.v.width / 2);  // the track origin, not its middle
  EXPECT_FALSE(viewKeyCommand(f.game, 71));
}

TEST(QuickRedrawRequest, FullPictureWhileFramesAreFast) {
  ViewState v;
  v.visible = true;
  v.lastFullFrameMs = 4;
  requestQuickRedraw(v);
  EXPECT_TRUE(v.redrawRequested);
  v = {};
  v.visible = true;
  v.lastFullFrameMs = 30;
  requestQuickRedraw(v);
  EXPECT_TRUE(v.quickRedrawRequested && !v.redrawRequested);
}

}  // namespace
}  // namespace tarmaq
