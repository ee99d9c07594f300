#include "track/track_loader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "engine/controls.h"
#include "engine/frontend.h"
#include "engine/game_state.h"
#include "gamefile/item_reader.h"
#include "track/track_geometry.h"

namespace tarmaq {

namespace {

// The number at the start of a text, as the weather texts are joined: leading blanks
// skipped, digits with an optional sign, 0 when there are none.
int leadingNumber(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  int value = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9' && value < 100000)
    value = value * 10 + (s[i++] - '0');
  return negative ? -value : value;
}

std::string lastTwo(const std::string& s) { return s.size() <= 2 ? s : s.substr(s.size() - 2); }

bool isRacingLaneName(const std::string& name) {
  return name != PitLaneName && name != GarageLaneName;
}

class TrackParser {
 public:
  TrackParser(std::string text, TrackLoadResult& result)
      : in_(std::move(text)), r_(result), t_(result.track) {}

  void parse(int finishNose) {
    t_.lanes.clear();
    t_.gridLocations.fill(NoSpace);
    r_.headerGrid.fill(NoSpace);
    if (!header()) return;
    const bool lanesRead = lanes();
    if (!checkLanes(lanesRead) || !lanesRead) return;
    if (!corners()) return;
    rest();
    if (finishNose == 0) moveFinishLine();
    r_.hScroll = scrollRange(minX_, maxX_);
    r_.vScroll = scrollRange(minY_, maxY_);
    joinPitLane();
    r_.finished = true;
  }

 private:
  bool stop(const std::string& what) {
    if (r_.status == TrackLoadStatus::Complete) {
      r_.status = TrackLoadStatus::Stopped;
      r_.line = in_.line();
      r_.message = "reading stopped at line " + std::to_string(r_.line) + ": " + what;
    }
    return false;
  }
  bool refuse(const std::string& why) {
    r_.status = TrackLoadStatus::Refused;
    r_.line = in_.line();
    r_.message = why;
    return false;
  }
  // A failed numeric read: a number too large for its field is refused, anything else
  // stops the reading.
  bool numberFailed(const std::string& what) {
    ItemReader probe = in_;
    auto item = probe.readString();
    if (!item) return stop("the file ends where " + what + " should be");
    std::string token = item->substr(0, item->find_first_of(" \t"));
    if (isNumberText(token))
      return refuse("line " + std::to_string(in_.line()) + ": " + what + " " + token +
                    " is out of range");
    return stop(what + " expected, found \"" + *item + "\"");
  }
  template <typename T>
  bool number(std::optional<T> value, T& into, const char* what) {
    if (!value) return numberFailed(what);
    into = *value;
    return true;
  }
  bool int16(int& into, const char* what) {
    std::int16_t v = 0;
    if (!number(in_.readInt16(true), v, what)) return false;
    into = v;
    return true;
  }
  bool int32(std::int32_t& into, const char* what) {
    return number(in_.readInt32(true), into, what);
  }
  bool single(float& into, const char* what) { return number(in_.readSingle(true), into, what); }
  bool text(std::string& into, const char* what) {
    auto s = in_.readString();
    if (!s) return stop(std::string("the file ends where ") + what + " should be");
    into = std::move(*s);
    return true;
  }
  bool coordinate(float value, const char* what) {
    if (value < MinTrackCoordinate || value > MaxTrackCoordinate)
      return refuse("line " + std::to_string(in_.line()) + ": " + what +
                    " lies outside -32768..32767");
    return true;
  }

  bool header() {
    TrackInfo& info = t_.info;
    in_.skipComments();
    if (!text(info.name, "the track name") || !text(info.description, "the description") ||
        !text(info.location, "the location") || !text(info.version, "the track version") ||
        !text(info.buildDate, "the build date") || !text(info.buildTime, "the build time") ||
        !text(info.author, "the author") || !text(info.designerVersion, "the designer version"))
      return false;
    std::string rainy, changeable;
    if (!text(rainy, "the last rainy roll")) return false;
    info.weather[0] = "1 - " + rainy;
    if (!text(changeable, "the last changeable roll")) return false;
    info.weather[1] =
        std::to_string(leadingNumber(lastTwo(info.weather[0])) + 1) + " - " + changeable;
    info.weather[2] = std::to_string(leadingNumber(lastTwo(info.weather[1])) + 1) + " - 20";
    std::string dropped;
    if (!text(dropped, "the start positions item")) return false;
    for (std::size_t i = 1; i <= 20; ++i)
      if (!int16(t_.gridLocations[i], ("grid location " + std::to_string(i)).c_str())) return false;
    r_.headerGrid = t_.gridLocations;
    return true;
  }

