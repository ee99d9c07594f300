#include "view/lap_path.h"

#include <string>
#include <vector>

#include "engine/game_state.h"
#include "view/car_drawing.h"

namespace tarmaq {

namespace {

bool beginsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The location codes of a "MOVE" entry: from the fifth character on, blanks skipped,
// each code four characters wide at most.
std::vector<int> moveCodes(const std::string& entry) {
  std::vector<int> codes;
  std::size_t i = 4;
  while (i < entry.size()) {
    while (i < entry.size() && entry[i] == ' ') ++i;
    if (i >= entry.size()) break;
    std::size_t end = i;
    int value = 0;
    bool digits = false;
    while (end < entry.size() && end < i + 4 && entry[end] >= '0' && entry[end] <= '9') {
      value = value * 10 + (entry[end] - '0');
      digits = true;
      ++end;
    }
    if (!digits) break;
    codes.push_back(value);
    i = end;
  }
  return codes;
}

}  // namespace

void showLapPath(Game& game, int car, int lap) {
  game.view.lapPath = {true, car, lap};
  game.view.redrawRequested = true;
}

void drawLapPath(const Game& game, Canvas& canvas, int c, int lap) {
  const Car* car = game.car(c);
  if (!car) return;
  const Track& track = game.track;
  auto racingLane = [&](int location) {
    const int lane = laneOf(location);
    return lane != track.pitLane && lane != track.garageLane;
  };
  const std::string driver = "DRVR " + std::to_string(c);
  int counter = 0;
  int gear = 0;
  int previous = NoSpace;
  for (const auto& round : game.gameLogArray) {
    for (std::size_t i = 0; i < round.size(); ++i) {
      if (round[i] != driver) continue;
      std::size_t j = i + 1;
      for (; j < round.size(); ++j) {
        const std::string& e = round[j];
        if (beginsWith(e, "SHFT") && !e.empty()) gear = e.back() - '0';
        if (beginsWith(e, "DRVR")) break;
        if (beginsWith(e, "MOVE") && e != "MOVE WAIT" &&
            !(e.size() >= 4 && e.compare(e.size() - 4, 4, "WAIT") == 0))
          break;
      }
      if (j >= round.size() || !beginsWith(round[j], "MOVE")) continue;
      bool countedThisMove = false;
      bool iconDrawn = false;
      for (int code : moveCodes(round[j])) {
        if (racingLane(code) && track.space(code)) {
          const bool fromPits = previous >= 0 && !racingLane(previous);
          const bool overLine =
              spaceIndexOf(code) == 0 && (previous < 0 || spaceIndexOf(previous) != 0);
          if (fromPits || (overLine && !countedThisMove)) {
            ++counter;
            countedThisMove = true;
          }
        }
        previous = code;
        if (counter != lap) continue;
        if (counter > 0) drawCar(game, canvas, Running, code, car->color[0], car->color[1], true);
        if (!iconDrawn) {
          drawDieIcon(game, canvas, gear, laneOf(code), spaceIndexOf(code), 1.0f, IconSide::Centre);
          iconDrawn = true;
        }
      }
    }
  }
}

}  // namespace tarmaq
