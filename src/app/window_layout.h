// Where the main window's parts go, in the central area's pixels: the track view with
// its scroll bars, the die and move panels over the view's lower left corner, and the
// bottom band with the driver card and the information panel.
#pragma once

#include <QRect>

namespace tarmaq {

struct LayoutInput {
  QSize area;                // the central area under the toolbar
  int bandHeight = 137;      // the bottom band
  int scrollBarExtent = 16;  // the platform's scroll bar thickness
  bool scrollBars = true;    // "Show Scroll Bars"
  int cardWidth = 392;
  QSize diePanel{112, 132};
  QSize movePanel{190, 85};
};

struct LayoutRects {
  QRect view, hScroll, vScroll, diePanel, movePanel, card, info;
};

LayoutRects computeLayout(const LayoutInput& in);

// The band height that gives the track view this height while its lower edge is
// dragged; the band ends where it always ends and keeps room for its buttons.
int bandHeightForViewHeight(const LayoutInput& in, int viewHeight);

}  // namespace tarmaq
