// The program's own address book: every player's address of every game played here or
// entered in the Address Book, with the driver name it was used for, kept in the
// settings store. The Address Book's "Select" buttons pick from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/frontend.h"

namespace tarmaq {

class SettingsStore;
struct Game;

inline constexpr std::string_view AddressBookSection = "Settings\\AddressBook";
inline constexpr int MaxAddressBookEntries = 500;

std::vector<AddressEntry> addressBook(const SettingsStore& store);
// Adds an address, or moves it to the front when it is there already for that driver
// (addresses compared without regard to case). Empty addresses and "(Local)" are not
// kept; the oldest entries go beyond the limit.
void rememberAddress(SettingsStore& store, const AddressEntry& entry);
// Every car's address of an e-mail game, with its driver.
void rememberGameAddresses(SettingsStore& store, const Game& game);

// A "Select" button: shows the picker over the address book; the chosen address.
std::optional<std::string> pickAddress(const SettingsStore& store, Frontend& frontend);

}  // namespace tarmaq
