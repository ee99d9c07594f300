// Fuzz target: reading and checking a game file from arbitrary bytes.
#include <cstdint>
#include <string>

#include "gamefile/saved_game.h"
#include "track/track_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  tarmaq::Car carTemplate;
  carTemplate.tires = 5;
  const auto parsed = tarmaq::parseSavedGame(text, carTemplate);
  (void)tarmaq::parseSavedGameHead(text);
  if (parsed.game) {
    tarmaq::Track track;
    track.lanes.assign(3, tarmaq::Lane{"Lane", std::vector<tarmaq::Space>(20)});
    (void)tarmaq::checkSavedGame(*parsed.game, track);
    (void)tarmaq::versionNumbers(parsed.game->versionLine);
  }
  return 0;
}
