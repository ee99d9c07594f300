// The presentation model: the controls the rules read and write. The shell draws these
// and forwards input; a rule that asks "is Accept enabled?" reads this, never a widget.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "log/standings.h"

namespace tarmaq {

struct ControlFlags {
  bool enabled = true;
  bool visible = true;
};

struct DiePanel {
  bool visible = false;
  int dieKind = 0;  // 0 the event die, 1-6 a gear die
  std::string valueText;
  bool valueVisible = false;
  int valueOffsetPx = 41;  // 50 on the first-gear die
  // Black on the dice of gears 1 and 2, white on the others.
  bool valueWhite() const { return dieKind != 1 && dieKind != 2; }
};

struct MovePanel {
  bool visible = false;
  std::array<bool, 3> laneEnabled{};  // MoveBtn(0) left, (1) straight, (2) right
  bool acceptEnabled = false;
  bool stepBackEnabled = false;
  bool resetEnabled = false;
};

struct GearButton {
  bool visible = false;
  bool enabled = false;
  bool selected = false;
  std::string tooltip;
};

// A picture of the driver card: a wear point, a stop light. The key names the picture of
// the card's image list ("Tire", "SlashedBrake", "Stop", ...); the tag of a wear point is
// "0" while the point is still there and "1" once it is used.
struct CardPicture {
  bool visible = false;
  std::string key;
  std::string tag = "0";
};

inline constexpr int WearPictureCount = 15;  // pictures 0-8 in the first row, 9-14 below
enum class WearRow { Tires, Brakes, Fuel, Body, Engine, RoadHold };
inline constexpr int WearRowCount = 6;

struct DriverCard {
  bool visible = false;
  int car = -1;  // the car whose card is shown
  // Gear buttons: `enabled` marks a gear available for the coming choice (tag "1").
  std::array<GearButton, 6> gears{};
  std::string teamName;
  std::string driverName;
  bool teamNameWhite = false;  // white text on a dark colour box
  bool driverNameWhite = false;
  std::uint32_t teamColor = 0;
  std::uint32_t driverColor = 0;
  int teamImage = 0;  // entry car + 1 of the team and driver picture lists
  int driverImage = 0;
  std::array<bool, 3> tireTypeVisible{};  // hard, medium, soft
  std::array<bool, 2> repairVisible{};
  std::array<std::array<CardPicture, WearPictureCount>, WearRowCount> wear{};
  std::array<CardPicture, 3> stops{};

  CardPicture& picture(WearRow row, int i) {
    return wear[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)];
  }
  const CardPicture& picture(WearRow row, int i) const {
    return wear[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)];
  }
};

// Toolbar buttons by key ("SaveGame", "SendMail", ...) and menu entries by caption
// ("&Save Game", ...). An entry that was never set is enabled and visible.
struct CommandBar {
  std::map<std::string, ControlFlags> items;
  ControlFlags get(const std::string& key) const {
    auto it = items.find(key);
    return it == items.end() ? ControlFlags{} : it->second;
  }
  void setEnabled(const std::string& key, bool enabled) { items[key].enabled = enabled; }
  void setVisible(const std::string& key, bool visible) { items[key].visible = visible; }
};

// Names of the controls the rules touch.
namespace control {
inline constexpr const char* SaveGameButton = "SaveGame";
inline constexpr const char* SendMailButton = "SendMail";
inline constexpr const char* DriverCommentButton = "DriverComment";
inline constexpr const char* CheckMailButton = "CheckMail";
inline constexpr const char* SaveGameMenu = "&Save Game";
inline constexpr const char* SaveGameAsMenu = "Save Game &As";
inline constexpr const char* TrackInfoMenu = "&Track Info";
inline constexpr const char* OptionsMenu = "&Options";
}  // namespace control

struct Controls {
  DiePanel diePanel;
  MovePanel movePanel;
  DriverCard driverCard;
  CommandBar toolbar;
  CommandBar menu;
  // Toolbar buttons from the fourth one on (the game's own buttons).
  bool gameToolbarButtonsVisible = false;
  bool gameInfoPanelVisible = false;
  bool logViewActive = true;
  std::string standingsCaption = "Current Standings";
  std::vector<std::string> recentGameEntries;  // captions: full paths
  bool recentGamesSeparatorVisible = false;
  Standings standings;  // the information panel shows the game log
  bool scrollBarsVisible = false;
  bool trackViewHasFocus = false;
  // Derived tables to rebuild from the state before they are drawn next.
  bool standingsStale = true;
  bool startingGridStale = true;
  bool recentGamesStale = true;
  bool windowTitleStale = true;
  // Screen flashes asked for (wear used, a car retired) and not yet shown.
  int flashRequests = 0;
  std::string windowTitle = "Tarmaq";
  // The Move Options and Die panels take the circuit's background colour (0x00BBGGRR)
  // and a text colour that reads on it.
  std::uint32_t panelBackColor = 0xC0C0C0;
  std::uint32_t panelTextColor = 0x000000;
};

}  // namespace tarmaq
