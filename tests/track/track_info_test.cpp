#include "track/track_info.h"

#include <gtest/gtest.h>

namespace tarmaq {
namespace {

Track withLanes(std::initializer_list<std::pair<const char*, int>> lanes) {
  Track t;
  t.lanes.clear();
  for (auto [name, n] : lanes) t.lanes.push_back(Lane{name, std::vector<Space>(std::size_t(n))});
  return t;
}

TEST(TrackInfo, LaneRows) {
  struct Case {
    Track track;
    std::string lanes;
    std::map<std::string, int> rows;
  };
  const Case cases[] = {
      {withLanes({{"Right", 80}, {"Middle", 81}, {"Left", 82}, {"Pit", 16}, {"Garages", 10}}),
       "3 (plus Pit Lane)",
       {{"Lane 1 Length", 80},
        {"Lane 2 Length", 81},
        {"Lane 3 Length", 82},
        {"Pit Lane Length", 16}}},
      // Four racing lanes: "Left" moves to the fourth row beside a "Mid-Left" lane.
      {withLanes({{"Garages", 10},
                  {"Pit", 14},
                  {"Left", 70},
                  {"Mid-Left", 71},
                  {"Mid-Right", 72},
                  {"Right", 73}}),
       "4 (plus Pit Lane)",
       {{"Lane 1 Length", 73},
        {"Lane 2 Length", 72},
        {"Lane 3 Length", 71},
        {"Lane 4 Length", 70},
        {"Pit Lane Length", 14}}},
      // Other names, lower case among them, have no row.
      {withLanes({{"Inside", 5}, {"pit", 5}, {"Garages", 1}}), "1 (plus Pit Lane)", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(numberOfLanesText(c.track), c.lanes);
    EXPECT_EQ(laneRows(c.track), c.rows) << c.lanes;
  }
}

TEST(TrackInfo, DialogFieldsInOrder) {
  Track t = withLanes({{"Right", 3}, {"Left", 3}, {"Pit", 2}, {"Garages", 1}});
  t.info.name = "Ring";
  t.info.designerVersion = "2.0";
  t.info.weather = {"1 - 7", "8 - 12", "13 - 20"};
  t.info.longestStraight = 12;
  t.info.numberOfCorners = 3;
  t.info.totalStops = 6;
  auto f = trackInformation(t);
  std::vector<std::string> captions;
  for (const auto& x : f) captions.push_back(x.caption);
  EXPECT_EQ(captions,
            (std::vector<std::string>{
                "Track Name", "Description", "Location", "Track Version", "Build Date",
                "Build Time", "Track Author", "Built with Track Designer Version:", "Rainy",
                "Changeable", "Sunny", "Number of Lanes", "Lane 1 Length", "Lane 3 Length",
                "Pit Lane Length", "Longest Straight", "Number of Corners", "Total Stops"}));
  EXPECT_EQ(f[0].value, "Ring");
  EXPECT_EQ(f[10].value, "13 - 20");
  EXPECT_EQ(f[11].value, "2 (plus Pit Lane)");
  EXPECT_EQ(f.back().value, "6");

  Corner c;
  c.name = "Hairpin";
  c.requiredStops = 3;
  c.longestPath = 5;
  c.shortestPath = 2;
  auto p = cornerProperties(c);
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].caption, "Corner Name");
  EXPECT_EQ(p[0].value, "Hairpin");
  EXPECT_EQ(p[1].caption, "Required Stops");
  EXPECT_EQ(p[1].value, "3");
  EXPECT_EQ(p[3].caption, "Shortest Path");
  EXPECT_EQ(p[3].value, "2");
}

}  // namespace
}  // namespace tarmaq
