// The pointer on the track view in the three modes: zoom and pan drags, double-click
// centring, and the drag of the view's bottom edge that resizes it against the
// information panel. Positions are twips of the view.
#pragma once

namespace tarmaq {

struct Game;

enum class PointerButtons { None, Left, Other };

// Limits of a resize drag, in pixels: the view keeps at least 400, the information
// panel below it at least 153.
inline constexpr float MinViewHeightPx = 400;
inline constexpr float MinInfoPanelHeightPx = 153;
inline constexpr float ResizeBandPx = 8;
inline constexpr float ZoomDragThresholdTwips = 50;

// A left-button press: the drag starts here.
void pointerPressed(Game& game, float x, float y);

// A pointer move. `infoPanelHeightPx` is the height of the information panel below the
// view. A resize drag leaves the height it asks for in `ViewState::requestedHeight`.
void pointerMoved(Game& game, PointerButtons buttons, float x, float y, float infoPanelHeightPx);

void pointerReleased(Game& game);

// Brings the clicked point to the centre (in the zoom and translate modes).
void doubleClicked(Game& game, float x, float y);

// The drawing surface got a new size (twips).
void viewResized(Game& game, float width, float height);

}  // namespace tarmaq
