// tarmaq-cli render: the track view drawn headless into a PNG, as the program draws it.
#include <QGuiApplication>
#include <QImage>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/qt_canvas.h"
#include "cli/commands.h"
#include "engine/game_state.h"
#include "track/track_loader.h"
#include "view/navigation.h"
#include "view/refresh_view.h"

namespace tarmaq::cli {

namespace {

struct RenderArgs {
  std::string input;
  std::string output;
  int width = 1600;
  int height = 1000;
  float zoom = 2.5f;
  int detail = 2;
  bool center = false;
  float centerX = 0, centerY = 0;
  int car = -1;
};

bool endsWith(const std::string& s, const char* suffix) {
  const std::string x(suffix);
  return s.size() >= x.size() && s.compare(s.size() - x.size(), x.size(), x) == 0;
}

bool parseArgs(const Args& args, RenderArgs& r) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--size" && hasValue) {
      if (std::sscanf(args[++i].c_str(), "%dx%d", &r.width, &r.height) != 2) return false;
    } else if (a == "--zoom" && hasValue) {
      r.zoom = std::stof(args[++i]);
    } else if (a == "--detail" && hasValue) {
      r.detail = std::stoi(args[++i]);
    } else if (a == "--center" && hasValue) {
      if (std::sscanf(args[++i].c_str(), "%f,%f", &r.centerX, &r.centerY) != 2) return false;
      r.center = true;
    } else if (a == "--car" && hasValue) {
      r.car = std::stoi(args[++i]);
    } else if (!a.empty() && a[0] == '-') {
      return false;
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) return false;
  r.input = positional[0];
  r.output = positional[1];
  return r.width > 0 && r.height > 0 && r.width <= 10000 && r.height <= 10000 && r.zoom > 0 &&
         r.detail >= 0 && r.detail <= 4 && !(r.center && r.car >= 0);
}

int usage() {
  std::cerr << "usage: tarmaq-cli render (TRACK.trk | GAME.tmq) OUT.png [--size WxH] "
               "[--zoom Z] [--detail 0-4] [--center x,y | --car N]\n";
  return 2;
}

}  // namespace

int render(const Args& args) {
  RenderArgs r;
  try {
    if (!parseArgs(args, r)) return usage();
  } catch (const std::exception&) {
    return usage();
  }
  Game game;
  if (endsWith(r.input, ".trk")) {
    if (!loadTrack(game, r.input)) {
      std::cerr << "cannot read the circuit " << r.input << "\n";
      return 2;
    }
  } else {
    std::cerr << "not a circuit file: " << r.input << "\n";
    return 2;
  }

  ViewState& v = game.view;
  v.visible = true;
  v.twipsPerPixelX = v.twipsPerPixelY = 15;
  v.width = static_cast<float>(r.width) * v.twipsPerPixelX;
  v.height = static_cast<float>(r.height) * v.twipsPerPixelY;
  v.zoom = r.zoom;
  game.options.trackDetail = r.detail;
  if (r.center) {
    v.hScroll.value = static_cast<int>(r.centerX);
    v.vScroll.value = static_cast<int>(r.centerY);
    v.offsetX = v.width / 2 - r.centerX * v.zoom;
    v.offsetY = v.height / 2 - r.centerY * v.zoom;
  } else {
    v.applyHorizontalValue();
    v.applyVerticalValue();
  }
  if (r.car >= 0) centerCar(game, r.car);

  int argc = 1;
  char name[] = "tarmaq-cli";
  char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QImage image(r.width, r.height, QImage::Format_ARGB32_Premultiplied);
  const auto start = std::chrono::steady_clock::now();
  {
    QtCanvas canvas(image, v.twipsPerPixelX, v.twipsPerPixelY);
    refreshView(game, canvas, false);
  }
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  if (!image.save(QString::fromStdString(r.output), "PNG")) {
    std::cerr << "cannot write " << r.output << "\n";
    return 2;
  }
  std::cout << r.output << ": " << r.width << "x" << r.height << ", drawn in " << took.count()
            << " ms\n";
  return 0;
}

}  // namespace tarmaq::cli
