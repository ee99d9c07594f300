#include "app/window_settings.h"

#include <QString>
#include <cmath>
#include <optional>

#include "engine/settings_store.h"

namespace tarmaq {

namespace {

const std::string Section = "Settings";

std::optional<double> number(const SettingsStore& store, const char* key) {
  const auto text = store.value(Section, key);
  if (!text) return std::nullopt;
  bool ok = false;
  const double v = QString::fromStdString(*text).trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::string numberText(double v) { return QString::number(v, 'g', 7).toStdString(); }

}  // namespace

WindowSettings readWindowSettings(const SettingsStore& store, const QList<QRect>& screens,
                                  double twipsPerPixel) {
  WindowSettings s;
  const QRect primary = screens.isEmpty() ? QRect(0, 0, 1024, 768) : screens.front();
  const double tpp = twipsPerPixel > 0 ? twipsPerPixel : 15.0;
  s.maximised = number(store, "WindowState").value_or(0) == 2;

  const auto toPixels = [tpp](std::optional<double> twips) -> std::optional<int> {
    if (!twips) return std::nullopt;
    return static_cast<int>(std::lround(*twips / tpp));
  };
  int w = toPixels(number(store, "WindowWidth")).value_or(MinimumWindowWidth);
  int h = toPixels(number(store, "WindowHeight")).value_or(MinimumWindowHeight);
  // A size below the minimum is corrected as a resize would be; one larger than the
  // screen is the default size.
  if (w > primary.width() * 4 || h > primary.height() * 4) {
    w = MinimumWindowWidth;
    h = MinimumWindowHeight;
  }
  w = std::max(w, MinimumWindowWidth);
  h = std::max(h, MinimumWindowHeight);
  const QPoint centred(primary.x() + (primary.width() - w) / 2,
                       primary.y() + (primary.height() - h) / 2);
  const auto left = toPixels(number(store, "WindowLeft"));
  const auto top = toPixels(number(store, "WindowTop"));
  QRect g(QPoint(left.value_or(centred.x()), top.value_or(centred.y())), QSize(w, h));
  // A window placed where no screen is (a screen that was unplugged) comes back centred
  // on the primary screen: part of its caption has to be on some screen.
  bool onAScreen = false;
  const QRect caption(g.topLeft(), QSize(g.width(), 24));
  for (const QRect& screen : screens)
    if (screen.intersected(caption).width() >= 40) onAScreen = true;
  if (!onAScreen) g.moveTopLeft(centred);
  s.geometry = g;

  const auto band = toPixels(number(store, "GameInfoFrameHeight"));
  if (band && *band >= 40 && *band <= primary.height() / 2 + 200) s.bandHeight = *band;

  PointerMode mode;
  if (const auto text = store.value(Section, "Mode"); text && parsePointerMode(*text, mode))
    s.mode = mode;
  if (const auto zoom = number(store, "Zoom"); zoom && *zoom > 0 && *zoom < 1e6)
    s.zoom = static_cast<float>(*zoom);
  return s;
}

void writeWindowSettings(SettingsStore& store, const WindowSettings& s, bool minimised,
                         double twipsPerPixel) {
  const double tpp = twipsPerPixel > 0 ? twipsPerPixel : 15.0;
  if (!minimised) {
    store.setValue(Section, "WindowState", s.maximised ? "2" : "0");
    if (!s.maximised) {
      store.setValue(Section, "WindowLeft", numberText(s.geometry.x() * tpp));
      store.setValue(Section, "WindowTop", numberText(s.geometry.y() * tpp));
      store.setValue(Section, "WindowWidth", numberText(s.geometry.width() * tpp));
      store.setValue(Section, "WindowHeight", numberText(s.geometry.height() * tpp));
    }
  }
  store.setValue(Section, "GameInfoFrameHeight", numberText(s.bandHeight * tpp));
  store.setValue(Section, "Mode", pointerModeName(s.mode));
  store.setValue(Section, "Zoom", numberText(s.zoom));
}

}  // namespace tarmaq
