// tarmaq-cli render: the track view drawn headless into a PNG, as the program draws it:
// a circuit alone, or a saved game with its cars, debris, planned move and move options.
#include <QGuiApplication>
#include <QImage>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "app/qt_canvas.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "engine/game_state.h"
#include "gamefile/game_file_open.h"
#include "track/track_loader.h"
#include "view/navigation.h"
#include "view/refresh_view.h"

namespace tarmaq::cli {

namespace {

struct RenderArgs {
  std::string input;
  std::string output;
  std::optional<std::string> data;
  int width = 1600;
  int height = 1000;
  std::optional<float> zoom;
  std::optional<int> detail;
  bool center = false;
  float centerX = 0, centerY = 0;
  int car = -1;
};

bool endsWith(const std::string& s, const char* suffix) {
  const std::string x(suffix);
  return s.size() >= x.size() && s.compare(s.size() - x.size(), x.size(), x) == 0;
}

// Whole-text numbers only: "2.5x" is refused rather than read as 2.5.
bool readFloat(const std::string& text, float& value) {
  char extra = 0;
  return std::sscanf(text.c_str(), "%f%c", &value, &extra) == 1;
}
bool readInt(const std::string& text, int& value) {
  char extra = 0;
  return std::sscanf(text.c_str(), "%d%c", &value, &extra) == 1;
}

bool parseArgs(const Args& args, RenderArgs& r) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--size" && hasValue) {
      char extra = 0;
      if (std::sscanf(args[++i].c_str(), "%dx%d%c", &r.width, &r.height, &extra) != 2) return false;
    } else if (a == "--zoom" && hasValue) {
      float z = 0;
      if (!readFloat(args[++i], z)) return false;
      r.zoom = z;
    } else if (a == "--detail" && hasValue) {
      int d = 0;
      if (!readInt(args[++i], d)) return false;
      r.detail = d;
    } else if (a == "--center" && hasValue) {
      char extra = 0;
      if (std::sscanf(args[++i].c_str(), "%f,%f%c", &r.centerX, &r.centerY, &extra) != 2)
        return false;
      r.center = true;
    } else if (a == "--car" && hasValue) {
      if (!readInt(args[++i], r.car) || r.car < 0) return false;
    } else if (a == "--data" && hasValue) {
      r.data = args[++i];
    } else if (!a.empty() && a[0] == '-') {
      return false;
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) return false;
  r.input = positional[0];
  r.output = positional[1];
  const bool zoomOk = !r.zoom || (*r.zoom > 0 && *r.zoom <= 100);
  const bool detailOk = !r.detail || (*r.detail >= 0 && *r.detail <= 4);
  return r.width > 0 && r.height > 0 && r.width <= 10000 && r.height <= 10000 && zoomOk &&
         detailOk && !(r.center && r.car >= 0);
}

int usage() {
  std::cerr << "usage: tarmaq-cli render (TRACK.trk | GAME.tmq) OUT.png [--size WxH] "
               "[--zoom Z] [--detail 0-4] [--center x,y | --car N] [--data DIR]\n";
  return 2;
}

// Loads the game file as the program would; false with a message when it cannot.
bool openGame(Session& session, const std::string& file) {
  const OpenResult result = gameFileOpen(session.game, file);
  if (result == OpenResult::Opened) return true;
  std::string why = "cannot be loaded";
  if (result == OpenResult::NotFound)
    why = "no such game file";
  else if (!session.frontend.messages.empty())
    why = session.frontend.messages.back().message.title + ": " +
          session.frontend.messages.back().message.text;
  std::cerr << "tarmaq-cli: " << file << ": " << why << "\n";
  return false;
}

}  // namespace

int render(const Args& args) {
  RenderArgs r;
  if (!parseArgs(args, r)) return usage();

  Session session(r.data);
  Game& game = session.game;
  ViewState& v = game.view;
  v.twipsPerPixelX = v.twipsPerPixelY = 15;
  v.width = static_cast<float>(r.width) * v.twipsPerPixelX;
  v.height = static_cast<float>(r.height) * v.twipsPerPixelY;
  if (endsWith(r.input, ".trk")) {
    if (!loadTrack(game, r.input)) {
      std::cerr << "tarmaq-cli: cannot read the circuit " << r.input << "\n";
      return 2;
    }
    v.visible = true;
    v.applyHorizontalValue();
    v.applyVerticalValue();
  } else if (endsWith(r.input, ".tmq")) {
    // The view is the program's own, and the game centres it on the car to play.
    if (!openGame(session, r.input)) return 2;
    v.visible = true;
  } else {
    std::cerr << "tarmaq-cli: neither a circuit (.trk) nor a game (.tmq): " << r.input << "\n";
    return 2;
  }

  // The options given change the picture the way the player's own settings would.
  if (r.detail) game.options.trackDetail = *r.detail;
  if (r.zoom) {
    // The same centre, seen closer or further.
    const float cx = v.toTrackX(v.width / 2), cy = v.toTrackY(v.height / 2);
    v.zoom = *r.zoom;
    v.offsetX = v.width / 2 - cx * v.zoom;
    v.offsetY = v.height / 2 - cy * v.zoom;
  }
  if (r.center) {
    v.offsetX = v.width / 2 - r.centerX * v.zoom;
    v.offsetY = v.height / 2 - r.centerY * v.zoom;
  }
  if (r.car >= 0) {
    if (r.car >= game.carCount()) {
      std::cerr << "tarmaq-cli: no car " << r.car << " in " << r.input << "\n";
      return 2;
    }
    centerCar(game, r.car);
  }

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
    std::cerr << "tarmaq-cli: cannot write " << r.output << "\n";
    return 2;
  }
  std::cout << r.output << ": " << r.width << "x" << r.height << ", drawn in " << took.count()
            << " ms\n";
  return 0;
}

}  // namespace tarmaq::cli
