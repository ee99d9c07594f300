// A full frame of the track view: each shipped circuit with 20 cars on the grid, at the
// default zoom and at a zoom that shows the whole circuit, 1600x1000 pixels.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <filesystem>

#include "app/qt_canvas.h"
#include "engine/game_state.h"
#include "track/track_loader.h"
#include "view/recording_canvas.h"
#include "view/refresh_view.h"

namespace {

using namespace tarmaq;

QGuiApplication& app() {
  static int argc = 1;
  static char name[] = "tarmaq_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication instance(argc, argv);
  return instance;
}

Game raceOn(const std::string& circuit, bool wholeCircuit) {
  Game game;
  readRaceClass(std::filesystem::path(TARMAQ_DATA) / "Classes" / "Modern.cls", game.raceClass);
  loadTrack(game, std::filesystem::path(TARMAQ_DATA) / "Tracks" / circuit);
  ViewState& v = game.view;
  v.visible = true;
  v.width = 1600 * 15;
  v.height = 1000 * 15;
  if (wholeCircuit) {
    const float w = static_cast<float>(v.hScroll.max - v.hScroll.min) + 400;
    const float h = static_cast<float>(v.vScroll.max - v.vScroll.min) + 400;
    v.zoom = std::min(v.width / w, v.height / h);
  }
  v.applyHorizontalValue();
  v.applyVerticalValue();
  game.options.trackDetail = 4;
  game.currRound = 1;
  for (int c = 0; c < MaxCars; ++c) {
    Car car;
    car.color = {static_cast<std::uint32_t>(0x101010 * (c % 12) + 0x0000C0),
                 static_cast<std::uint32_t>(0x00FF00 - 0x000800 * c)};
    car.location = game.track.gridLocations[static_cast<std::size_t>(c + 1)];
    game.cars.push_back(car);
    game.positions.push_back(c);
  }
  return game;
}

void fullFrame(benchmark::State& state, const std::string& circuit, bool wholeCircuit) {
  app();
  Game game = raceOn(circuit, wholeCircuit);
  QImage image(1600, 1000, QImage::Format_ARGB32_Premultiplied);
  QtCanvas canvas(image, 15, 15);
  for (auto _ : state) {
    refreshView(game, canvas, false);
    benchmark::ClobberMemory();
  }
}

void coreOnly(benchmark::State& state, const std::string& circuit) {
  Game game = raceOn(circuit, true);
  RecordingCanvas canvas;
  for (auto _ : state) {
    canvas.calls.clear();
    refreshView(game, canvas, false);
  }
}

const char* const Circuits[] = {"BrackwoodRing.trk", "PortCastellane.trk", "VelmontPark.trk"};

[[maybe_unused]] const bool registered = [] {
  for (const char* c : Circuits) {
    const std::string name(c);
    benchmark::RegisterBenchmark(("FullFrame/" + name + "/default-zoom").c_str(), fullFrame, name,
                                 false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("FullFrame/" + name + "/whole-circuit").c_str(), fullFrame, name,
                                 true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("SceneOnly/" + name).c_str(), coreOnly, name)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