  // True when the item "Corners" closed the lanes.
  bool lanes() {
    int lane = -1;
    while (auto item = in_.readString()) {
      if (*item == "Corners") return true;
      auto first = parseNumber(*item);
      if (!first) {
        if (t_.laneCount() >= MaxTrackLanes)
          return refuse("more than " + std::to_string(MaxTrackLanes) + " lanes (lane \"" + *item +
                        "\" at line " + std::to_string(in_.line()) + ")");
        ++lane;
        t_.lanes.push_back(Lane{*item, {}});
        if (*item == PitLaneName) t_.pitLane = lane;
        if (*item == GarageLaneName) t_.garageLane = lane;
        continue;
      }
      if (lane < 0) return stop("a space before the first lane name");
      auto& spaces = t_.lanes.back().spaces;
      if (static_cast<int>(spaces.size()) >= MaxLaneSpaces)
        return refuse("lane \"" + t_.lanes.back().name + "\" has more than " +
                      std::to_string(MaxLaneSpaces) + " spaces");
      if (std::fabs(*first) > 3.4e38) return refuse("a space centre is out of range");
      Space s;
      s.x = static_cast<float>(*first);
      if (!coordinate(s.x, "a space centre")) return false;
      if (!single(s.y, "the centre y") || !coordinate(s.y, "a space centre") ||
          !int16(s.angle, "the angle") || !single(s.lengthFactor, "the length factor") ||
          !int16(s.marker, "the marker") || !single(s.position, "the position") ||
          !int16(s.nextLink1, "the left link") || !int16(s.nextLink2, "the right link") ||
          !int16(s.sideLink[0], "side link 1") || !int16(s.sideLink[1], "side link 2") ||
          !int16(s.sideLink[2], "side link 3") || !int16(s.sideLink[3], "side link 4") ||
          !int16(s.segment, "the segment") || !int16(s.edgeType, "the edge type"))
        return false;
      if (std::fabs(s.lengthFactor) > MaxLengthFactor)
        return refuse("line " + std::to_string(in_.line()) + ": length factor out of range");
      computeSpaceVertices(s);
      const int code = makeLocation(lane, static_cast<int>(spaces.size()));
      if (s.marker > 0 && s.marker < 21)
        t_.gridLocations[static_cast<std::size_t>(s.marker)] = code;
      minX_ = std::min(minX_, s.x);
      minY_ = std::min(minY_, s.y);
      maxX_ = std::max(maxX_, s.x);
      maxY_ = std::max(maxY_, s.y);
      if (s.marker != 0) {
        longestRun_ = std::max(longestRun_, currentRun_);
        currentRun_ = 0;
      } else {
        ++currentRun_;
      }
      spaces.push_back(s);
    }
    if (r_.status == TrackLoadStatus::Complete) stop("the file ends before \"Corners\"");
    return false;
  }

  // Every link must name a space that exists, so no later look-up leaves the model.
  // When the lanes stopped early, a link into the lane being read or one not read yet
  // may still be sound; only links that no file could fulfil are refused then.
  bool checkLanes(bool complete) {
    if (r_.status == TrackLoadStatus::Refused) return false;
    if (complete && t_.lanes.empty()) return refuse("the file has no lanes");
    for (int l = 0; l < t_.laneCount(); ++l) {
      const Lane& lane = t_.lanes[static_cast<std::size_t>(l)];
      if (lane.spaces.empty() && (complete || l + 1 < t_.laneCount()))
        return refuse("lane \"" + lane.name + "\" has no spaces");
    }
    auto sound = [&](int link) {
      if (link == NoSpace || t_.space(link)) return true;
      if (complete || link < 0 || spaceIndexOf(link) >= MaxLaneSpaces) return false;
      const int lane = laneOf(link);
      return lane < MaxTrackLanes && lane >= t_.laneCount() - 1;
    };
    for (int l = 0; l < t_.laneCount(); ++l) {
      const Lane& lane = t_.lanes[static_cast<std::size_t>(l)];
      for (std::size_t s = 0; s < lane.spaces.size(); ++s) {
        const Space& sp = lane.spaces[s];
        const int links[6] = {sp.nextLink1,   sp.nextLink2,   sp.sideLink[0],
                              sp.sideLink[1], sp.sideLink[2], sp.sideLink[3]};
        for (int link : links)
          if (!sound(link))
            return refuse("space " + std::to_string(makeLocation(l, static_cast<int>(s))) +
                          " links to " + std::to_string(link) + ", which is no space");
      }
    }
    t_.info.longestStraight = longestRun_;
    return true;
  }

