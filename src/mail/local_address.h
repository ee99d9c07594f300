// The "Select Local E-Mail Address" dialog's contents: shown by the game-file reader
// when an e-mail game lists no car of this installation's player.
#pragma once

#include <string>
#include <vector>

namespace tarmaq {

struct LocalAddressChoice {
  std::string title;
  std::string text;
  std::vector<std::string> addresses;  // every car's address, in car order
  int selected = 0;
};

LocalAddressChoice localAddressChoice(const std::vector<std::string>& addresses);

// The index "OK" hands back: the selection, or the first entry when there is none
// or it lies outside the list.
int chosenLocalAddress(const LocalAddressChoice& choice, int selectedRow);

}  // namespace tarmaq
