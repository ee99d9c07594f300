#include "engine/settings_store.h"

namespace tarmaq {

std::optional<std::string> MemorySettings::value(const std::string& section,
                                                 const std::string& key) const {
  auto it = values_.find({section, key});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void MemorySettings::setValue(const std::string& section, const std::string& key,
                              const std::string& value) {
  values_[{section, key}] = value;
}

void MemorySettings::removeSection(const std::string& section) {
  for (auto it = values_.begin(); it != values_.end();) {
    if (it->first.first == section)
      it = values_.erase(it);
    else
      ++it;
  }
}

}  // namespace tarmaq
