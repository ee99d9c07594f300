#include "app/track_view_widget.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWheelEvent>
#include <filesystem>

#include "engine/game_state.h"
#include "track/track_loader.h"

namespace tarmaq {
namespace {

// Brackwood Ring in round 1, car 0 planning a move: two spaces planned, options shaded.
Game planningGame() {
  Game game;
  readRaceClass(std::filesystem::path(TARMAQ_DATA) / "Classes" / "Modern.cls", game.raceClass);
  loadTrack(game, std::filesystem::path(TARMAQ_DATA) / "Tracks" / "BrackwoodRing.trk");
  for (int c = 0; c < 4; ++c) {
    Car car;
    car.color = {c % 2 ? 0x0000D0u : 0xD00000u, 0x00FFFFu};
    car.location = game.track.gridLocations[static_cast<std::size_t>(c + 1)];
    game.cars.push_back(car);
    game.positions.push_back(c);
  }
  game.currRound = 1;
  game.currCar = 0;
  game.gameLogArray = {{""}, {"ROUN", "DRVR 0", "ROLL GEAR 4", "MOVE WAIT"}};
  game.currStep = 3;
  const int start = game.cars[0].location;
  const int lane = laneOf(start), n = game.track.spaceCount(lane);
  auto ahead = [&](int k, int toLane) {
    return makeLocation(toLane, (spaceIndexOf(start) + k) % n);
  };
  game.moves = {start, ahead(1, lane), ahead(2, lane)};
  game.view.shading.next = {ahead(3, lane), ahead(3, lane == 0 ? 1 : lane - 1)};
  game.view.shading.final = ahead(4, lane);
  game.controls.diePanel.valueText = "2";
  game.view.visible = true;
  game.view.zoom = 6;
  return game;
}

TEST(TrackViewWidget, DrawsTheRequestedFrameAndZoomsAboutTheWheel) {
  Game game = planningGame();
  TrackViewWidget view(game);
  view.resize(900, 600);
  const Space* start = game.track.space(game.cars[0].location);
  ASSERT_NE(start, nullptr);
  game.view.width = 900 * game.view.twipsPerPixelX;
  game.view.height = 600 * game.view.twipsPerPixelY;
  game.view.offsetX = game.view.width / 2 - start->x * game.view.zoom;
  game.view.offsetY = game.view.height / 2 - start->y * game.view.zoom;
  game.view.requestRedraw();
  view.render();
  ASSERT_FALSE(view.picture().isNull());
  const QString out = QStringLiteral(TARMAQ_BUILD_DIR "/move_wait.png");
  view.picture().save(out);
  // The next spaces are hatched in blue.
  bool blueShading = false;
  for (int x = 0; x < 900 && !blueShading; x += 2)
    for (int y = 0; y < 600 && !blueShading; y += 2)
      blueShading = view.picture().pixel(x, y) == qRgb(0, 0, 255);
  EXPECT_TRUE(blueShading);
  EXPECT_FALSE(game.view.redrawRequested);
  EXPECT_GT(game.view.lastFullFrameMs, 0);

  const QPointF at(200, 150);
  const float tx = game.view.toTrackX(200 * game.view.twipsPerPixelX);
  QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&view, &wheel);
  EXPECT_FLOAT_EQ(game.view.zoom, 6.25f);
  EXPECT_NEAR(game.view.toTrackX(200 * game.view.twipsPerPixelX), tx, 0.01f);
}

}  // namespace
}  // namespace tarmaq
