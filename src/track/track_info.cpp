#include "track/track_info.h"

#include <algorithm>

namespace tarmaq {

std::string numberOfLanesText(const Track& track) {
  return std::to_string(track.laneCount() - 2) + " (plus Pit Lane)";
}

std::map<std::string, int> laneRows(const Track& track) {
  const bool hasMidLeft = std::any_of(track.lanes.begin(), track.lanes.end(),
                                      [](const Lane& l) { return l.name == "Mid-Left"; });
  std::map<std::string, int> rows;
  for (const Lane& lane : track.lanes) {
    const int n = static_cast<int>(lane.spaces.size());
    if (lane.name == "Pit")
      rows["Pit Lane Length"] = n;
    else if (lane.name == "Right")
      rows["Lane 1 Length"] = n;
    else if (lane.name == "Middle" || lane.name == "Mid-Right")
      rows["Lane 2 Length"] = n;
    else if (lane.name == "Mid-Left")
      rows["Lane 3 Length"] = n;
    else if (lane.name == "Left")
      rows[hasMidLeft ? "Lane 4 Length" : "Lane 3 Length"] = n;
  }
  return rows;
}

std::vector<InfoField> trackInformation(const Track& track) {
  const TrackInfo& i = track.info;
  std::vector<InfoField> f = {
      {"Track Name", i.name},      {"Description", i.description},
      {"Location", i.location},    {"Track Version", i.version},
      {"Build Date", i.buildDate}, {"Build Time", i.buildTime},
      {"Track Author", i.author},  {"Built with Track Designer Version:", i.designerVersion},
      {"Rainy", i.weather[0]},     {"Changeable", i.weather[1]},
      {"Sunny", i.weather[2]},     {"Number of Lanes", numberOfLanesText(track)},
  };
  const auto rows = laneRows(track);
  for (const char* caption :
       {"Lane 1 Length", "Lane 2 Length", "Lane 3 Length", "Lane 4 Length", "Pit Lane Length"}) {
    auto it = rows.find(caption);
    if (it != rows.end()) f.push_back({caption, std::to_string(it->second)});
  }
  f.push_back({"Longest Straight", std::to_string(i.longestStraight)});
  f.push_back({"Number of Corners", std::to_string(i.numberOfCorners)});
  f.push_back({"Total Stops", std::to_string(i.totalStops)});
  return f;
}

std::vector<InfoField> cornerProperties(const Corner& corner) {
  return {{"Corner Name", corner.name},
          {"Required Stops", std::to_string(corner.requiredStops)},
          {"Longest Path", std::to_string(corner.longestPath)},
          {"Shortest Path", std::to_string(corner.shortestPath)}};
}

}  // namespace tarmaq
