// The layout facts the movement rules rely on, checked on a loaded circuit: links land
// on spaces and lead the right way, positions rise round the lap, corners exist, the
// grid is sound, and the pit lane, its boxes and garages join the track as the pit
// rules expect.
#pragma once

#include <string>
#include <vector>

#include "track/track_loader.h"

namespace tarmaq {

// One line per violation; empty when the circuit is sound.
std::vector<std::string> checkTrack(const TrackLoadResult& loaded);

}  // namespace tarmaq
