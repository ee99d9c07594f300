#include "view/refresh_view.h"

#include <cstdlib>
#include <vector>

#include "engine/game_state.h"
#include "view/car_drawing.h"
#include "view/draw_primitives.h"
#include "view/lap_path.h"
#include "view/track_drawing.h"

namespace tarmaq {

namespace {

bool stepIs(const Game& game, const char* code) {
  const std::string* step = game.currentStep();
  return step && *step == code;
}

void drawShadedSpace(Game& game, Canvas& canvas, int location, Color color) {
  if (!game.track.space(location)) return;
  drawSpace(game, canvas, laneOf(location), spaceIndexOf(location), color, FillStyle::CrossHatch);
  drawSpaceMarks(game, canvas, laneOf(location), spaceIndexOf(location));
}

void drawPlannedMove(Game& game, Canvas& canvas, bool skipMoveOptions) {
  if (const Car* car = game.car(game.currCar)) {
    for (std::size_t i = 1; i < game.moves.size(); ++i)
      drawCar(game, canvas, car->status, game.moves[i], car->color[0], car->color[1], true);
  }
  if (skipMoveOptions) return;
  if (std::atoi(game.controls.diePanel.valueText.c_str()) <= 0) return;
  for (int location : game.view.shading.next) drawShadedSpace(game, canvas, location, Blue);
  if (game.view.shading.final >= 0) drawShadedSpace(game, canvas, game.view.shading.final, Green);
  // The options as the move code shaded them, each space in its own colour.
  for (const auto& [location, shade] : game.view.shadedSpaces)
    drawShadedSpace(game, canvas, location, shade.color);
}

bool dieIconsShown(const Game& game) {
  const auto& card = game.controls.driverCard;
  if (!game.options.drawDieIcons || card.car != game.currCar) return false;
  if (game.view.dieIconsKind != 0) return true;
  return card.visible && (stepIs(game, "ROLL GEAR WAIT") || stepIs(game, "MOVE WAIT"));
}

void drawBlink(Game& game, Canvas& canvas) {
  const CarBlink& blink = game.view.blink;
  if (!blink.ticked || !game.timers[TimerId::CarBlink].enabled) return;
  const Car* car = game.car(game.currCar);
  if (!car || !car->inRace() || !game.track.space(car->location)) return;
  const int lane = laneOf(car->location), space = spaceIndexOf(car->location);
  drawSpace(game, canvas, lane, space, blink.lit() ? Yellow : Silver, FillStyle::Solid);
  drawSpaceMarks(game, canvas, lane, space);
  drawCar(game, canvas, car->status, car->location, car->color[0], car->color[1], false);
}

// "Very Low" detail draws the board on white, every other level on the circuit's colour.
Color viewBackground(const Game& game) {
  return game.options.trackDetail == 0 ? White : game.track.backColor;
}

}  // namespace

void refreshView(Game& game, Canvas& canvas, bool skipMoveOptions) {
  game.controls.standingsStale = true;
  ViewState& v = game.view;
  if (!v.visible) return;
  if (v.flash.showsRed || v.flash.showsBack) {
    canvas.setBackgroundColor(v.flash.showsRed ? Red : viewBackground(game));
    return;
  }
  canvas.setBackgroundColor(viewBackground(game));

  drawTrackShapes(game, canvas);
  drawGapFillers(game, canvas);
  for (int lane = 0; lane < game.track.laneCount(); ++lane) {
    for (int s = 0; s < game.track.spaceCount(lane); ++s) {
      drawSpace(game, canvas, lane, s, Silver, FillStyle::Solid);
      drawSpaceMarks(game, canvas, lane, s);
    }
  }
  for (int i = 0; i < static_cast<int>(game.hazards.size()); ++i) drawHazard(game, canvas, i);
  for (int c : game.positions) {
    if (const Car* car = game.car(c))
      drawCar(game, canvas, car->status, car->location, car->color[0], car->color[1], false);
  }
  if (stepIs(game, "MOVE WAIT")) drawPlannedMove(game, canvas, skipMoveOptions);
  for (int k = 0; k < static_cast<int>(game.track.corners.size()); ++k)
    drawCornerSign(game, canvas, k);
  if (dieIconsShown(game)) {
    if (const Car* car = game.car(game.currCar)) drawDieIcons(game, canvas, car->location);
  }
  if (v.lapPath.shown) drawLapPath(game, canvas, v.lapPath.car, v.lapPath.lap);
  drawBlink(game, canvas);
}

void quickRedraw(const Game& game, Canvas& canvas) {
  const ViewState& v = game.view;
  if (!v.visible) return;
  canvas.setBackgroundColor(viewBackground(game));
  const int last = game.track.laneCount() - 1;
  std::vector<int> lanes;
  if (last >= 2) lanes.push_back(2);
  if (last >= 0 && last != 2) lanes.push_back(last);
  for (int lane : lanes) {
    const auto& spaces = game.track.lanes[static_cast<std::size_t>(lane)].spaces;
    for (std::size_t s = 0; s < spaces.size(); ++s) {
      const Space& here = spaces[s];
      const float sx = v.toScreenX(here.x), sy = v.toScreenY(here.y);
      if (sx < -SpaceHalfLength * v.zoom || sx > v.width + SpaceHalfLength * v.zoom ||
          sy < -SpaceHalfLength * v.zoom || sy > v.height + SpaceHalfWidth * v.zoom)
        continue;
      const Space& next = spaces[(s + 1) % spaces.size()];
      drawLine(v, canvas, {here.x, here.y}, {next.x, next.y}, White, PenMode::Xor);
    }
  }
}

bool renderRequested(Game& game, Canvas& canvas) {
  ViewState& v = game.view;
  const bool full = v.redrawRequested;
  const bool quick = v.quickRedrawRequested;
  const bool skip = v.redrawWithoutShading;
  v.redrawRequested = v.quickRedrawRequested = v.redrawWithoutShading = false;
  if (full) {
    v.lastRedrawWithoutShading = skip;
    refreshView(game, canvas, skip);
    return true;
  }
  if (quick) quickRedraw(game, canvas);
  return false;
}

}  // namespace tarmaq
