#include "track/track_loader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "gamefile/item_reader.h"
#include "support/fakes.h"
#include "support/paths.h"
#include "track/track_geometry.h"

namespace tarmaq {
namespace {

using testing::fixture;

std::string fixtureText(const std::string& name) {
  return readFileBytes(fixture("tracks/" + name)).value_or("");
}

// The fixture with line `n` (1-based) replaced.
std::string withLine(std::string text, int n, const std::string& line) {
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = text.find('\n', start) + 1;
  std::size_t end = text.find('\n', start);
  return text.replace(start, end - start, line);
}

TrackLoadResult ring(int finishNose = -1) {
  return parseTrack(fixtureText("ring.trk"), finishNose);
}

bool same(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }

TEST(TrackLoader, ReadsHeaderLanesCornersAndShapes) {
  auto r = ring();
  ASSERT_EQ(r.status, TrackLoadStatus::Complete) << r.message;
  EXPECT_TRUE(r.finished);
  EXPECT_TRUE(r.warning.empty()) << r.warning;
  const Track& t = r.track;
  EXPECT_EQ(t.info.name, "Test Ring, North Loop");
  EXPECT_EQ(t.info.description, "A ring for the loader's tests");
  EXPECT_EQ(t.info.version, "1.2");
  EXPECT_EQ(t.info.buildTime, "10:00:00 AM");
  EXPECT_EQ(t.info.author, "A. Tester");
  EXPECT_EQ(t.info.designerVersion, "2.0");
  ASSERT_EQ(t.laneCount(), 4);
  EXPECT_EQ(t.lanes[2].name, "Pit");
  EXPECT_EQ(t.pitLane, 2);
  EXPECT_EQ(t.garageLane, 3);
  EXPECT_EQ(t.spaceCount(0), 4);
  EXPECT_EQ(t.spaceCount(3), 1);
  const Space& s = *t.space(2);
  EXPECT_EQ(s.x, 500);
  EXPECT_EQ(s.marker, 5);
  EXPECT_EQ(s.nextLink1, 1003);
  EXPECT_EQ(s.sideLink[0], 1002);
  EXPECT_EQ(s.segment, 2);
  EXPECT_TRUE(same(s.vertex[0], {400, 50}));
  ASSERT_EQ(t.corners.size(), 3u);
  EXPECT_EQ(t.corners[1].name, "Hairpin, East");
  const Corner& c = t.corners[0];
  EXPECT_EQ(c.requiredStops, 2);
  EXPECT_EQ(c.longestPath, 5);
  EXPECT_EQ(c.shortestPath, 3);
  EXPECT_FLOAT_EQ(c.signLeft, 120);
  EXPECT_FLOAT_EQ(c.signTop, -50);
  EXPECT_FLOAT_EQ(c.signRight, 280);
  EXPECT_FLOAT_EQ(c.signBottom, 110);
  EXPECT_EQ(t.info.numberOfCorners, 3);
  EXPECT_EQ(t.info.totalStops, 6);
  EXPECT_EQ(t.backColor, 16384u);
  ASSERT_EQ(t.shapes.size(), 2u);
  EXPECT_EQ(t.shapes[1].minDetail, 2);
  EXPECT_EQ(t.shapes[1].fillColor, 65535u);
  EXPECT_EQ(t.shapes[1].points.size(), 3u);
  EXPECT_EQ(t.shapes[0].points[2], (std::array<std::int32_t, 2>{850, 350}));
}

TEST(TrackLoader, HeaderItemsAsTheyAreWritten) {
  struct Case {
    int line;
    std::string text;
    std::string name, description, location;
  };
  const std::string n = "Test Ring, North Loop", d = "A ring for the loader's tests";
  const Case cases[] = {
      // A comma splits a comment: what follows it is the first item.
      {2, "; a comment, Odd Name", "Odd Name", n, d},
      // A name with a comma and no quotes becomes two items.
      {3, "Test Ring, North Loop", "Test Ring", "North Loop", d},
      // After the name an item beginning with ";" is data.
      {4, ";not a comment", n, ";not a comment", "Testville"},
  };
  for (const auto& c : cases) {
    auto r = parseTrack(withLine(fixtureText("ring.trk"), c.line, c.text), -1);
    EXPECT_EQ(r.track.info.name, c.name) << c.text;
    EXPECT_EQ(r.track.info.description, c.description) << c.text;
    EXPECT_EQ(r.track.info.location, c.location) << c.text;
  }
}

TEST(TrackLoader, WeatherTexts) {
  struct Case {
    std::string rainy, changeable;
    std::array<std::string, 3> texts;
  };
  const Case cases[] = {
      {"7", "12", {"1 - 7", "8 - 12", "13 - 20"}},
      {"9", "15", {"1 - 9", "10 - 15", "16 - 20"}},
  };
  for (const auto& c : cases) {
    auto text = withLine(withLine(fixtureText("ring.trk"), 11, c.rainy), 12, c.changeable);
    EXPECT_EQ(parseTrack(text, -1).track.info.weather, c.texts) << c.rainy;
  }
}

TEST(TrackLoader, SpaceMarkersOverrideTheHeaderGrid) {
  const auto& g = ring().track.gridLocations;
  EXPECT_EQ(g[1], 1003);  // header only
  EXPECT_EQ(g[2], 1002);
  EXPECT_EQ(g[3], -1);
  EXPECT_EQ(g[5], 2);  // header 99, marker on lane 0 space 2
  EXPECT_EQ(g[7], 1002);
  EXPECT_EQ(g[20], 2001);
}

TEST(TrackLoader, LongestStraightCountsRunsOfUnmarkedSpaces) {
  // The ring's markers in file order: 0 0 5 0 | 0 0 7 0 | 0 30 0 | 40.
  EXPECT_EQ(ring().track.info.longestStraight, 3);
  // A run still open at the end of the lanes is not counted: the no-pit oval reads
  // markers 1 2 | 0 0.
  EXPECT_EQ(parseTrack(fixtureText("no_pit.trk"), -1).track.info.longestStraight, 0);
}

TEST(TrackLoader, LowerCasePitIsARacingLaneAndNothingIsJoined) {
  auto r = parseTrack(fixtureText("no_pit.trk"), 0);
  ASSERT_EQ(r.status, TrackLoadStatus::Complete) << r.message;
  EXPECT_EQ(r.track.pitLane, 0);
  EXPECT_EQ(r.track.garageLane, 0);
  // "pit" was turned like any racing lane.
  EXPECT_EQ(r.track.space(1000)->x, 300);
  // Lane 0 is no pit lane: its spaces keep their own corners.
  Space s = *r.track.space(0);
  computeSpaceVertices(s);
  EXPECT_EQ(r.track.space(0)->vertex, s.vertex);
  EXPECT_EQ(r.track.corners.size(), 0u);
}

TEST(TrackLoader, ScrollRangesFromTheBoundingBoxWithTheOrigin) {
  auto r = ring();
  EXPECT_EQ(r.hScroll.min, 0);
  EXPECT_EQ(r.hScroll.max, 700);
  EXPECT_EQ(r.hScroll.value, 350);
  EXPECT_EQ(r.hScroll.largeChange, 70);
  EXPECT_EQ(r.vScroll.min, 0);
  EXPECT_EQ(r.vScroll.max, 300);
  EXPECT_EQ(r.vScroll.largeChange, 30);

  struct Case {
    float min, max;
    int lo, hi, value, large;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0, 1},  // no width: the large change stays 1
      {-2.5f, 5.5f, -2, 6, 2, 1},
      {0, 3, 0, 3, 2, 1},  // (0 + 3) / 2 = 1.5 rounds to 2; 0.3 rounds to 0, so 1
      {-1000, 25, -1000, 25, -488, 102},
  };
  for (const auto& c : cases) {
    auto b = scrollRange(c.min, c.max);
    EXPECT_EQ(b.min, c.lo) << c.min;
    EXPECT_EQ(b.max, c.hi) << c.max;
    EXPECT_EQ(b.value, c.value) << c.min << " " << c.max;
    EXPECT_EQ(b.largeChange, c.large) << c.min << " " << c.max;
  }
}

TEST(TrackLoader, FinishNoseKeepsTheFileAsItIs) {
  auto r = ring(-1);
  EXPECT_EQ(r.track.space(0)->x, 100);
  EXPECT_EQ(r.track.space(3)->nextLink1, 1000);
}

TEST(TrackLoader, EntireCarFinishTurnsTheRacingLanes) {
  auto file = ring(-1).track;
  auto r = ring(0);
  ASSERT_TRUE(r.finished);
  const Track& t = r.track;
  // Space 0 takes the geometry, marker, segment and edge of file space 1, its links
  // one space back, and keeps the position of file space 0.
  const Space& s0 = *t.space(0);
  EXPECT_EQ(s0.x, 300);
  EXPECT_EQ(s0.segment, 1);
  EXPECT_EQ(s0.vertex, file.space(1)->vertex);
  EXPECT_EQ(s0.nextLink1, 1001);
  EXPECT_EQ(s0.sideLink[0], 1000);
  EXPECT_EQ(s0.position, 1);
  EXPECT_EQ(t.space(1)->marker, 5);
  // File space 3 links to 1000, which becomes 1003.
  EXPECT_EQ(t.space(2)->nextLink1, 1003);
  // File space 0 is now the last one; its link into the pit lane stays.
  EXPECT_EQ(t.space(3)->x, 100);
  EXPECT_EQ(t.space(3)->nextLink2, 2000);
  EXPECT_EQ(t.space(3)->position, 4);
  // The grid moves back; grid places in the pit lane stay.
  EXPECT_EQ(t.gridLocations[1], 1002);
  EXPECT_EQ(t.gridLocations[5], 1);
  EXPECT_EQ(t.gridLocations[3], -1);
  EXPECT_EQ(t.gridLocations[20], 2001);
  // The pit lane is not turned; its links into the racing lanes move back.
  const auto& pit = t.lanes[2].spaces;
  EXPECT_EQ(pit[0].x, 300);
  EXPECT_EQ(pit[0].sideLink[0], 3);
  EXPECT_EQ(pit[0].sideLink[1], 0);
  EXPECT_EQ(pit[2].nextLink1, 1);
  EXPECT_EQ(pit[2].nextLink2, 2);
  EXPECT_EQ(pit[1].nextLink2, 3000);
  EXPECT_EQ(t.lanes[3].spaces[0].nextLink1, 2002);
}

TEST(TrackLoader, PitEndsShareTheirCornersWithTheTrack) {
  for (int finishNose : {-1, 0}) {
    {  // Pit lane listed last: on the right of the track.
      auto r = ring(finishNose);
      const Track& t = r.track;
      const auto& p = t.lanes[2].spaces;
      const Space &a = *t.space(p[0].sideLink[0]), &b = *t.space(p[0].sideLink[1]);
      EXPECT_TRUE(same(p[0].vertex[3], a.vertex[3]));
      EXPECT_TRUE(same(p[0].vertex[0], b.vertex[2]));
      EXPECT_TRUE(same(p[0].vertex[1], p[1].vertex[0]));
      EXPECT_TRUE(same(p[0].vertex[2], p[1].vertex[3]));
      const Space &c = *t.space(p[2].nextLink1), &d = *t.space(p[2].nextLink2);
      EXPECT_TRUE(same(p[2].vertex[1], c.vertex[3]));
      EXPECT_TRUE(same(p[2].vertex[2], d.vertex[2]));
      EXPECT_TRUE(same(p[2].vertex[0], p[1].vertex[1]));
      EXPECT_TRUE(same(p[2].vertex[3], p[1].vertex[2]));
      // The joined corners are the track's own, wherever the finish line lies.
      EXPECT_TRUE(same(p[0].vertex[3], {0, 150}));
      EXPECT_TRUE(same(p[2].vertex[2], {800, 150}));
    }
    {  // Pit lane first: on the left.
      auto r = parseTrack(fixtureText("pit_left.trk"), finishNose);
      ASSERT_EQ(r.status, TrackLoadStatus::Complete) << r.message;
      const Track& t = r.track;
      ASSERT_EQ(t.pitLane, 1);
      const auto& p = t.lanes[1].spaces;
      const Space &a = *t.space(p[0].sideLink[0]), &b = *t.space(p[0].sideLink[1]);
      EXPECT_TRUE(same(p[0].vertex[0], a.vertex[0]));
      EXPECT_TRUE(same(p[0].vertex[3], b.vertex[1]));
      const Space &c = *t.space(p[2].nextLink1), &d = *t.space(p[2].nextLink2);
      EXPECT_TRUE(same(p[2].vertex[2], c.vertex[0]));
      EXPECT_TRUE(same(p[2].vertex[1], d.vertex[1]));
      EXPECT_TRUE(same(p[0].vertex[0], {0, -50}));
      EXPECT_TRUE(same(p[2].vertex[1], {800, -50}));
    }
  }
}

TEST(TrackLoader, AnEndingThatIsNoShapeStillFinishesTheLoad) {
  struct Case {
    std::string tail;
    std::size_t shapes;
    bool warned;
  };
  const Case cases[] = {
      {"", 2, false},       {"\n\n", 2, false},                // a blank line at the end
      {"\n", 2, false},     {"1,255,0,3,5,5,6,6\n", 2, true},  // a shape cut short
      {"1,255\n", 2, true},
  };
  const std::string base = fixtureText("ring.trk");
  for (const auto& c : cases) {
    auto r = parseTrack(base + c.tail, 0);
    EXPECT_EQ(r.status, TrackLoadStatus::Complete) << c.tail;
    EXPECT_TRUE(r.finished) << c.tail;
    EXPECT_EQ(r.track.shapes.size(), c.shapes) << c.tail;
    EXPECT_EQ(!r.warning.empty(), c.warned) << c.tail;
    EXPECT_EQ(r.track.space(0)->x, 300) << "finish line not moved: " << c.tail;
    EXPECT_EQ(r.hScroll.max, 700) << c.tail;
  }
}

TEST(TrackLoader, AFaultStopsTheLoadAndKeepsWhatWasRead) {
  struct Case {
    std::string what;
    std::string text;
    int lanes;
    std::size_t corners;
  };
  const std::string base = fixtureText("ring.trk");
  const auto upTo = [&](const std::string& marker) { return base.substr(0, base.find(marker)); };
  const Case cases[] = {
      {"text in a number", withLine(base, 22, "700,100,zero,1,0,4,1000,-1,1003,-1,-1,-1,3,0"), 2,
       0},
      {"end inside a space", upTo("100,0,0,1") + "100,0,0,1,0\n", 2, 0},
      {"end inside the header", upTo("1003,1002"), 1, 0},
      {"no corners", upTo("Corners"), 4, 0},
      {"no background", upTo("Backcolor"), 4, 3},
      {"end inside a corner", upTo("Last Bend") + "Last Bend,3,6\n", 4, 2},
  };
  for (const auto& c : cases) {
    auto r = parseTrack(c.text, 0);
    EXPECT_EQ(r.status, TrackLoadStatus::Stopped) << c.what;
    EXPECT_FALSE(r.message.empty()) << c.what;
    EXPECT_FALSE(r.finished) << c.what;
    EXPECT_EQ(r.track.laneCount(), c.lanes) << c.what;
    EXPECT_EQ(r.track.corners.size(), c.corners) << c.what;
    if (r.track.spaceCount(0) > 0) {
      EXPECT_EQ(r.track.space(0)->x, 100) << c.what;
    }
  }
}

TEST(TrackLoader, RefusesFilesBeyondTheLimits) {
  const std::string base = fixtureText("ring.trk");
  const auto upTo = [&](const std::string& marker) { return base.substr(0, base.find(marker)); };
  std::string sevenLanes = upTo("Corners");
  for (int i = 0; i < 3; ++i) sevenLanes += "Extra\n100,0,0,1,0,1,-1,-1,-1,-1,-1,-1,0,0\n";
  sevenLanes += "Corners\nBackcolor\n0\nShapes\n";
  std::string longLane = upTo("Corners") + "Long\n";
  for (int i = 0; i < 1001; ++i) longLane += "0,0,0,1,0,1,-1,-1,-1,-1,-1,-1,0,0\n";
  struct Case {
    std::string what, text, message;
  };
  const Case cases[] = {
      {"seven lanes", sevenLanes, "more than 6 lanes"},
      {"a lane of 1001 spaces", longLane, "more than 1000 spaces"},
      {"a centre beyond 16 bits",
       withLine(base, 16, "40000,100,0,1,0,1,1001,2000,1000,-1,-1,-1,0,0"),
       "outside -32768..32767"},
      {"a huge number", withLine(base, 16, "100,1e999,0,1,0,1,1001,2000,1000,-1,-1,-1,0,0"),
       "out of range"},
      {"an angle beyond 16 bits",
       withLine(base, 16, "100,100,99999,1,0,1,1001,2000,1000,-1,-1,-1,0,0"), "out of range"},
      {"a link to a lane that is not there",
       withLine(base, 16, "100,100,0,1,0,1,5001,2000,1000,-1,-1,-1,0,0"), "links to 5001"},
      {"a link past the end of a lane",
       withLine(base, 16, "100,100,0,1,0,1,1004,2000,1000,-1,-1,-1,0,0"), "links to 1004"},
      {"a lane without spaces", withLine(base, 20, "Left\nEmpty"), "\"Left\" has no spaces"},
      {"a sign beyond 16 bits", withLine(base, 34, "Turn One,2,5,3,100,99999"), "outside"},
  };
  for (const auto& c : cases) {
    auto r = parseTrack(c.text, 0);
    EXPECT_EQ(r.status, TrackLoadStatus::Refused) << c.what;
    EXPECT_NE(r.message.find(c.message), std::string::npos) << c.what << ": " << r.message;
    EXPECT_EQ(r.track.laneCount(), 1) << c.what;
    EXPECT_EQ(r.track.spaceCount(0), 0) << c.what;
  }
}

TEST(LoadTrack, MissingFileIsACriticalError) {
  testing::TestGame tg;
  tg.game.trackFile = "Nowhere.trk";
  EXPECT_FALSE(loadTrack(tg.game, fixture("tracks/Nowhere.trk")));
  ASSERT_EQ(tg.frontend.messages.size(), 1u);
  const Message& m = tg.frontend.messages[0];
  EXPECT_EQ(m.title, "Critical Error - Track File Missing");
  EXPECT_EQ(m.text,
            "The track file used to create this game:\nNowhere.trk\nwas not found on your "
            "system. Please check your installation.");
  EXPECT_EQ(m.icon, MessageIcon::Error);
  EXPECT_EQ(m.buttons, MessageButtons::Ok);
}

TEST(LoadTrack, FillsTheGameAndStartsEachLoadAfresh) {
  testing::TestGame tg;
  Game& g = tg.game;
  g.rules[Rule::FinishNose] = 0;
  ASSERT_TRUE(loadTrack(g, fixture("tracks/ring.trk")));
  EXPECT_TRUE(tg.frontend.messages.empty());
  EXPECT_EQ(g.trackVersion, "1.2");
  EXPECT_EQ(g.track.space(0)->x, 300);
  EXPECT_EQ(g.view.hScroll.max, 700);
  EXPECT_EQ(g.view.vScroll.value, 150);
  EXPECT_EQ(g.controls.panelBackColor, 16384u);
  EXPECT_EQ(g.controls.panelTextColor, 0xFFFFFFu);  // dark green background
  EXPECT_EQ(g.track.pitLane, 2);
  // A circuit without "Pit" and "Garages" lanes does not inherit the last one's.
  ASSERT_TRUE(loadTrack(g, fixture("tracks/no_pit.trk")));
  EXPECT_EQ(g.track.pitLane, 0);
  EXPECT_EQ(g.track.garageLane, 0);
  EXPECT_EQ(g.controls.panelTextColor, 0x000000u);  // grey 0x808080 is light
}

TEST(LoadTrack, RefusedFileLeavesAnEmptyTrackAndSaysWhy) {
  testing::TestGame tg;
  auto path = std::filesystem::temp_directory_path() / "tarmaq-refused.trk";
  {
    std::ofstream out(path);
    out << withLine(fixtureText("ring.trk"), 16, "100,100,0,1,0,1,7001,2000,1000,-1,-1,-1,0,0");
  }
  tg.game.trackFile = "Refused.trk";
  EXPECT_FALSE(loadTrack(tg.game, path));
  std::filesystem::remove(path);
  ASSERT_EQ(tg.frontend.messages.size(), 1u);
  EXPECT_NE(tg.frontend.messages[0].text.find("Refused.trk"), std::string::npos);
  EXPECT_NE(tg.frontend.messages[0].text.find("links to 7001"), std::string::npos);
  EXPECT_EQ(tg.game.track.laneCount(), 1);
  EXPECT_EQ(tg.game.track.spaceCount(0), 0);
}

}  // namespace
}  // namespace tarmaq
