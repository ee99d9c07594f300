// tarmaq-cli render on a saved game: the picture the program would show.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "app/widget_support.h"
#include "cli/run_cli.h"
#include "driver/auto_driver.h"
#include "engine/timers.h"
#include "engine/turn_controller.h"
#include "gamefile/game_file_writer.h"

namespace tarmaq::testing {
namespace {

// Plays the window's game with the automatic driver until, from round 2 on, a move has
// been planned one space: cars on the track, a ghost and move options to draw.
bool playToAPlannedMove(Game& g) {
  AutoDriver driver(3);
  for (int n = 0; n < 5000; ++n) {
    const std::string* step = g.currentStep();
    if (!step) return false;
    if (*step == "MOVE WAIT" && g.currRound >= 2 && g.moves.size() >= 2) return true;
    if (fireArmedResultTimer(g)) continue;
    const DriverAction a = driver.decide(g);
    if (a.kind == DriverAction::None) return false;
    AutoDriver::perform(g, a);
  }
  return false;
}

// How many pixels differ in the square of `radius` around a point.
int differingPixels(const QImage& a, const QImage& b, QPoint at, int radius) {
  int n = 0;
  for (int y = at.y() - radius; y <= at.y() + radius; ++y)
    for (int x = at.x() - radius; x <= at.x() + radius; ++x)
      if (a.valid(x, y) && b.valid(x, y) && a.pixel(x, y) != b.pixel(x, y)) ++n;
  return n;
}

TEST(RenderCommand, ASavedGameIsDrawnWithItsCarsGhostAndOptions) {
  QTemporaryDir dir;
  WindowFixture f;
  f.newGame("BrackwoodRing.trk");
  Game& g = f.window->game();
  ASSERT_TRUE(playToAPlannedMove(g));
  const std::string game = dir.filePath("planned.tmq").toStdString();
  ASSERT_TRUE(gameFileSave(g, game));

  const Space* carSpace = g.track.space(g.cars[static_cast<std::size_t>(g.currCar)].location);
  ASSERT_NE(carSpace, nullptr);
  const std::string withCars = dir.filePath("game.png").toStdString();
  const std::string bare = dir.filePath("track.png").toStdString();
  // The game centred on the car to play, the bare circuit centred on the same point.
  CliResult r = runCli({"render", game, withCars, "--size", "640x400", "--car",
                        std::to_string(g.currCar), "--data", TARMAQ_DATA});
  ASSERT_EQ(r.status, 0) << r.err;
  r = runCli({"render", std::string(TARMAQ_DATA) + "/Tracks/BrackwoodRing.trk", bare, "--size",
              "640x400", "--center",
              std::to_string(carSpace->x) + "," + std::to_string(carSpace->y)});
  ASSERT_EQ(r.status, 0) << r.err;

  QImage a(QString::fromStdString(withCars)), b(QString::fromStdString(bare));
  ASSERT_EQ(a.size(), QSize(640, 400));
  ASSERT_EQ(b.size(), QSize(640, 400));
  const ViewState& v = g.view;
  const float zoom = v.zoom;
  // The view of both pictures: the car's space in the middle, at the game's zoom.
  auto pixel = [&](int location) {
    const Space* s = g.track.space(location);
    return QPoint(qRound(320 + (s->x - carSpace->x) * zoom / 15),
                  qRound(200 + (s->y - carSpace->y) * zoom / 15));
  };
  // Every car in the race, the ghost on the planned space and the shaded options are
  // there; the picture is otherwise the circuit's.
  for (const Car& car : g.cars) {
    if (car.location < 0) continue;
    const QPoint at = pixel(car.location);
    if (!a.rect().contains(at)) continue;
    EXPECT_GT(differingPixels(a, b, at, 4), 20) << car.driverName;
  }
  EXPECT_GT(differingPixels(a, b, pixel(g.moves.back()), 12), 10) << "the ghost";
  ASSERT_FALSE(g.view.shadedSpaces.empty());
  for (const auto& [location, shade] : g.view.shadedSpaces) {
    if (!a.rect().contains(pixel(location))) continue;
    EXPECT_GT(differingPixels(a, b, pixel(location), 10), 10) << "option " << location;
  }
  EXPECT_EQ(a.pixel(2, 2), b.pixel(2, 2));
}

TEST(RenderCommand, ADamagedOrMissingGameIsRefusedWithAReason) {
  QTemporaryDir dir;
  WindowFixture f;
  f.newGame("BrackwoodRing.trk");
  const std::string good = dir.filePath("good.tmq").toStdString();
  ASSERT_TRUE(gameFileSave(f.window->game(), good));
  const std::string text = slurp(good);
  const struct {
    const char* name;
    std::string content;
    const char* reason;
  } cases[] = {
      {"cut.tmq", text.substr(0, text.size() / 3), "Damaged"},
      {"junk.tmq", std::string("\x01\x02junk\n", 7), "Damaged"},
      {"empty.tmq", "", "Damaged"},
  };
  for (const auto& c : cases) {
    const std::string path = dir.filePath(c.name).toStdString();
    {
      std::ofstream out(path, std::ios::binary);
      out << c.content;
    }
    const std::string png = dir.filePath("out.png").toStdString();
    const CliResult r = runCli({"render", path, png, "--data", TARMAQ_DATA});
    EXPECT_NE(r.status, 0) << c.name;
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.name << ": " << r.err;
    EXPECT_FALSE(std::filesystem::exists(png)) << c.name;
  }
  CliResult r = runCli(
      {"render", dir.filePath("none.tmq").toStdString(), dir.filePath("x.png").toStdString()});
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("no such game file"), std::string::npos) << r.err;
  // Neither a circuit nor a game, and a car the game does not have.
  r = runCli({"render", good + ".txt", dir.filePath("x.png").toStdString()});
  EXPECT_NE(r.status, 0);
  r = runCli(
      {"render", good, dir.filePath("x.png").toStdString(), "--car", "7", "--data", TARMAQ_DATA});
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("no car 7"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace tarmaq::testing
