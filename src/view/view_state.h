// The track view's transform and navigation state: zoom, offsets, scroll bars, size
// and pointer mode. Screen units are twips of the drawing surface.
#pragma once

#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "view/overlays.h"

namespace tarmaq {

enum class PointerMode { Select, ZoomView, TranslateView };
enum class ViewCursor { Arrow, ZoomView, TranslateView, Resize };

const char* pointerModeName(PointerMode mode);
// "Select", "ZoomView" or "TranslateView"; anything else gives nothing.
bool parsePointerMode(const std::string& text, PointerMode& mode);

struct ScrollBar {
  int min = -5000;
  int max = 5000;
  int value = 0;
  int largeChange = 1;
  // Values outside the range are never fatal: every setter clamps.
  void setValue(long v) {
    if (v < min) v = min;
    if (v > max) v = max;
    value = static_cast<int>(v);
  }
};

struct ViewState {
  float zoom = 2.5f;  // twips per track unit
  float offsetX = 0;  // screen position (twips) of the track origin
  float offsetY = 0;
  ScrollBar hScroll;
  ScrollBar vScroll;
  float width = 1600 * 15.0f;  // size of the drawing surface in twips
  float height = 1000 * 15.0f;
  float twipsPerPixelX = 15;
  float twipsPerPixelY = 15;
  PointerMode mode = PointerMode::Select;
  bool visible = false;

  // Requests to the renderer; the shell clears them after drawing.
  bool redrawRequested = false;
  bool redrawWithoutShading = false;
  bool quickRedrawRequested = false;
  bool lastRedrawWithoutShading = false;
  // The gear whose die icons are drawn along the active car's lane; 0 none.
  int dieIconsKind = 0;
  // Spaces shaded over their normal colour while a move is planned: the next spaces a
  // step may reach (blue) and the space where the roll would end (green), with the
  // drawing mode they were shaded with.
  struct Shade {
    std::uint32_t color = 0;
    int mode = 0;
    bool operator==(const Shade&) const = default;
  };
  std::map<int, Shade> shadedSpaces;

  // The "HideCars" toolbar button is down.
  bool hideCars = false;
  MoveShading shading;
  CarBlink blink;
  ScreenFlash flash;
  LapPath lapPath;
  // How long the last full redraw took, measured by the shell; while the view is being
  // moved, a frame this slow gives way to the quick outline redraw.
  float lastFullFrameMs = 0;

  // Pointer state: the position of the last left-button press and the position last
  // taken into account while dragging (twips); the resize arming and the cursor.
  float anchorX = 0, anchorY = 0;
  float dragLastX = 0, dragLastY = 0;
  bool resizeArmed = false;
  ViewCursor cursor = ViewCursor::Arrow;
  // A resize drag asks the shell for this view height (twips); negative when none.
  float requestedHeight = -1;

  float toScreenX(float x) const { return x * zoom + offsetX; }
  float toScreenY(float y) const { return y * zoom + offsetY; }
  float toTrackX(float sx) const { return (sx - offsetX) / zoom; }
  float toTrackY(float sy) const { return (sy - offsetY) / zoom; }

  // The scroll-bar rule: a bar's value is the track coordinate at the view's centre.
  void applyHorizontalValue() { offsetX = width / 2 - static_cast<float>(hScroll.value) * zoom; }
  void applyVerticalValue() { offsetY = height / 2 - static_cast<float>(vScroll.value) * zoom; }

  // Draws the picture again as it was last drawn, with the same shading, keeping a lap
  // path: for the blink and the end of a flash.
  void requestRepaint() {
    redrawRequested = true;
    redrawWithoutShading = lastRedrawWithoutShading;
  }
  // A full redraw from the game state. It wipes a lap path shown on the picture.
  void requestRedraw(bool withoutShading = false) {
    redrawRequested = true;
    redrawWithoutShading = withoutShading;
    lapPath.shown = false;
  }
};

}  // namespace tarmaq
