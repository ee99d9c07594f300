#include "app/window_layout.h"

#include <algorithm>

namespace tarmaq {

namespace {
constexpr int BandGap = 4;       // between the view (or its scroll bar) and the band
constexpr int BottomMargin = 4;  // under the band
constexpr int RightMargin = 10;  // right of the information panel
constexpr int CardGap = 12;      // between the driver card and the information panel
constexpr int CardLeft = 4;
constexpr int DieAboveViewBottom = 140;
constexpr int MoveAboveDie = 85;
constexpr int PanelLeft = 8;
}  // namespace

LayoutRects computeLayout(const LayoutInput& in) {
  LayoutRects r;
  const int w = in.area.width();
  const int h = in.area.height();
  const int t = in.scrollBars ? in.scrollBarExtent : 0;
  const int viewHeight = std::max(0, h - in.bandHeight - t - BandGap);
  r.view = QRect(0, 0, std::max(0, w - t), viewHeight);
  if (in.scrollBars) {
    r.vScroll = QRect(r.view.right() + 1, 0, t, viewHeight);
    r.hScroll = QRect(0, r.view.bottom() + 1, r.view.width(), t);
  }
  const int viewBottom = r.view.y() + r.view.height();
  r.diePanel = QRect(QPoint(PanelLeft, viewBottom - DieAboveViewBottom), in.diePanel);
  // The move panel stands 85 pixels above the die, or higher when the style makes it
  // taller than that: it never covers the die's caption.
  const int moveAbove = std::max(MoveAboveDie, in.movePanel.height());
  r.movePanel = QRect(QPoint(PanelLeft, r.diePanel.y() - moveAbove), in.movePanel);
  const int bandTop = viewBottom + t + BandGap;
  const int bandHeight = std::max(0, h - BottomMargin - bandTop);
  r.card = QRect(CardLeft, bandTop, in.cardWidth, bandHeight);
  const int infoLeft = r.card.right() + 1 + CardGap;
  r.info = QRect(infoLeft, bandTop, std::max(0, w - RightMargin - infoLeft), bandHeight);
  return r;
}

int bandHeightForViewHeight(const LayoutInput& in, int viewHeight) {
  const int t = in.scrollBars ? in.scrollBarExtent : 0;
  const int band = in.area.height() - viewHeight - t - BandGap;
  return std::clamp(band, 60, std::max(60, in.area.height() - t - BandGap - 230));
}

}  // namespace tarmaq
