#include "track/track_check.h"

#include <map>

namespace tarmaq {

namespace {

class Checker {
 public:
  explicit Checker(const TrackLoadResult& r) : r_(r), t_(r.track) {}

  std::vector<std::string> run() {
    if (r_.status != TrackLoadStatus::Complete) {
      report(r_.message);
      return out_;
    }
    for (int l = 0; l < t_.laneCount(); ++l) {
      if (name(l) == PitLaneName) pit_ = l;
      if (name(l) == GarageLaneName) garages_ = l;
    }
    links();
    positions();
    corners();
    grid();
    pitLane();
    return out_;
  }

 private:
  void report(const std::string& line) { out_.push_back(line); }
  const std::string& name(int lane) const { return t_.lanes[static_cast<std::size_t>(lane)].name; }
  bool racing(int lane) const {
    return lane >= 0 && lane < t_.laneCount() && lane != pit_ && lane != garages_;
  }
  static std::string at(int code) { return "space " + std::to_string(code); }
  // Whether `to` lies ahead of `from`: a higher position, or across the line from the
  // last part of the lap into the first.
  bool ahead(int from, int to) const {
    const Space &a = *t_.space(from), &b = *t_.space(to);
    if (b.position > a.position) return true;
    const int na = t_.spaceCount(laneOf(from)), nb = t_.spaceCount(laneOf(to));
    return spaceIndexOf(from) >= na * 3 / 4 && spaceIndexOf(to) < nb / 4;
  }

  // A neighbouring lane is one the space has a side link into.
  static bool besideLane(const Space& sp, int lane) {
    for (int link : sp.sideLink)
      if (link >= 0 && laneOf(link) == lane) return true;
    return false;
  }

  void links() {
    for (int l = 0; l < t_.laneCount(); ++l) {
      for (int s = 0; s < t_.spaceCount(l); ++s) {
        const int code = makeLocation(l, s);
        const Space& sp = *t_.space(code);
        const int next[2] = {sp.nextLink1, sp.nextLink2};
        for (int k = 0; k < 2; ++k) {
          const int t = next[k];
          const std::string which = k == 0 ? "left link" : "right link";
          if (t == NoSpace) continue;
          if (!t_.space(t)) {
            report(at(code) + ": " + which + " to " + std::to_string(t) + " is no space");
            continue;
          }
          if (!racing(l)) continue;  // pit exits and garage turns are checked with the pit lane
          if (laneOf(t) == l)
            report(at(code) + ": " + which + " stays in its own lane");
          else if (racing(laneOf(t)) && !ahead(code, t))
            report(at(code) + ": " + which + " to " + std::to_string(t) + " does not lead forward");
          else if (racing(laneOf(t)) && !besideLane(sp, laneOf(t)))
            report(at(code) + ": " + which + " to " + std::to_string(t) +
                   " skips the lane beside it");
        }
        for (int k = 0; k < 4; ++k) {
          const int t = sp.sideLink[static_cast<std::size_t>(k)];
          if (t == NoSpace) continue;
          const Space* other = t_.space(t);
          if (!other) {
            report(at(code) + ": side link " + std::to_string(k + 1) + " to " + std::to_string(t) +
                   " is no space");
            continue;
          }
          bool answered = false;
          for (int back : other->sideLink) answered = answered || back == code;
          if (!answered)
            report(at(code) + ": side link " + std::to_string(k + 1) + " to " + std::to_string(t) +
                   " is not answered");
        }
      }
    }
  }

  void positions() {
    for (int l = 0; l < t_.laneCount(); ++l) {
      if (!racing(l)) continue;
      const auto& spaces = t_.lanes[static_cast<std::size_t>(l)].spaces;
      for (std::size_t s = 1; s < spaces.size(); ++s)
        if (!(spaces[s].position > spaces[s - 1].position))
          report(at(makeLocation(l, static_cast<int>(s))) + ": position " +
                 std::to_string(spaces[s].position) + " does not rise along lane \"" + name(l) +
                 "\"");
    }
  }

  void corners() {
    for (int l = 0; l < t_.laneCount(); ++l)
      for (int s = 0; s < t_.spaceCount(l); ++s) {
        const Space& sp = *t_.space(makeLocation(l, s));
        if (sp.segment % 2 != 0 && !t_.cornerOf(sp.segment))
          report(at(makeLocation(l, s)) + ": segment " + std::to_string(sp.segment) +
                 " has no corner");
      }
  }

