#include "mail/local_address.h"

namespace tarmaq {

LocalAddressChoice localAddressChoice(const std::vector<std::string>& addresses) {
  return {"Select Local E-Mail Address",
          "The game file being loaded is an E-Mail race, but your local E-Mail address does not "
          "appear to match any of those listed in the file. Please select your email address "
          "from those listed below.",
          addresses, 0};
}

int chosenLocalAddress(const LocalAddressChoice& choice, int selectedRow) {
  if (selectedRow < 0 || selectedRow >= static_cast<int>(choice.addresses.size())) return 0;
  return selectedRow;
}

}  // namespace tarmaq
