// Moving the view: zoom, pan, centring on the track or on a car, keeping a space in
// sight while a move is planned, and the scroll bars.
#pragma once

namespace tarmaq {

struct Game;
struct ViewState;

// A full redraw takes longer than this and the view falls back to the quick outline
// while it is being moved.
inline constexpr float FrameBudgetMs = 16.0f;
inline constexpr float ZoomStep = 0.25f;

// Asks for the picture of a view that is being moved: the full picture when the last
// full redraw was fast enough, otherwise the quick outline (only while the view is
// shown).
void requestQuickRedraw(ViewState& view);

// Changes the zoom when it stays above 1 or grows. Returns whether it changed.
bool zoomBy(ViewState& view, float delta);

// Moves the picture by (dx, dy) track units.
void panBy(ViewState& view, float dx, float dy);

// The track origin at the centre of the view, then a full redraw.
void centerView(ViewState& view);

// Zooms one step about a point of the view (twips), keeping the track point under it
// in place: the zoom drag and the mouse wheel.
void zoomAbout(ViewState& view, float x, float y, float delta);

// A scroll bar's thumb is being dragged: move the view along with the value.
void scrollValueChanging(ViewState& view, bool horizontal, int value);
// A scroll value is committed; when the user changed it, a full redraw follows and the
// keyboard focus returns to the view.
void scrollValueCommitted(Game& game, bool horizontal, int value, bool byUser);

// Only while the view is shown: centre on the car's space and set the scroll bars to
// the centre, clamped. A car that is not on a space leaves the view as it is.
void centerCar(Game& game, int car);

// Keeps a space in sight while a move is planned ("Auto-Scroll During Moves"): nudges
// the view by a tenth of its size when the space nears an edge. The scroll bars stay.
void scrollToSpace(Game& game, int location);

}  // namespace tarmaq
