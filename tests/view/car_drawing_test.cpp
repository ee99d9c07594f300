#include "view/car_drawing.h"

#include <gtest/gtest.h>

#include "engine/turn_controller.h"
#include "view/lap_path.h"
#include "view/refresh_view.h"
#include "view/view_timers.h"
#include "view_fixture.h"

namespace tarmaq {
namespace {

using testing::ViewFixture;
using Kind = CanvasCall::Kind;

// A class with one square car polygon in body colour and one wing-coloured nose.
void smallCar(Game& game) {
  game.raceClass.carShape = {
      Polygon{1, {{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}}},
      Polygon{2, {{0.6f, -0.2f}, {0.9f, 0}, {0.6f, 0.2f}}},
  };
}

TEST(DrawCar, BodyAndWingColoursSolidOrAsOutline) {
  ViewFixture f;
  smallCar(f.game);
  drawCar(f.game, f.canvas, Running, makeLocation(0, 2), Red, Blue, false);
  drawCar(f.game, f.canvas, Running, makeLocation(0, 2), Red, Blue, true);
  ASSERT_EQ(f.canvas.calls.size(), 4u);
  EXPECT_EQ(f.canvas.calls[0].fill, Red);
  EXPECT_EQ(f.canvas.calls[0].outline, Black);
  EXPECT_EQ(f.canvas.calls[1].fill, Blue);
  EXPECT_EQ(f.canvas.calls[2].outline, Red);
  EXPECT_EQ(f.canvas.calls[2].fillStyle, FillStyle::Transparent);
  // (X + px × L, Y + py × W) on the space centred at (400, 0).
  EXPECT_EQ(f.canvas.calls[0].points, f.px({{350, -25}, {450, -25}, {450, 25}, {350, 25}}));
}

TEST(DrawCar, SpunOutFacesBackwards) {
  ViewFixture f;
  smallCar(f.game);
  drawCar(f.game, f.canvas, SpunOut, makeLocation(0, 2), Red, Blue, false);
  // The nose points back: its tip lies behind the centre.
  EXPECT_EQ(f.canvas.calls[1].points[1], (PixelPoint{400 - 90, 0}));
}

TEST(DrawCar, NothingWhenHiddenLeftTheRaceOrInRoundZero) {
  struct Case {
    bool hide;
    int status;
    int round;
    int location;
  } cases[] = {{true, Running, 1, 2},  {false, Finished, 1, 2},       {false, RetiredCrash, 1, 2},
               {false, Running, 0, 2}, {false, Running, 1, OffTrack}, {false, Running, 1, 99}};
  for (const Case& c : cases) {
    ViewFixture f;
    smallCar(f.game);
    f.game.view.hideCars = c.hide;
    f.game.currRound = c.round;
    drawCar(f.game, f.canvas, c.status, c.location, Red, Blue, false);
    EXPECT_TRUE(f.canvas.calls.empty()) << c.status << " " << c.round;
  }
}

TEST(RefreshView, HiddenCarsLeaveDebrisSignsAndIcons) {
  ViewFixture f;
  smallCar(f.game);
  f.game.view.hideCars = true;
  f.game.hazards = {Hazard{makeLocation(0, 3), 3, 0}};
  f.game.cars[0].color = {0x0000AA, 0};
  f.game.raceClass.hazardShapes[3].color = 1;
  f.game.track.corners = {Corner{}};
  f.game.gameLogArray = {{""}, {"DRVR 0", "MOVE WAIT"}};
  f.game.currStep = 1;
  f.game.moves = {f.car(0).location, f.car(0).location + 1};
  f.game.controls.driverCard.car = 0;
  f.game.controls.driverCard.visible = true;
  f.game.controls.driverCard.gears[0].enabled = true;
  refreshView(f.game, f.canvas, false);
  EXPECT_EQ(f.canvas.polygonsFilled(0x0000AA).size(), 1u);     // debris in the car's body colour
  EXPECT_EQ(f.canvas.polygonsFilled(Yellow).size(), 1u + 2u);  // sign and two gear 1 icons
  EXPECT_EQ(f.canvas.polygonsFilled(Red).size(), 0u);
}

TEST(RefreshView, GhostsOfThePlannedMoveAndTheShadedOptions) {
  ViewFixture f;
  smallCar(f.game);
  f.car(0).color = {0x0000AA, 0x00AA00};
  f.game.currCar = 0;
  f.game.gameLogArray = {{""}, {"DRVR 0", "ROLL GEAR 3", "MOVE WAIT"}};
  f.game.currStep = 2;
  f.game.moves = {f.car(0).location, makeLocation(1, 11), makeLocation(0, 12)};
  f.game.view.shading.next = {makeLocation(0, 13), makeLocation(1, 13)};
  f.game.view.shading.final = makeLocation(0, 14);
  f.game.controls.diePanel.valueText = "1";
  f.game.view.offsetX = -15 * 1500;  // spaces 10-14 in sight
  refreshView(f.game, f.canvas, false);
  std::size_t ghosts = 0;
  for (const auto& c : f.canvas.calls)
    if (c.fillStyle == FillStyle::Transparent && c.outline == 0x0000AA) ++ghosts;
  EXPECT_EQ(ghosts, 2u);  // one body polygon on each planned space
  EXPECT_EQ(f.canvas.polygonsFilled(Blue).size(), 2u);
  EXPECT_EQ(f.canvas.polygonsFilled(Green).size(), 1u);

  for (bool skip : {true, false}) {
    f.canvas.calls.clear();
    f.game.controls.diePanel.valueText = skip ? "1" : "0";  // skipped, or nothing left to plan
    refreshView(f.game, f.canvas, skip);
    EXPECT_EQ(f.canvas.polygonsFilled(Blue).size(), 0u);
  }
}

// The move code keeps the spaces it shaded in the view state; the redraw draws each in
// its colour, cross-hatched, and only while spaces are left to plan.
TEST(RefreshView, DrawsTheOptionsTheMoveCodeShaded) {
  ViewFixture f;
  smallCar(f.game);
  f.game.currCar = 0;
  f.game.gameLogArray = {{""}, {"DRVR 0", "ROLL GEAR 3", "MOVE WAIT"}};
  f.game.currStep = 2;
  f.game.moves = {f.car(0).location};
  f.game.view.shadedSpaces = {{makeLocation(0, 11), {Blue, 6}},
                              {makeLocation(1, 11), {Blue, 6}},
                              {makeLocation(0, 13), {Green, 6}}};
  f.game.view.offsetX = -15 * 1500;  // spaces 10-14 in sight
  for (const char* die : {"3", "0"}) {
    f.canvas.calls.clear();
    f.game.controls.diePanel.valueText = die;
    refreshView(f.game, f.canvas, false);
    const bool planning = std::string(die) != "0";
    const auto blue = f.canvas.polygonsFilled(Blue);
    EXPECT_EQ(blue.size(), planning ? 2u : 0u) << die;
    EXPECT_EQ(f.canvas.polygonsFilled(Green).size(), planning ? 1u : 0u) << die;
    for (const auto* p : blue) EXPECT_EQ(p->fillStyle, FillStyle::CrossHatch);
  }
}

TEST(DrawDieIcons, NearestAndFarthestSpaceOfEachGearAlongTheLane) {
  ViewFixture f;
  f.game.track = testing::straightBoard(18);
  testing::computeVertices(f.game.track);
  f.game.controls.driverCard.gears[0].enabled = true;  // gear 1: faces 1..2
  struct Case {
    int from;
    int small, large;
  } cases[] = {{7, 8, 9}, {17, 0, 1}};
  for (const Case& c : cases) {
    f.canvas.calls.clear();
    drawDieIcons(f.game, f.canvas, makeLocation(0, c.from));
    const auto icons = f.canvas.polygonsFilled(0x00FFFF);
    ASSERT_EQ(icons.size(), 2u);
    // The small one sits in the back half of its space, the large in the front half.
    EXPECT_EQ(icons[0]->points[0], (PixelPoint{c.small * 200 - 50, -24}));
    EXPECT_EQ(icons[1]->points[0], (PixelPoint{c.large * 200 + 50, -40}));
  }
  f.canvas.calls.clear();
  f.game.track.pitLane = 0;
  drawDieIcons(f.game, f.canvas, makeLocation(0, 7));
  EXPECT_TRUE(f.canvas.calls.empty());
}

TEST(DrawDieIcon, SixShapesAndColoursTheCircleScaledByZoom) {
  ViewFixture f;
  const struct {
    int gear;
    std::size_t points;
    Color fill;
  } cases[] = {
      {1, 3, 0x00FFFF}, {2, 4, 0x00A0FF}, {3, 4, 0x0000FF}, {4, 5, 0x008000}, {5, 6, 0x800080}};
  for (const auto& c : cases) {
    f.canvas.calls.clear();
    drawDieIcon(f.game, f.canvas, c.gear, 0, 1, 1.0f, IconSide::Centre);
    ASSERT_EQ(f.canvas.calls.size(), 1u);
    EXPECT_EQ(f.canvas.calls[0].points.size(), c.points);
    EXPECT_EQ(f.canvas.calls[0].fill, c.fill);
  }
  f.canvas.calls.clear();
  drawDieIcon(f.game, f.canvas, 6, 0, 1, 1.0f, IconSide::Centre);
  ASSERT_EQ(f.canvas.ofKind(Kind::Circle).size(), 1u);
  EXPECT_FLOAT_EQ(f.canvas.calls[0].size, 35 * 15.0f);
  EXPECT_EQ(f.canvas.calls[0].fill, Blue);
}

// Fires the flash timer until it stops, noting what the view shows after each tick.
std::string runFlash(Game& game) {
  std::string seen;
  for (int guard = 0; guard < 20 && game.timers[TimerId::ScreenFlash].enabled; ++guard) {
    fireTimer(game, TimerId::ScreenFlash);
    const ScreenFlash& f = game.view.flash;
    seen += f.showsRed ? 'R' : (f.showsBack ? 'b' : '.');
    seen += std::to_string(f.intervalMs) + " ";
  }
  return seen;
}

TEST(ScreenFlash, OneFlashForWearThreeForARetirement) {
  ViewFixture f;
  requestScreenFlash(f.game, FlashOnce);
  EXPECT_EQ(f.game.timers[TimerId::ScreenFlash].intervalMs, 1);
  EXPECT_EQ(runFlash(f.game), "R50 .0 ");
  EXPECT_TRUE(f.game.view.redrawRequested);

  requestScreenFlash(f.game, FlashThrice);
  EXPECT_EQ(runFlash(f.game), "R51 b52 R53 b54 R55 .0 ");
  EXPECT_FALSE(f.game.timers[TimerId::ScreenFlash].enabled);

  // While red the view is a plain red surface.
  requestScreenFlash(f.game, FlashOnce);
  fireTimer(f.game, TimerId::ScreenFlash);
  refreshView(f.game, f.canvas, false);
  ASSERT_EQ(f.canvas.calls.size(), 1u);
  EXPECT_EQ(f.canvas.calls[0].kind, Kind::Background);
  EXPECT_EQ(f.canvas.calls[0].outline, Red);
}

TEST(ScreenFlash, ASingleFlashDoesNotCutThreeShort) {
  ViewFixture f;
  requestScreenFlash(f.game, FlashThrice);
  fireTimer(f.game, TimerId::ScreenFlash);
  requestScreenFlash(f.game, FlashOnce);
  EXPECT_EQ(runFlash(f.game), "b52 R53 b54 R55 .0 ");
}

TEST(CarBlink, AlternatesYellowAndSilverUnderTheActiveCar) {
  ViewFixture f;
  smallCar(f.game);
  f.game.currCar = 1;
  startCarBlink(f.game);
  for (Color expected : {Yellow, Silver, Yellow}) {
    fireTimer(f.game, TimerId::CarBlink);
    EXPECT_TRUE(f.game.timers[TimerId::CarBlink].enabled);
    f.canvas.calls.clear();
    refreshView(f.game, f.canvas, false);
    // The last space drawn solid is the active car's, followed by the car itself.
    const CanvasCall* lastSpace = nullptr;
    for (const auto& c : f.canvas.calls)
      if (c.points.size() == 4 && (c.fill == Yellow || c.fill == Silver)) lastSpace = &c;
    ASSERT_NE(lastSpace, nullptr);
    EXPECT_EQ(lastSpace->fill, expected);
    EXPECT_EQ(lastSpace->points[0], (PixelPoint{9 * 200 - 100, 100 - 50}));
  }
  EXPECT_EQ(f.game.timers[TimerId::CarBlink].intervalMs, 501);
}

TEST(ShowLapPath, CountsCrossingsAsTheMoveDoesNotThePitLanesSpaceZero) {
  ViewFixture f;
  smallCar(f.game);
  f.game.raceClass.carShape.pop_back();  // one polygon a car
  f.game.track.pitLane = 2;              // lane 2 stands in for the pit lane, no garages
  f.game.track.garageLane = 9;
  f.car(0).color = {0x0000AA, 0};
  // Move 1 gear 2 before the line; move 2 crosses into lap 1; move 3 enters the pit lane
  // at its space 0; move 4 leaves the pits onto lane 0, which counts as the crossing.
  f.game.gameLogArray = {
      {""},
      {"DRVR 0", "SHFT 2", "MOVE 17   18"},
      {"DRVR 1", "MOVE 5", "DRVR 0", "SHFT 3", "MOVE 19   0   1"},
      {"DRVR 0", "MOVE 2000   2001"},
      {"DRVR 0", "SHFT 1", "MOVE 3", "DRVR 0", "MOVE 4"},
  };
  auto outlines = [&](int lap) {
    f.canvas.calls.clear();
    drawLapPath(f.game, f.canvas, 0, lap);
    std::vector<PixelPoint> centres;
    for (const auto& c : f.canvas.calls)
      if (c.fillStyle == FillStyle::Transparent) centres.push_back(c.points[0]);
    return centres;
  };
  auto at = [](int space, int lane) { return PixelPoint{space * 200 - 50, lane * 100 - 25}; };
  EXPECT_EQ(outlines(1), (std::vector<PixelPoint>{at(0, 0), at(1, 0), at(0, 2), at(1, 2)}));
  EXPECT_EQ(outlines(2), (std::vector<PixelPoint>{at(3, 0), at(4, 0)}));
  EXPECT_TRUE(outlines(3).empty());
  // Lap 0: no outlines, only the gear icons of the moves that began before the line.
  EXPECT_TRUE(outlines(0).empty());
  ASSERT_EQ(f.canvas.calls.size(), 2u);
  EXPECT_EQ(f.canvas.calls[0].fill, 0x00A0FFu);  // gear 2's square
  EXPECT_EQ(f.canvas.calls[1].fill, 0x0000FFu);  // gear 3's diamond
  // In lap 1 the first move's icon is gear 3's diamond.
  outlines(1);
  EXPECT_EQ(f.canvas.polygonsFilled(0x0000FF).size(), 2u);  // moves 2 and 3
}

}  // namespace
}  // namespace tarmaq
