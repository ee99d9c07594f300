#include "track/track_check.h"

#include <gtest/gtest.h>

#include "gamefile/item_reader.h"
#include "support/paths.h"

namespace tarmaq {
namespace {

// The shipped fast circuit with one line changed; line 15 is the first space of "Left"
// (lane 0), line 126 the first of "Middle".
std::string circuitWith(int n, const std::string& line) {
  std::string text = readFileBytes(testing::shippedData("Tracks/VelmontPark.trk")).value_or("");
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = text.find('\n', start) + 1;
  return text.replace(start, text.find('\n', start) - start, line);
}

TEST(CheckTrack, FindsBrokenLinks) {
  ASSERT_TRUE(checkTrack(parseTrack(circuitWith(1, "; unchanged"), -1)).empty());
  struct Case {
    int line;
    std::string text, violation;
  };
  const Case cases[] = {
      {15, "100,-100,0,1,51,1,-1,1000,-1,1000,-1,-1,0,0",
       "space 0: right link to 1000 does not lead forward"},
      {15, "100,-100,0,1,51,1,-1,2001,-1,1000,-1,-1,0,0",
       "space 0: right link to 2001 skips the lane beside it"},
      {15, "100,-100,0,1,51,1,-1,1001,-1,2000,-1,-1,0,0",
       "space 0: side link 2 to 2000 is not answered"},
      {15, "100,-100,0,1,51,1,-1,1001,-1,1000,-1,-1,19,0", "space 0: segment 19 has no corner"},
      {15, "100,-100,0,1,51,5,-1,1001,-1,1000,-1,-1,0,0",
       "space 1: position 2.000000 does not rise"},
      {15, "100,-100,0,1,3,1,-1,1001,-1,1000,-1,-1,0,0",
       "grid place 3 is marked on space 0 and on space 2108"},
  };
  for (const auto& c : cases) {
    auto found = checkTrack(parseTrack(circuitWith(c.line, c.text), -1));
    bool seen = false;
    for (const auto& v : found) seen = seen || v.find(c.violation) != std::string::npos;
    EXPECT_TRUE(seen) << c.violation << "\n" << ::testing::PrintToString(found);
  }
}

}  // namespace
}  // namespace tarmaq