  void grid() {
    std::map<int, int> marked;  // grid place → space
    for (int l = 0; l < t_.laneCount(); ++l)
      for (int s = 0; s < t_.spaceCount(l); ++s) {
        const int code = makeLocation(l, s), m = t_.space(code)->marker;
        if (m < 1 || m > 20) continue;
        if (marked.count(m))
          report("grid place " + std::to_string(m) + " is marked on " + at(marked[m]) + " and on " +
                 at(code));
        else
          marked[m] = code;
        if (!racing(l)) report("grid place " + std::to_string(m) + " lies off the racing lanes");
      }
    for (int i = 1; i <= 20; ++i) {
      const int h = r_.headerGrid[static_cast<std::size_t>(i)];
      auto it = marked.find(i);
      if (it != marked.end() && h != it->second)
        report("header grid value " + std::to_string(i) + " is " + std::to_string(h) +
               " but the grid place is " + at(it->second));
      else if (it == marked.end() && h != NoSpace && (!t_.space(h) || !racing(laneOf(h))))
        report("header grid value " + std::to_string(i) + " names no racing space");
    }
  }

  void pitLane() {
    if (pit_ < 0 || garages_ < 0) {
      report("the circuit has no \"Pit\" and \"Garages\" lanes");
      return;
    }
    const auto& lane = t_.lanes[static_cast<std::size_t>(pit_)].spaces;
    const int n = static_cast<int>(lane.size());
    if (n < 2) {
      report("the pit lane has fewer than 2 spaces");
      return;
    }
    // Entered from the racing lanes before the line.
    int entries = 0;
    for (int l = 0; l < t_.laneCount(); ++l) {
      if (!racing(l)) continue;
      const int count = t_.spaceCount(l);
      for (int s = 0; s < count; ++s) {
        const Space& sp = *t_.space(makeLocation(l, s));
        for (int link : {sp.nextLink1, sp.nextLink2}) {
          if (link < 0 || laneOf(link) != pit_) continue;
          if (spaceIndexOf(link) != 0)
            report(at(makeLocation(l, s)) + ": leads into the pit lane past its entry");
          else if (s < count / 2)
            report(at(makeLocation(l, s)) + ": enters the pit lane after the start/finish line");
          ++entries;
        }
      }
    }
    if (entries == 0) report("no racing space leads into the pit lane");
    const Space& first = lane.front();
    for (int k = 0; k < 2; ++k) {
      const int a = first.sideLink[static_cast<std::size_t>(k)];
      if (!t_.space(a) || !racing(laneOf(a)))
        report("the pit entry's side link " + std::to_string(k + 1) + " names no racing space");
    }
    // Left to the racing lanes, on both sides, after the line.
    const Space& last = lane.back();
    for (int link : {last.nextLink1, last.nextLink2}) {
      if (!t_.space(link) || !racing(laneOf(link)))
        report("the last pit space does not link to a racing lane on both sides");
      else if (spaceIndexOf(link) >= t_.spaceCount(laneOf(link)) / 2)
        report("the pit lane rejoins the track before the start/finish line");
    }
    // Boxes: each pit-lane space marked 30 + p turns towards its garage marked 40 + p, and
    // the garage leads back into the pit lane.
    const bool garagesFirst = garages_ < pit_;
    std::map<int, int> boxes, garageOf;
    for (int s = 0; s < n; ++s) {
      const int m = lane[static_cast<std::size_t>(s)].marker;
      if (m >= 30 && m <= 39) {
        if (boxes.count(m - 30)) report("pit box " + std::to_string(m - 30) + " is marked twice");
        boxes[m - 30] = makeLocation(pit_, s);
      }
    }
    for (int s = 0; s < t_.spaceCount(garages_); ++s) {
      const int m = t_.space(makeLocation(garages_, s))->marker;
      if (m >= 40 && m <= 49) garageOf[m - 40] = makeLocation(garages_, s);
    }
    for (auto [p, code] : boxes) {
      const Space& box = *t_.space(code);
      auto g = garageOf.find(p);
      if (g == garageOf.end()) {
        report("pit box " + std::to_string(p) + " has no garage");
        continue;
      }
      const int turn = garagesFirst ? box.nextLink1 : box.nextLink2;
      if (turn != g->second)
        report("pit box " + std::to_string(p) + " does not turn " +
               (garagesFirst ? "left" : "right") + " into its garage");
      const Space& garage = *t_.space(g->second);
      const int out = garagesFirst ? garage.nextLink2 : garage.nextLink1;
      if (!t_.space(out) || laneOf(out) != pit_)
        report("garage " + std::to_string(p) + " does not lead back into the pit lane");
    }
    for (auto [p, code] : garageOf)
      if (!boxes.count(p)) report("garage " + std::to_string(p) + " has no pit box");
  }

  const TrackLoadResult& r_;
  const Track& t_;
  int pit_ = -1, garages_ = -1;
  std::vector<std::string> out_;
};

}  // namespace

std::vector<std::string> checkTrack(const TrackLoadResult& loaded) { return Checker(loaded).run(); }

}  // namespace tarmaq
