// Drawing the board: decorative shapes, gap fillers, spaces with their joints, the
// painted marks and the corner signs.
#pragma once

#include <vector>

#include "track/track_model.h"
#include "view/canvas.h"

namespace tarmaq {

struct Game;
struct ViewState;

// A space whose centre lies this far outside the view is not drawn.
bool spaceCulled(const ViewState& view, const Space& space);

// The polygon of a space in whole track units: the plain four corners, or at detail
// levels above 0 the joined form that reaches half way into the wedge towards each
// neighbour that does not share the corner.
std::vector<Point> spaceOutline(const Track& track, int lane, int space, int detail);

void drawTrackShapes(const Game& game, Canvas& canvas);
void drawGapFillers(const Game& game, Canvas& canvas);
void drawSpace(const Game& game, Canvas& canvas, int lane, int space, Color fill,
               FillStyle fillStyle);
void drawSpaceMarks(const Game& game, Canvas& canvas, int lane, int space);
void drawCornerSign(const Game& game, Canvas& canvas, int corner);

}  // namespace tarmaq
