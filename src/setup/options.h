// Every preference of the Options dialog, with its settings key and default. The rules
// read these values; the Options dialog edits them; the settings store keeps them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/settings_store.h"

namespace tarmaq {

inline constexpr std::string_view SettingsSection = "Settings";
inline constexpr std::string_view GameLogSection = "Settings\\GameLog";
inline constexpr std::string_view CurrStandSection = "Settings\\CurrStand";

inline constexpr int GameLogCategoryCount = 33;
inline constexpr int StandingsColumnCount = 12;

// Captions of the "Show in Game Log" boxes, by entry type; they are also the keys, so
// equal captions share one stored value.
inline constexpr std::array<std::string_view, GameLogCategoryCount> GameLogCategoryKeys = {
    "Header Information",
    "Unused",
    "Current Driver",
    "Leader Announcements",
    "Overtaking Announcements",
    "Start",
    "Movement",
    "Collision",
    "Engine Damage",
    "Road Holding",
    "Pit Stop",
    "Gear Shifts",
    "Movement Amounts",
    "Corner Entry",
    "Corner Stops",
    "Collisions",
    "Engine Damage",
    "Road Holding",
    "Tires",
    "Brakes",
    "Fuel",
    "Bodywork",
    "Engine",
    "Road Holding",
    "Repair",
    "Spin Outs",
    "Pitting",
    "Race Completion",
    "Retirement",
    "Standard/\"Color\" Comments",
    "Driver Comments",
    "Lap Completion",
    "Start",
};

// Captions (and keys) of the Current Standings boxes; box 9 ends in a blank.
inline constexpr std::array<std::string_view, StandingsColumnCount> StandingsColumnKeys = {
    "Tire Type",
    "Current Lap",
    "Gap to Leader",
    "Car Status",
    "Current Speed",
    "Average Speed",
    "Current Lap Length",
    "Spaces Per Round",
    "Current Position vs. Grid",
    "Current Position vs. Last ",
    "# of Rounds Led",
    "# of Possible Collisions",
};

inline constexpr std::array<std::string_view, 5> TrackDetailNames = {"Very Low", "Low", "Medium",
                                                                     "High", "Very High"};

struct Options {
  // View
  bool showDieAnim = true;     // "ShowDieAnim"
  bool autoCenter = true;      // "AutoCent"
  bool autoScroll = true;      // "AutoScroll"
  bool drawDieIcons = true;    // "DrawDieIcons"
  bool carBlink = true;        // "CarBlink"
  bool showNextSpaces = true;  // "ShowNextSpaces"
  bool showFinalSpace = true;  // "ShowFinalSpace"
  bool flashWear = true;       // "FlashWear"
  bool flashRetire = true;     // "FlashRetire"
  bool scrollBars = true;      // "ScrollBars"
  int trackDetail = 2;         // "TrackDetail", 0 "Very Low" .. 4 "Very High"
  // Game
  bool driverComment = false;  // "DriverComm"
  bool useMetric = false;      // "UseMetric"
  bool autoRoll = false;       // "AutoRoll"
  bool autoSave = true;        // "AutoSave"
  bool warnOvershoot = true;   // "WarnOvershoot"
  // E-Mail
  bool enableEMail = true;                  // "EnableEMail"
  bool showMessage = false;                 // "ShowMessage"
  bool autoMail = false;                    // "AutoMail"
  bool autoCheckMail = false;               // "AutoCheckMail"
  std::string autoCheckMailInterval = "5";  // "AutoCheckMailInterval", as typed
  std::string localEMail;                   // "LocalEMail"
  // Game Log
  std::array<bool, GameLogCategoryCount> showInGameLog{};  // by entry type
  bool standardComments = false;  // "StandardOrColor": "Standard Info Comments" chosen
  bool autoCollapse = true;       // "Auto-Collapse Previous"
  // Current Standings
  std::array<bool, StandingsColumnCount> standingsColumns{};

  Options();

  // Whether a log line of this entry type is shown (types of 100 and more always are).
  bool showsEntryType(int entryType) const;
  // The distance factor: 1.6093 for km/h, 1.0 for mph.
  float speedFactor() const { return useMetric ? 1.6093f : 1.0f; }
};

// Reads every option from the store, defaults where a key is absent. A "Settings"
// section written by an older version (truth values as "True"/"False") is removed
// first, so every default applies.
Options loadOptions(SettingsStore& store);

// Writes every option as the dialog's "OK" does, in its order.
void saveOptions(const Options& options, SettingsStore& store);

// Reads a check-box setting: "0" is off, any other number is on; text that is not a
// number gives the default.
bool readCheckBox(const SettingsStore& store, std::string_view section, std::string_view key,
                  bool defaultValue);

}  // namespace tarmaq
