#include <gtest/gtest.h>

#include <set>

#include "gamefile/item_reader.h"
#include "support/paths.h"
#include "track/track_check.h"
#include "track/track_loader.h"

namespace tarmaq {
namespace {

class ShippedCircuit : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedCircuit, IsSoundAndRaceable) {
  auto text = readFileBytes(testing::shippedData(std::string("Tracks/") + GetParam()));
  ASSERT_TRUE(text);
  for (int finishNose : {-1, 0}) {
    auto r = parseTrack(*text, finishNose);
    ASSERT_EQ(r.status, TrackLoadStatus::Complete) << r.message;
    EXPECT_TRUE(r.warning.empty()) << r.warning;
    for (const auto& v : checkTrack(r)) ADD_FAILURE() << v;
    const Track& t = r.track;
    ASSERT_EQ(t.laneCount(), 5);
    std::multiset<std::string> names;
    for (const auto& l : t.lanes) names.insert(l.name);
    EXPECT_EQ(names, (std::multiset<std::string>{"Left", "Middle", "Right", "Pit", "Garages"}));
    std::set<int> grid(t.gridLocations.begin() + 1, t.gridLocations.end());
    EXPECT_EQ(grid.size(), 20u);
    EXPECT_EQ(grid.count(NoSpace), 0u);
    EXPECT_EQ(t.spaceCount(t.garageLane), 10);
    const int lap = t.spaceCount(0) == 10 ? t.spaceCount(2) : t.spaceCount(0);
    EXPECT_GE(lap, 60);
    EXPECT_LE(lap, 120);
    EXPECT_GE(t.corners.size(), 8u);
    EXPECT_LE(t.corners.size(), 16u);
    for (const auto& c : t.corners) {
      EXPECT_GE(c.requiredStops, 1) << c.name;
      EXPECT_LE(c.requiredStops, 3) << c.name;
    }
    EXPECT_FALSE(t.info.name.empty());
    EXPECT_FALSE(t.info.author.empty());
    EXPECT_FALSE(t.info.buildDate.empty());
    EXPECT_GT(t.info.longestStraight, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Tracks, ShippedCircuit,
                         ::testing::Values("VelmontPark.trk", "PortCastellane.trk",
                                           "BrackwoodRing.trk"));

}  // namespace
}  // namespace tarmaq
