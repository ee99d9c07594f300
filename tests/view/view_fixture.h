// A view over a small board where one track unit is one pixel: zoom 15 twips per unit,
// 15 twips per pixel, the track origin at the top-left corner.
#pragma once

#include "support/race_fixture.h"
#include "track/track_geometry.h"
#include "view/recording_canvas.h"

namespace tarmaq::testing {

inline void computeVertices(Track& track) {
  for (Lane& lane : track.lanes)
    for (Space& s : lane.spaces) computeSpaceVertices(s);
}

struct ViewFixture : RaceFixture {
  RecordingCanvas canvas;
  explicit ViewFixture(int cars = 3) : RaceFixture(cars) {
    computeVertices(game.track);
    ViewState& v = game.view;
    v.visible = true;
    v.zoom = 15;
    v.offsetX = v.offsetY = 0;
    v.width = 1600 * 15;
    v.height = 1000 * 15;
    game.currRound = 1;
  }
  // A polygon call at the pixels of a point list.
  static std::vector<PixelPoint> px(std::initializer_list<PixelPoint> p) { return p; }
};

}  // namespace tarmaq::testing
