// check-track: the layout facts the movement rules rely on, one line per violation.
#include <iostream>

#include "cli/commands.h"
#include "cli/track_file.h"
#include "track/track_check.h"

namespace tarmaq::cli {

int checkTrack(const Args& args) {
  auto a = trackArgs(args, "tarmaq-cli check-track FILE [--finish nose|entire]");
  if (!a) return 2;
  if (!a->rest.empty()) {
    std::cerr << "usage: tarmaq-cli check-track FILE [--finish nose|entire]\n";
    return 2;
  }
  auto r = loadTrackFile(*a);
  if (!r) return 2;
  auto violations = tarmaq::checkTrack(*r);
  for (const auto& v : violations) std::cout << v << "\n";
  return violations.empty() ? 0 : 1;
}

}  // namespace tarmaq::cli
