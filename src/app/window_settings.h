// The main window's own settings: placement, the bottom band's height, the pointer
// mode and the zoom, read at start-up and stored at shutdown in section "Settings".
// Values that make no sense on this machine fall back to their defaults.
#pragma once

#include <QList>
#include <QRect>

#include "view/view_state.h"

namespace tarmaq {

class SettingsStore;

inline constexpr int MinimumWindowWidth = 800;
inline constexpr int MinimumWindowHeight = 600;
inline constexpr int DefaultBandHeightTwips = 2055;
inline constexpr float DefaultZoom = 2.5f;

struct WindowSettings {
  bool maximised = false;
  QRect geometry;                                // pixels
  int bandHeight = DefaultBandHeightTwips / 15;  // pixels
  PointerMode mode = PointerMode::Select;
  float zoom = DefaultZoom;
};

// `screens` are the available areas of every screen, the first one the primary.
WindowSettings readWindowSettings(const SettingsStore& store, const QList<QRect>& screens,
                                  double twipsPerPixel);

// Stores what shutdown stores: nothing of the placement while minimised, only the state
// while maximised (the normal placement stays as it was), and the band, mode and zoom.
void writeWindowSettings(SettingsStore& store, const WindowSettings& settings, bool minimised,
                         double twipsPerPixel);

}  // namespace tarmaq
