// The settings store on QSettings (organisation and application "Tarmaq"). Sections
// are written as nested groups ("Settings\GameLog" is the group Settings/GameLog);
// keys keep their captions, slashes included.
#pragma once

#include <QSettings>
#include <memory>

#include "engine/settings_store.h"

namespace tarmaq {

class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();
  // A store in a given file (tests, a second installation on one machine).
  explicit QtSettingsStore(const QString& iniFile);

  std::optional<std::string> value(const std::string& section,
                                   const std::string& key) const override;
  void setValue(const std::string& section, const std::string& key,
                const std::string& value) override;
  // Removes the keys of the section itself; its sub-sections ("Settings\GameLog" of
  // "Settings") stay. The migration of truth values written by older versions clears
  // "Settings" only: the game log and standings boxes keep the player's choice.
  void removeSection(const std::string& section) override;
  void sync() { settings_->sync(); }

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace tarmaq
