// track-info: the loaded circuit as JSON, with the values of the Track Information and
// Corner Properties dialogs; with --spaces every space as well.
#include "track/track_info.h"

#include <iostream>

#include "cli/commands.h"
#include "cli/json.h"
#include "cli/track_file.h"

namespace tarmaq::cli {

namespace {

void scroll(Json& json, const char* key, const ScrollBar& b) {
  json.key(key)
      .beginArray()
      .value(b.min)
      .value(b.max)
      .value(b.value)
      .value(b.largeChange)
      .endArray();
}

}  // namespace

int trackInfo(const Args& args) {
  const std::string usage = "tarmaq-cli track-info FILE [--finish nose|entire] [--spaces]";
  auto a = trackArgs(args, usage);
  if (!a) return 2;
  bool spaces = false;
  for (const auto& opt : a->rest) {
    if (opt != "--spaces") {
      std::cerr << "usage: " << usage << "\n";
      return 2;
    }
    spaces = true;
  }
  auto r = loadTrackFile(*a);
  if (!r) return 2;
  if (r->status == TrackLoadStatus::Refused) return 1;
  const Track& t = r->track;
  const TrackInfo& i = t.info;
  Json json;
  json.beginObject()
      .key("name")
      .value(i.name)
      .key("description")
      .value(i.description)
      .key("location")
      .value(i.location)
      .key("version")
      .value(i.version)
      .key("buildDate")
      .value(i.buildDate)
      .key("buildTime")
      .value(i.buildTime)
      .key("author")
      .value(i.author)
      .key("designerVersion")
      .value(i.designerVersion)
      .key("weather")
      .beginArray()
      .value(i.weather[0])
      .value(i.weather[1])
      .value(i.weather[2])
      .endArray();
  json.key("lanes").beginArray();
  for (const auto& lane : t.lanes)
    json.beginObject()
        .key("name")
        .value(lane.name)
        .key("spaces")
        .value(static_cast<int>(lane.spaces.size()))
        .endObject();
  json.endArray().key("pitLane").value(t.pitLane).key("garageLane").value(t.garageLane);
  json.key("numberOfLanes").value(numberOfLanesText(t)).key("laneRows").beginObject();
  for (const auto& [caption, length] : laneRows(t)) json.key(caption).value(length);
  json.endObject().key("longestStraight").value(i.longestStraight).key("corners").beginArray();
  for (const auto& c : t.corners)
    json.beginObject()
        .key("name")
        .value(c.name)
        .key("requiredStops")
        .value(c.requiredStops)
        .key("longestPath")
        .value(c.longestPath)
        .key("shortestPath")
        .value(c.shortestPath)
        .key("signX")
        .value(c.signX)
        .key("signY")
        .value(c.signY)
        .key("signLeft")
        .value(c.signLeft)
        .key("signTop")
        .value(c.signTop)
        .key("signRight")
        .value(c.signRight)
        .key("signBottom")
        .value(c.signBottom)
        .endObject();
  json.endArray()
      .key("numberOfCorners")
      .value(i.numberOfCorners)
      .key("totalStops")
      .value(i.totalStops);
  json.key("grid").beginArray();
  for (std::size_t g = 1; g <= 20; ++g) json.value(t.gridLocations[g]);
  json.endArray()
      .key("backColor")
      .value(t.backColor)
      .key("shapes")
      .value(static_cast<int>(t.shapes.size()));
  json.key("scroll").beginObject();
  if (r->finished) {
    scroll(json, "h", r->hScroll);
    scroll(json, "v", r->vScroll);
  }
  json.endObject();
  if (spaces) {
    json.key("spaces").beginArray();
    for (const auto& lane : t.lanes) {
      json.beginArray();
      for (const auto& s : lane.spaces) {
        json.beginObject()
            .key("x")
            .value(s.x)
            .key("y")
            .value(s.y)
            .key("angle")
            .value(s.angle)
            .key("lengthFactor")
            .value(s.lengthFactor)
            .key("marker")
            .value(s.marker)
            .key("position")
            .value(s.position)
            .key("next1")
            .value(s.nextLink1)
            .key("next2")
            .value(s.nextLink2)
            .key("side")
            .beginArray();
        for (int l : s.sideLink) json.value(l);
        json.endArray()
            .key("segment")
            .value(s.segment)
            .key("edge")
            .value(s.edgeType)
            .key("vertices")
            .beginArray();
        for (const auto& v : s.vertex) json.beginArray().value(v.x).value(v.y).endArray();
        json.endArray().endObject();
      }
      json.endArray();
    }
    json.endArray();
  }
  json.endObject();
  std::cout << json.str() << "\n";
  return 0;
}

}  // namespace tarmaq::cli