  bool corners() {
    while (true) {
      Corner c;
      auto name = in_.readString();
      if (!name) return stop("the file ends before \"Backcolor\"");
      if (*name == "Backcolor") break;
      c.name = std::move(*name);
      if (!int16(c.requiredStops, "the required stops") ||
          !int16(c.longestPath, "the longest path") ||
          !int16(c.shortestPath, "the shortest path") || !single(c.signX, "the sign x") ||
          !coordinate(c.signX, "a corner sign") || !single(c.signY, "the sign y") ||
          !coordinate(c.signY, "a corner sign"))
        return false;
      c.signLeft = c.signX + 0.2f * SpaceHalfLength;
      c.signTop = c.signY - 2.5f * SpaceHalfLength;
      c.signRight = c.signX + 1.8f * SpaceHalfLength;
      c.signBottom = c.signY - 0.9f * SpaceHalfLength;
      t_.info.totalStops += c.requiredStops;
      t_.corners.push_back(std::move(c));
      t_.info.numberOfCorners = static_cast<int>(t_.corners.size());
    }
    return true;
  }

  // The background colour and the shapes. Whatever is wrong here only ends the
  // section: the shapes end at the end of the file or at the first incomplete shape.
  void rest() {
    auto back = in_.readInt32(true);
    if (!back) {
      r_.warning = "no background colour at line " + std::to_string(in_.line());
      return;
    }
    t_.backColor = static_cast<std::uint32_t>(*back);
    r_.backColorRead = true;
    if (!in_.readString()) return;
    while (!in_.atEnd()) {
      const std::size_t line = in_.line();
      TrackShape shape;
      auto minDetail = in_.readInt16(true);
      auto fill = minDetail ? in_.readInt32(true) : std::nullopt;
      auto outline = fill ? in_.readInt32(true) : std::nullopt;
      auto last = outline ? in_.readInt16(true) : std::nullopt;
      bool complete = last && *last >= 0;
      for (int k = 0; complete && k <= *last; ++k) {
        auto x = in_.readInt32(true);
        auto y = x ? in_.readInt32(true) : std::nullopt;
        if (!y)
          complete = false;
        else
          shape.points.push_back({*x, *y});
      }
      if (!complete) {
        // A blank line at the end reads as one empty item: that is no shape at all.
        if (minDetail || !isBlankRest())
          r_.warning = "shape at line " + std::to_string(line) + " is incomplete and was dropped";
        return;
      }
      shape.minDetail = *minDetail;
      shape.fillColor = static_cast<std::uint32_t>(*fill);
      shape.outlineColor = static_cast<std::uint32_t>(*outline);
      t_.shapes.push_back(std::move(shape));
    }
  }
  bool isBlankRest() {
    ItemReader probe = in_;
    while (auto item = probe.readString())
      if (!item->empty()) return false;
    return true;
  }

  // Turns every racing lane one space so that the lap is complete one space later; the
  // progress values stay with their indices. The pit lane and the garages are not
  // turned, so links into them stay as they are: moving them would send the pit entry
  // to the pit exit.
  void moveFinishLine() {
    auto racing = [&](int lane) {
      return lane >= 0 && lane < t_.laneCount() &&
             isRacingLaneName(t_.lanes[static_cast<std::size_t>(lane)].name);
    };
    auto moveBack = [&](int& link) {
      if (link < 0 || !racing(laneOf(link)) || !t_.space(link)) return;
      link = aheadInLane(t_, link, -1);
    };
    for (std::size_t i = 1; i <= 20; ++i) {
      moveBack(t_.gridLocations[i]);
      moveBack(r_.headerGrid[i]);
    }
    for (int l = 0; l < t_.laneCount(); ++l) {
      if (!racing(l)) continue;
      auto& spaces = t_.lanes[static_cast<std::size_t>(l)].spaces;
      if (spaces.empty()) continue;
      std::vector<float> positions;
      for (const Space& s : spaces) positions.push_back(s.position);
      std::rotate(spaces.begin(), spaces.begin() + 1, spaces.end());
      for (std::size_t s = 0; s < spaces.size(); ++s) {
        Space& sp = spaces[s];
        moveBack(sp.nextLink1);
        moveBack(sp.nextLink2);
        for (int& link : sp.sideLink) moveBack(link);
        sp.position = positions[s];
      }
    }
    if (!hasPitLane()) return;
    auto& pit = t_.lanes[static_cast<std::size_t>(t_.pitLane)].spaces;
    moveBack(pit.front().sideLink[0]);
    moveBack(pit.front().sideLink[1]);
    moveBack(pit.back().nextLink1);
    moveBack(pit.back().nextLink2);
  }

