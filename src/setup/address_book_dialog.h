// The Address Book of an e-mail game as a model: one row per ticked driver with the
// player's address, "(Local)" for a driver played here, and this installation's own
// address, which "OK" needs.
#pragma once

#include <string>
#include <vector>

namespace tarmaq {

class SettingsStore;
struct NewGameSetup;

inline constexpr const char* LocalAddressMark = "(Local)";

struct AddressBookDialog {
  struct Row {
    std::string driver;  // the driver box's caption
    std::string address = LocalAddressMark;
  };
  std::vector<Row> rows;
  std::string localAddress;
  bool selectShown = false;  // the "Select" buttons, while a mail system can be opened

  AddressBookDialog(const std::vector<std::string>& drivers, std::string localEMail,
                    bool mailSystem);

  // What is typed into a row's address box; an emptied box reads "(Local)" again.
  void setAddress(int row, const std::string& text);
  void setLocalAddress(const std::string& text);
  bool okEnabled() const { return !localAddress.empty(); }

  // "OK": the local address becomes the "LocalEMail" setting, and each driver of the
  // set-up, in car order, takes the address of its row.
  void apply(NewGameSetup& setup, SettingsStore& store) const;
};

// A game file and the header keep addresses inside double quotes: a typed double
// quote becomes an apostrophe, and line breaks become blanks.
std::string addressText(const std::string& typed);

}  // namespace tarmaq
