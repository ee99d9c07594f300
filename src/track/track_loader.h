// Reading a circuit file (".trk") into the track model: header texts, lanes of spaces,
// corners, background colour and decorative shapes, then the values derived from them
// (longest straight, total stops, scroll ranges), the finish-line move of an entire-car
// race and the joining of the pit lane to the track.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

#include "track/track_model.h"
#include "view/view_state.h"

namespace tarmaq {

struct Game;

inline constexpr const char* PitLaneName = "Pit";
inline constexpr const char* GarageLaneName = "Garages";

// Limits of what the rest of the program can hold: six lane flags per move, location
// codes of lane × 1000 + space, 16-bit scroll ranges.
inline constexpr int MaxTrackLanes = 6;
inline constexpr int MaxLaneSpaces = 1000;
inline constexpr float MaxTrackCoordinate = 32767.0f;
inline constexpr float MinTrackCoordinate = -32768.0f;
inline constexpr float MaxLengthFactor = 100.0f;

enum class TrackLoadStatus {
  Complete,  // every section read
  Stopped,   // a fault stopped the reading; the model holds what was read before it
  Refused,   // beyond the limits; the model is empty
};

struct TrackLoadResult {
  Track track;
  TrackLoadStatus status = TrackLoadStatus::Complete;
  std::string message;    // why the reading stopped or was refused; empty when complete
  std::size_t line = 0;   // line of the failing item
  std::string warning;    // a shape or background colour that was dropped
  bool finished = false;  // the finish-line move, scroll ranges and pit joins were done
  bool backColorRead = false;
  // The grid as the header lists it, before the space markers override it (moved with
  // the finish line like the grid).
  std::array<int, 21> headerGrid{};
  ScrollBar hScroll;  // valid when `finished`
  ScrollBar vScroll;
};

// Parses the text of a circuit file. `finishNose` is the rule "FinishNose": 0 turns the
// racing lanes one space for a race that counts the entire car across the line.
TrackLoadResult parseTrack(std::string text, int finishNose);

// Loads a circuit into the game: the track model, TrackVersion, the view's scroll
// ranges and the panel colours. A file that cannot be opened shows the critical error
// and returns false; so does a file beyond the limits (the game then holds an empty
// track). The caller ends the program on false. A file that merely stops early keeps
// what was read, as it always did, and returns true.
bool loadTrack(Game& game, const std::filesystem::path& path);

// The scroll-bar values for a bounding box (rounded half to even; large change at least 1).
ScrollBar scrollRange(float min, float max);

}  // namespace tarmaq