  bool hasPitLane() const {
    return t_.pitLane >= 0 && t_.pitLane < t_.laneCount() &&
           t_.lanes[static_cast<std::size_t>(t_.pitLane)].name == PitLaneName &&
           !t_.lanes[static_cast<std::size_t>(t_.pitLane)].spaces.empty();
  }

  // The first and last pit spaces take the corners of the track spaces beside the pit
  // entry and exit, so they are drawn as one surface with the track.
  void joinPitLane() {
    if (!hasPitLane()) return;
    auto& pit = t_.lanes[static_cast<std::size_t>(t_.pitLane)].spaces;
    const std::size_t n = pit.size();
    if (n < 2) return;
    const bool listedLast = t_.pitLane > t_.laneCount() - 3;
    auto vertexOf = [&](int link, std::size_t v) -> std::optional<Point> {
      const Space* s = t_.space(link);
      if (!s) return std::nullopt;
      return s->vertex[v];
    };
    Space& first = pit[0];
    if (auto a = vertexOf(first.sideLink[0], listedLast ? 3 : 0))
      first.vertex[listedLast ? 3 : 0] = *a;
    if (auto b = vertexOf(first.sideLink[1], listedLast ? 2 : 1))
      first.vertex[listedLast ? 0 : 3] = *b;
    first.vertex[1] = pit[1].vertex[0];
    first.vertex[2] = pit[1].vertex[3];
    Space& last = pit[n - 1];
    if (auto c = vertexOf(last.nextLink1, listedLast ? 3 : 0)) last.vertex[listedLast ? 1 : 2] = *c;
    if (auto d = vertexOf(last.nextLink2, listedLast ? 2 : 1)) last.vertex[listedLast ? 2 : 1] = *d;
    last.vertex[0] = pit[n - 2].vertex[1];
    last.vertex[3] = pit[n - 2].vertex[2];
  }

  ItemReader in_;
  TrackLoadResult& r_;
  Track& t_;
  float minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;
  int currentRun_ = 0, longestRun_ = 0;
};

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

ScrollBar scrollRange(float min, float max) {
  ScrollBar bar;
  bar.min = roundHalfEven(min);
  bar.max = roundHalfEven(max);
  bar.value = roundHalfEven((bar.min + bar.max) / 2.0);
  // A box of no extent would give a large change of 0, which no scroll bar can page by.
  bar.largeChange = std::max(1, roundHalfEven((std::abs(bar.max) + std::abs(bar.min)) / 10.0));
  return bar;
}

TrackLoadResult parseTrack(std::string text, int finishNose) {
  TrackLoadResult result;
  TrackParser(decodeText(text), result).parse(finishNose);
  if (result.status == TrackLoadStatus::Refused) result.track = Track{};
  if (result.track.lanes.empty()) result.track.lanes.emplace_back();
  return result;
}

bool loadTrack(Game& game, const std::filesystem::path& path) {
  const std::string shown = game.trackFile.empty() ? path.filename().string() : game.trackFile;
  auto tell = [&](const std::string& title, const std::string& text) {
    if (game.services.frontend)
      game.services.frontend->ask(Message{title, text, MessageIcon::Error, MessageButtons::Ok});
  };
  auto bytes = readFileBytes(path);
  if (!bytes) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
      game.track = Track{};
      tell("Critical Error - Track File Refused", "The track file used to create this game:\n" +
                                                      shown + "\nis too large to be a track file.");
    } else {
      tell("Critical Error - Track File Missing",
           "The track file used to create this game:\n" + shown +
               "\nwas not found on your system. Please check your installation.");
    }
    return false;
  }
  TrackLoadResult r = parseTrack(std::move(*bytes), game.rules[Rule::FinishNose]);
  if (r.status == TrackLoadStatus::Refused) {
    game.track = Track{};
    tell("Critical Error - Track File Refused", "The track file used to create this game:\n" +
                                                    shown + "\ncannot be used: " + r.message + ".");
    return false;
  }
  game.track = std::move(r.track);
  game.trackVersion = game.track.info.version;
  if (r.backColorRead) {
    game.controls.panelBackColor = game.track.backColor;
    game.controls.panelTextColor =
        colorShade(game.track.backColor) == Shade::Dark ? 0xFFFFFFu : 0x000000u;
  }
  if (r.finished) {
    game.view.hScroll = r.hScroll;
    game.view.vScroll = r.vScroll;
    game.view.applyHorizontalValue();
    game.view.applyVerticalValue();
  }
  return true;
}

}  // namespace tarmaq
