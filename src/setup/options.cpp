#include "setup/options.h"

#include "gamefile/item_reader.h"

namespace tarmaq {

namespace {

std::string str(std::string_view s) { return std::string(s); }

int readNumberSetting(const SettingsStore& store, std::string_view section, std::string_view key,
                      int defaultValue) {
  auto text = store.value(str(section), str(key));
  if (!text) return defaultValue;
  auto number = parseNumber(*text);
  if (!number) return defaultValue;
  auto r = roundToInteger(*number, -32768, 32767);
  return r ? static_cast<int>(*r) : defaultValue;
}

void writeCheckBox(SettingsStore& store, std::string_view section, std::string_view key,
                   bool value) {
  store.setValue(str(section), str(key), value ? "1" : "0");
}

struct CheckBoxSetting {
  std::string_view key;
  bool Options::*field;
};

// The check boxes of section "Settings" in the dialog's writing order.
constexpr CheckBoxSetting ViewAndGameBoxes[] = {
    {"ShowDieAnim", &Options::showDieAnim},
    {"AutoCent", &Options::autoCenter},
    {"AutoScroll", &Options::autoScroll},
    {"DrawDieIcons", &Options::drawDieIcons},
    {"CarBlink", &Options::carBlink},
    {"ShowNextSpaces", &Options::showNextSpaces},
    {"ShowFinalSpace", &Options::showFinalSpace},
    {"FlashWear", &Options::flashWear},
    {"FlashRetire", &Options::flashRetire},
    {"ScrollBars", &Options::scrollBars},
    {"DriverComm", &Options::driverComment},
    {"UseMetric", &Options::useMetric},
    {"AutoRoll", &Options::autoRoll},
    {"AutoSave", &Options::autoSave},
    {"WarnOvershoot", &Options::warnOvershoot},
};

constexpr CheckBoxSetting EMailBoxes[] = {
    {"EnableEMail", &Options::enableEMail},
    {"ShowMessage", &Options::showMessage},
    {"AutoMail", &Options::autoMail},
    {"AutoCheckMail", &Options::autoCheckMail},
};

}  // namespace

Options::Options() {
  showInGameLog.fill(true);
  standingsColumns.fill(true);
}

bool Options::showsEntryType(int entryType) const {
  if (entryType >= 100) return true;
  if (entryType < 0 || entryType >= GameLogCategoryCount) return true;
  return showInGameLog[static_cast<std::size_t>(entryType)];
}

bool readCheckBox(const SettingsStore& store, std::string_view section, std::string_view key,
                  bool defaultValue) {
  return readNumberSetting(store, section, key, defaultValue ? 1 : 0) != 0;
}

Options loadOptions(SettingsStore& store) {
  Options o;
  auto legacy = store.value(str(SettingsSection), "ShowDieAnim");
  if (legacy && (*legacy == "True" || *legacy == "False"))
    store.removeSection(str(SettingsSection));

  for (const auto& box : ViewAndGameBoxes)
    o.*box.field = readCheckBox(store, SettingsSection, box.key, o.*box.field);
  o.trackDetail = readNumberSetting(store, SettingsSection, "TrackDetail", 2);
  if (o.trackDetail < 0 || o.trackDetail > 4) o.trackDetail = 2;
  for (const auto& box : EMailBoxes)
    o.*box.field = readCheckBox(store, SettingsSection, box.key, o.*box.field);
  // The minutes box shows "5" until a stored value replaces it.
  if (auto minutes = store.value(str(SettingsSection), "AutoCheckMailInterval"))
    o.autoCheckMailInterval = *minutes;
  if (auto local = store.value(str(SettingsSection), "LocalEMail")) o.localEMail = *local;

  for (std::size_t i = 0; i < GameLogCategoryKeys.size(); ++i)
    o.showInGameLog[i] = readCheckBox(store, GameLogSection, GameLogCategoryKeys[i], true);
  // "StandardOrColor" is written as "True"/"False" and read back as a truth value.
  if (auto standard = store.value(str(GameLogSection), "StandardOrColor")) {
    if (*standard == "True")
      o.standardComments = true;
    else if (*standard == "False")
      o.standardComments = false;
    else
      o.standardComments = readCheckBox(store, GameLogSection, "StandardOrColor", false);
  }
  o.autoCollapse = readCheckBox(store, GameLogSection, "Auto-Collapse Previous", true);
  for (std::size_t i = 0; i < StandingsColumnKeys.size(); ++i)
    o.standingsColumns[i] = readCheckBox(store, CurrStandSection, StandingsColumnKeys[i], true);
  return o;
}

void saveOptions(const Options& o, SettingsStore& store) {
  for (const auto& box : ViewAndGameBoxes)
    writeCheckBox(store, SettingsSection, box.key, o.*box.field);
  store.setValue(str(SettingsSection), "TrackDetail", std::to_string(o.trackDetail));
  for (const auto& box : EMailBoxes) writeCheckBox(store, SettingsSection, box.key, o.*box.field);
  // With "Auto-Check Mail every" ticked, an empty minutes box stores "5".
  const bool emptyMinutes = o.autoCheckMail && o.autoCheckMailInterval.empty();
  const std::string minutes = emptyMinutes ? std::string("5") : o.autoCheckMailInterval;
  store.setValue(str(SettingsSection), "AutoCheckMailInterval", minutes);
  // Boxes that share a caption share a key: the highest index of each group wins.
  for (std::size_t i = 0; i < GameLogCategoryKeys.size(); ++i)
    writeCheckBox(store, GameLogSection, GameLogCategoryKeys[i], o.showInGameLog[i]);
  store.setValue(str(GameLogSection), "StandardOrColor", o.standardComments ? "True" : "False");
  writeCheckBox(store, GameLogSection, "Auto-Collapse Previous", o.autoCollapse);
  for (std::size_t i = 0; i < StandingsColumnKeys.size(); ++i)
    writeCheckBox(store, CurrStandSection, StandingsColumnKeys[i], o.standingsColumns[i]);
}

}  // namespace tarmaq
