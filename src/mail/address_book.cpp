#include "mail/address_book.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/settings_store.h"
#include "engine/turn_controller.h"
#include "mail/game_mail.h"

namespace tarmaq {

namespace {

const std::string Section(AddressBookSection);

void store(SettingsStore& settings, const std::vector<AddressEntry>& entries) {
  settings.removeSection(Section);
  settings.setValue(Section, "Count", std::to_string(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    settings.setValue(Section, "Address" + std::to_string(i), entries[i].address);
    settings.setValue(Section, "Driver" + std::to_string(i), entries[i].driverName);
  }
}

}  // namespace

std::vector<AddressEntry> addressBook(const SettingsStore& settings) {
  std::vector<AddressEntry> out;
  int count = 0;
  if (auto n = settings.value(Section, "Count")) {
    try {
      count = std::stoi(*n);
    } catch (...) {
      count = 0;
    }
  }
  count = std::min(std::max(count, 0), MaxAddressBookEntries);
  for (int i = 0; i < count; ++i) {
    auto address = settings.value(Section, "Address" + std::to_string(i));
    if (!address || address->empty()) continue;
    auto driver = settings.value(Section, "Driver" + std::to_string(i));
    out.push_back({*address, driver ? *driver : std::string()});
  }
  return out;
}

void rememberAddress(SettingsStore& settings, const AddressEntry& entry) {
  AddressEntry clean{headerSafe(entry.address), headerSafe(entry.driverName)};
  if (clean.address.empty() || clean.address == "(Local)") return;
  std::vector<AddressEntry> entries = addressBook(settings);
  std::erase_if(entries, [&](const AddressEntry& e) {
    return sameAddress(e.address, clean.address) && e.driverName == clean.driverName;
  });
  entries.insert(entries.begin(), clean);
  if (entries.size() > static_cast<std::size_t>(MaxAddressBookEntries))
    entries.resize(static_cast<std::size_t>(MaxAddressBookEntries));
  store(settings, entries);
}

void rememberGameAddresses(SettingsStore& settings, const Game& game) {
  if (game.gameType != 1) return;
  for (auto it = game.cars.rbegin(); it != game.cars.rend(); ++it)
    rememberAddress(settings, {it->eMail, it->driverName});
}

std::optional<std::string> pickAddress(const SettingsStore& settings, Frontend& frontend) {
  const std::vector<AddressEntry> entries = addressBook(settings);
  const int chosen = frontend.pickAddress(entries);
  if (chosen < 0 || chosen >= static_cast<int>(entries.size())) return std::nullopt;
  return entries[static_cast<std::size_t>(chosen)].address;
}

}  // namespace tarmaq
