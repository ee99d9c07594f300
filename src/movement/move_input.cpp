#include "movement/move_input.h"

#include "engine/game_state.h"
#include "engine/rolls.h"
#include "engine/turn_controller.h"
#include "movement/driver_card.h"
#include "movement/move_execution.h"
#include "movement/move_options.h"
#include "movement/move_stepping.h"
#include "movement/remaining_count.h"
#include "track/track_geometry.h"

namespace tarmaq {

namespace {

bool currentStepIs(const Game& game, const char* code) {
  const std::string* step = game.currentStep();
  return step && *step == code;
}

// The testing dialog: whatever closes it, the roll becomes the die value when that is
// a number, and the log tells that the driver cheated.
void cheat(Game& game) {
  if (game.services.frontend)
    if (auto text = game.services.frontend->askCheatValue(game.controls.diePanel.valueText))
      setDieValueText(game, *text);
  game.view.requestRedraw();
  if (auto value = parseCount(game.controls.diePanel.valueText)) game.snapshot.move = *value;
  writeToGameLog(game, 29, 9, "     " + carName(game, game.currCar) + " has cheated!", false,
                 LogRed);
}

int shownGear(const Game& game) {
  for (int g = 1; g <= 6; ++g)
    if (game.controls.driverCard.gears[static_cast<std::size_t>(g - 1)].selected) return g;
  return 0;
}

// The turn's commands of the keys. Returns false when the key needs nothing more.
bool turnKey(Game& game, int k) {
  if (k == key::Space) {
    if (game.controls.diePanel.valueVisible)
      moveOnCommand(game);
    else
      rollCommand(game, RollBy::Player);
  } else if (k == key::Enter) {
    acceptMoveCommand(game);
  } else if (k >= key::Digit1 && k <= key::Digit6) {
    if (currentStepIs(game, "ROLL GEAR WAIT")) selectGear(game, k - 48);
  } else if (k == key::U || k == key::D) {
    if (currentStepIs(game, "ROLL GEAR WAIT")) {
      const int g = shownGear(game);
      if (g > 0) selectGear(game, k == key::U ? g + 1 : g - 1);
      return false;
    }
  } else if (k == key::B) {
    // Only where a click on a brake picture would brake.
    if (brakingPossible(game)) {
      const int i = lastAvailableBrakePicture(game);
      if (i >= 0) {
        useBrakePoint(game, i);
        refreshMoveOptions(game);
      }
    }
    return false;
  }
  return true;
}

void moveKey(Game& game, int k) {
  if (!game.controls.movePanel.visible) return;
  const MovePanel& panel = game.controls.movePanel;
  const int p = lastPlannedSpace(game);
  const Space* here = game.track.space(p);
  if (k == key::Delete || k == key::Backspace) {
    stepBackCommand(game);
  } else if (k == key::Escape) {
    resetMove(game);
  } else if (!here || !currentStepIs(game, "MOVE WAIT")) {
    return;
  } else if (k == key::Left && panel.laneEnabled[0]) {
    stepTo(game, here->nextLink1);
  } else if (k == key::Up && panel.laneEnabled[1]) {
    stepTo(game, spaceAhead(game, p));
  } else if (k == key::Right && panel.laneEnabled[2]) {
    stepTo(game, here->nextLink2);
  }
}

}  // namespace

void handleKey(Game& game, int virtualKey, bool shift) {
  if (!game.view.visible) return;
  if (shift && virtualKey == key::D) cheat(game);
  if (!turnKey(game, virtualKey)) return;
  moveKey(game, virtualKey);
}

namespace {

int cornerSignAt(const Game& game, float x, float y) {
  const ViewState& v = game.view;
  const auto& corners = game.track.corners;
  for (std::size_t k = 0; k < corners.size(); ++k) {
    const Corner& c = corners[k];
    if (v.toScreenX(c.signLeft) < x && x < v.toScreenX(c.signRight) && v.toScreenY(c.signTop) < y &&
        y < v.toScreenY(c.signBottom))
      return static_cast<int>(k);
  }
  return -1;
}

// Walks straight along the lane up to `to`, as the lane buttons would: the walk stops
// where a straight step is not allowed, at an occupied space, when the roll is used up,
// and when a warning ended the planning.
void walkTo(Game& game, int lane, int from, int to, int n) {
  const int car = game.currCar;
  for (int t = (from + 1) % n;; t = (t + 1) % n) {
    const int location = makeLocation(lane, t);
    if (carOn(game, location) || remainingCount(game) <= 0 ||
        game.controls.diePanel.valueText == "0")
      return;
    if (!game.controls.movePanel.laneEnabled[1] ||
        spaceAhead(game, lastPlannedSpace(game)) != location)
      return;
    stepTo(game, location);
    const Car* c = game.car(car);
    if (game.moves.size() <= 1 || game.currCar != car || !c || c->status == SpunOut ||
        !c->inRace() || !currentStepIs(game, "MOVE WAIT"))
      return;
    if (t == to) return;
  }
}

void planWithPointer(Game& game, int q) {
  const int r = remainingCount(game);
  if (r <= 0 || !currentStepIs(game, "MOVE WAIT")) return;
  const int p = lastPlannedSpace(game);
  const Space* here = game.track.space(p);
  if (!here) return;
  const auto& lanes = game.controls.movePanel.laneEnabled;
  if (q == spaceAhead(game, p) && lanes[1]) return stepTo(game, q);
  if (q == here->nextLink1 && lanes[0]) return stepTo(game, q);
  if (q == here->nextLink2 && lanes[2]) return stepTo(game, q);
  const int PL = laneOf(p);
  if (laneOf(q) != PL || PL == game.track.pitLane || PL == game.track.garageLane) return;
  const int n = game.track.spaceCount(PL);
  const int PS = spaceIndexOf(p);
  const int QS = spaceIndexOf(q);
  const bool reachable =
      PS + r <= n - 1 ? PS < QS && QS <= PS + r : QS > PS || (QS < PS && QS <= (PS + r) % n);
  if (reachable) walkTo(game, PL, PS, QS, n);
}

}  // namespace

int spaceAt(const Game& game, float x, float y) {
  const ViewState& v = game.view;
  const float reachX = 2 * v.zoom * SpaceHalfLength;
  const float reachY = 2 * v.zoom * SpaceHalfWidth;
  int hit = NoSpace;
  for (int L = 0; L < game.track.laneCount(); ++L) {
    const auto& spaces = game.track.lanes[static_cast<std::size_t>(L)].spaces;
    for (std::size_t s = 0; s < spaces.size(); ++s) {
      const Space& sp = spaces[s];
      const float sx = v.toScreenX(sp.x);
      const float sy = v.toScreenY(sp.y);
      if (!(x - reachX < sx && sx < x + reachX && y - reachY < sy && sy < y + reachY)) continue;
      std::array<Point, 4> screen{};
      for (std::size_t i = 0; i < 4; ++i)
        screen[i] = Point{v.toScreenX(sp.vertex[i].x), v.toScreenY(sp.vertex[i].y)};
      if (pointInSpace(x, y, screen[0], screen[1], screen[2], screen[3]))
        hit = makeLocation(L, static_cast<int>(s));
    }
  }
  return hit;
}

void pointerPress(Game& game, PointerButton button, float x, float y) {
  if (button == PointerButton::Right) {
    if (game.controls.movePanel.visible && currentStepIs(game, "MOVE WAIT") &&
        game.controls.diePanel.valueText == "0")
      acceptMove(game);
    return;
  }
  if (button != PointerButton::Left) return;
  const int corner = cornerSignAt(game, x, y);
  if (corner >= 0) {
    if (game.services.frontend) game.services.frontend->showCornerProperties(corner);
    return;
  }
  const int q = spaceAt(game, x, y);
  if (q < 0) return;
  if (!currentStepIs(game, "MOVE WAIT")) {
    for (int c = 0; c < game.carCount(); ++c) {
      const Car& car = game.cars[static_cast<std::size_t>(c)];
      if (car.inRace() && car.location == q) {
        showTurn(game, c);
        return;
      }
    }
    return;
  }
  planWithPointer(game, q);
}

}  // namespace tarmaq
