// What the Track Information and Corner Properties dialogs show, as captions and texts.
// The shell lays them out; the values are decided here.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "track/track_model.h"

namespace tarmaq {

// "3 (plus Pit Lane)": every lane but the pit lane and the garages.
std::string numberOfLanesText(const Track& track);

// The lane rows that the circuit fills, by caption ("Lane 1 Length" .. "Lane 4 Length",
// "Pit Lane Length") with the lane's number of spaces. Rows missing from the map keep
// the text the dialog showed before. "Right" is lane 1, "Middle" or "Mid-Right" lane 2,
// "Mid-Left" lane 3, "Left" lane 3 on a three-lane circuit and lane 4 when the circuit
// also has a "Mid-Left" lane, so a four-lane circuit shows all four lengths.
std::map<std::string, int> laneRows(const Track& track);

struct InfoField {
  std::string caption;
  std::string value;
};

// Every field of the Track Information dialog in the order it shows them, lane rows
// included only where the circuit fills them.
std::vector<InfoField> trackInformation(const Track& track);

// The Corner Properties dialog: "Corner Name", "Required Stops", "Longest Path",
// "Shortest Path".
std::vector<InfoField> cornerProperties(const Corner& corner);

}  // namespace tarmaq
