// The per-user settings store: string values by (section, key). Sections are written
// with backslashes as the program names them ("Settings\GameLog").
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace tarmaq {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> value(const std::string& section,
                                           const std::string& key) const = 0;
  virtual void setValue(const std::string& section, const std::string& key,
                        const std::string& value) = 0;
  // Removes the section's own keys.
  virtual void removeSection(const std::string& section) = 0;
};

// A store held in memory: the tests' fake and the command-line programs' store.
class MemorySettings final : public SettingsStore {
 public:
  std::optional<std::string> value(const std::string& section,
                                   const std::string& key) const override;
  void setValue(const std::string& section, const std::string& key,
                const std::string& value) override;
  void removeSection(const std::string& section) override;

  const std::map<std::pair<std::string, std::string>, std::string>& all() const { return values_; }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace tarmaq
