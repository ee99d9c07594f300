#include "setup/address_book_dialog.h"

#include <algorithm>

#include "engine/settings_store.h"
#include "setup/new_game.h"
#include "setup/options.h"

namespace tarmaq {

std::string addressText(const std::string& typed) {
  std::string s = typed;
  std::replace(s.begin(), s.end(), '"', '\'');
  std::replace(s.begin(), s.end(), '\r', ' ');
  std::replace(s.begin(), s.end(), '\n', ' ');
  return s;
}

AddressBookDialog::AddressBookDialog(const std::vector<std::string>& drivers,
                                     std::string localEMail, bool mailSystem)
    : localAddress(addressText(localEMail)), selectShown(mailSystem) {
  for (const std::string& d : drivers) rows.push_back({d, LocalAddressMark});
}

void AddressBookDialog::setAddress(int row, const std::string& text) {
  if (row < 0 || row >= static_cast<int>(rows.size())) return;
  const std::string s = addressText(text);
  rows[static_cast<std::size_t>(row)].address = s.empty() ? LocalAddressMark : s;
}

void AddressBookDialog::setLocalAddress(const std::string& text) {
  localAddress = addressText(text);
}

void AddressBookDialog::apply(NewGameSetup& setup, SettingsStore& store) const {
  store.setValue(std::string(SettingsSection), "LocalEMail", localAddress);
  setup.localEMail = localAddress;
  std::size_t r = 0;
  for (SetupTeam& team : setup.teams)
    for (SetupDriver& driver : team.drivers)
      driver.eMail = r < rows.size() ? rows[r++].address : LocalAddressMark;
}

}  // namespace tarmaq
