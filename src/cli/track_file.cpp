#include "cli/track_file.h"

#include <iostream>

#include "gamefile/item_reader.h"

namespace tarmaq::cli {

std::optional<TrackArgs> trackArgs(const Args& args, const std::string& usage) {
  TrackArgs t;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--finish") {
      if (i + 1 >= args.size() || (args[i + 1] != "nose" && args[i + 1] != "entire")) {
        std::cerr << "usage: " << usage << "\n";
        return std::nullopt;
      }
      t.finishNose = args[++i] == "entire" ? 0 : -1;
    } else if (args[i].rfind("--", 0) == 0 || !t.file.empty()) {
      t.rest.push_back(args[i]);
    } else {
      t.file = args[i];
    }
  }
  if (t.file.empty()) {
    std::cerr << "usage: " << usage << "\n";
    return std::nullopt;
  }
  return t;
}

std::optional<TrackLoadResult> loadTrackFile(const TrackArgs& args) {
  auto bytes = readFileBytes(args.file);
  if (!bytes) {
    std::cerr << "tarmaq-cli: cannot open track file " << args.file << "\n";
    return std::nullopt;
  }
  TrackLoadResult r = parseTrack(std::move(*bytes), args.finishNose);
  if (r.status == TrackLoadStatus::Refused)
    std::cerr << "tarmaq-cli: " << args.file << ": refused: " << r.message << "\n";
  else if (r.status == TrackLoadStatus::Stopped)
    std::cerr << "tarmaq-cli: " << args.file << ": " << r.message << "\n";
  if (!r.warning.empty()) std::cerr << "tarmaq-cli: " << args.file << ": " << r.warning << "\n";
  return r;
}

}  // namespace tarmaq::cli
