// Reading a circuit for the track commands: the file, the finish-line setting
// ("--finish nose|entire") and the messages every command prints the same way.
#pragma once

#include <optional>
#include <string>

#include "cli/commands.h"
#include "track/track_loader.h"

namespace tarmaq::cli {

struct TrackArgs {
  std::string file;
  int finishNose = -1;  // the rule "FinishNose": -1 the nose of the car, 0 the entire car
  Args rest;            // options the command reads itself
};

// Splits FILE and --finish from the other arguments; nullopt (after a usage line on
// stderr) when they are malformed.
std::optional<TrackArgs> trackArgs(const Args& args, const std::string& usage);

// Loads the circuit: nullopt after a message on stderr when the file cannot be read.
// A load that stopped early or was refused is reported on stderr and returned.
std::optional<TrackLoadResult> loadTrackFile(const TrackArgs& args);

}  // namespace tarmaq::cli
