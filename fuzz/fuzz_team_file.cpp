// Fuzz target: the team file reader on arbitrary bytes, and the editor's layout read
// back, which must give the same teams.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "setup/team_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  auto teams = tarmaq::parseTeamFile(text);
  for (const auto& team : teams) {
    auto again = tarmaq::parseTeamFile(tarmaq::formatTeam(team));
    if (again.size() != 1) std::abort();
    // Writing again changes nothing: what the format cannot carry is gone after the
    // first write.
    if (tarmaq::formatTeam(again[0]) != tarmaq::formatTeam(team)) std::abort();
  }
  return 0;
}
