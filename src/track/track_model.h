// The board of the race: lanes of spaces, corners, grid, pit lane and garages, and the
// decorations drawn under the track. Written only by the track loader.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarmaq {

constexpr float SpaceHalfLength = 100.0f;
constexpr float SpaceHalfWidth = 50.0f;

// A space is named by lane index × 1000 + space index; these mark no space and a car
// that has left the track.
constexpr int NoSpace = -1;
constexpr int OffTrack = -999;

struct Point {
  float x = 0;
  float y = 0;
  bool operator==(const Point&) const = default;
};

struct Space {
  float x = 0;
  float y = 0;
  std::array<Point, 4> vertex{};  // back-left, front-left, front-right, back-right
  int angle = 0;
  float lengthFactor = 1;
  int marker = 0;
  float position = 0;
  int nextLink1 = NoSpace;  // one lane to the left
  int nextLink2 = NoSpace;  // one lane to the right
  std::array<int, 4> sideLink{NoSpace, NoSpace, NoSpace, NoSpace};
  int segment = 0;
  int edgeType = 0;
};

struct Lane {
  std::string name;
  std::vector<Space> spaces;
};

struct Corner {
  std::string name;
  int requiredStops = 0;
  int longestPath = 0;
  int shortestPath = 0;
  float signX = 0;
  float signY = 0;
  float signLeft = 0;
  float signTop = 0;
  float signRight = 0;
  float signBottom = 0;
};

struct TrackShape {
  int minDetail = 0;
  std::uint32_t fillColor = 0;
  std::uint32_t outlineColor = 0;
  std::vector<std::array<std::int32_t, 2>> points;
};

// The texts the Track Information dialog shows.
struct TrackInfo {
  std::string name;
  std::string description;
  std::string location;
  std::string version;
  std::string buildDate;
  std::string buildTime;
  std::string author;
  std::string designerVersion;
  std::array<std::string, 3> weather;
  int longestStraight = 0;
  int numberOfCorners = 0;
  int totalStops = 0;
};

struct Track {
  std::vector<Lane> lanes{Lane{}};
  std::vector<Corner> corners;
  std::vector<TrackShape> shapes;
  std::array<int, 21> gridLocations{};  // 1..20; entry 0 unused
  std::uint32_t backColor = 0;
  int pitLane = 0;
  int garageLane = 0;
  TrackInfo info;

  // Checked look-ups: nullptr when the lane or space does not exist.
  const Space* space(int location) const {
    if (location < 0) return nullptr;
    auto lane = static_cast<std::size_t>(location / 1000);
    auto index = static_cast<std::size_t>(location % 1000);
    if (lane >= lanes.size() || index >= lanes[lane].spaces.size()) return nullptr;
    return &lanes[lane].spaces[index];
  }
  Space* space(int location) {
    return const_cast<Space*>(static_cast<const Track&>(*this).space(location));
  }
  int laneCount() const { return static_cast<int>(lanes.size()); }
  int spaceCount(int lane) const {
    if (lane < 0 || lane >= laneCount()) return 0;
    return static_cast<int>(lanes[static_cast<std::size_t>(lane)].spaces.size());
  }
  // The corner a space's segment belongs to, or nullptr on a straight.
  const Corner* cornerOf(int segment) const {
    if (segment < 0 || segment % 2 == 0) return nullptr;
    auto k = static_cast<std::size_t>(segment / 2);
    return k < corners.size() ? &corners[k] : nullptr;
  }
};

// Location arithmetic: lanes are closed loops.
inline int laneOf(int location) { return location / 1000; }
inline int spaceIndexOf(int location) { return location % 1000; }
inline int makeLocation(int lane, int space) { return lane * 1000 + space; }

// The space k steps ahead in the same lane (k may be negative), wrapping round the lap;
// NoSpace when the location names no lane with spaces.
inline int aheadInLane(const Track& track, int location, int k) {
  if (location < 0) return NoSpace;
  const int n = track.spaceCount(laneOf(location));
  if (n == 0) return NoSpace;
  const int s = ((spaceIndexOf(location) + k) % n + n) % n;
  return makeLocation(laneOf(location), s);
}
inline int nextInLane(const Track& track, int location) { return aheadInLane(track, location, 1); }
inline int previousInLane(const Track& track, int location) {
  return aheadInLane(track, location, -1);
}

inline bool isPitLane(const Track& track, int lane) { return lane == track.pitLane; }
inline bool isGarageLane(const Track& track, int lane) { return lane == track.garageLane; }

// The corner a space lies in, or nullptr on a straight or for no space.
inline const Corner* cornerOfSpace(const Track& track, int location) {
  const Space* s = track.space(location);
  return s ? track.cornerOf(s->segment) : nullptr;
}

}  // namespace tarmaq
