// Fuzz target: the circuit loader on arbitrary bytes, with both finish-line settings,
// and every query a later part of the program makes of the model it returns.
#include <cstdint>
#include <string>

#include "track/track_geometry.h"
#include "track/track_info.h"
#include "track/track_loader.h"

namespace {

void useModel(const tarmaq::Track& t) {
  (void)tarmaq::trackInformation(t);
  for (int l = 0; l < t.laneCount(); ++l) {
    for (int s = 0; s < t.spaceCount(l); ++s) {
      const int code = tarmaq::makeLocation(l, s);
      const tarmaq::Space& sp = *t.space(code);
      // Every link must land on a space of the model.
      for (int link : {sp.nextLink1, sp.nextLink2, sp.sideLink[0], sp.sideLink[1], sp.sideLink[2],
                       sp.sideLink[3]})
        if (link != tarmaq::NoSpace && !t.space(link) && tarmaq::laneOf(link) < t.laneCount() - 1)
          __builtin_trap();
      (void)tarmaq::nextInLane(t, code);
      (void)tarmaq::cornerOfSpace(t, code);
      (void)tarmaq::pointInSpace(sp.x, sp.y, sp);
    }
  }
  for (const auto& c : t.corners) (void)tarmaq::cornerProperties(c);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  for (int finishNose : {-1, 0}) {
    auto r = tarmaq::parseTrack(text, finishNose);
    useModel(r.track);
  }
  return 0;
}
