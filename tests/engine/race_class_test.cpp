#include "engine/race_class.h"

#include <gtest/gtest.h>

#include <map>

#include "support/fakes.h"
#include "support/paths.h"

namespace tarmaq {
namespace {

using testing::fixture;
using testing::ScriptedRandom;

RaceClass loadBasic() {
  RaceClass c;
  auto report = readRaceClass(fixture("classes/basic.cls"), c);
  EXPECT_TRUE(report.complete) << report.failedItem << " at line " << report.failedLine;
  return c;
}

TEST(RaceClass, ReadsEverySectionOfAHandWrittenClass) {
  RaceClass c = loadBasic();
  EXPECT_EQ(c.title, "Test Class, Mk I");
  ASSERT_EQ(c.carShape.size(), 2u);
  EXPECT_EQ(c.carShape[0].color, 1);
  ASSERT_EQ(c.carShape[0].points.size(), 4u);
  EXPECT_FLOAT_EQ(c.carShape[0].points[2].x, 60);
  EXPECT_EQ(c.carShape[1].color, 255);
  EXPECT_EQ(c.hazardShapes[3].points.size(), 4u);
  EXPECT_EQ(c.gearCount, 6);
  for (int g = 1; g <= 6; ++g) {
    EXPECT_EQ(c.gear(g)->faces.size(), static_cast<std::size_t>(GearFaceCounts[g - 1]));
    EXPECT_EQ(c.gear(g)->speeds.size(), c.gear(g)->faces.size());
  }
  EXPECT_EQ(gearTooltip(c, 1), "1st Gear, 1-2");
  EXPECT_EQ(gearTooltip(c, 4), "4th Gear, 7-12");
  EXPECT_EQ(gearTooltip(c, 6), "6th Gear, 21-30");
  EXPECT_EQ(c.classWear[1], (WearPoints{8, 4, 4, 4, 4, 3}));
  EXPECT_EQ(c.classWear[2].tires, 12);
}

TEST(RaceClass, TitleComesAfterTheLeadingComments) {
  EXPECT_EQ(readClassTitle(fixture("classes/basic.cls")), "Test Class, Mk I");
  // A comment runs only to the next comma: the part after it is the title.
  RaceClass c;
  parseRaceClass("; made by hand, Formula Test\n2\n", c);
  EXPECT_EQ(c.title, "Formula Test");
  EXPECT_FALSE(readClassTitle(fixture("classes/does-not-exist.cls")));
}

TEST(RaceClass, MissingFileIsReportedAsNotOpened) {
  RaceClass c;
  EXPECT_FALSE(readRaceClass(fixture("classes/does-not-exist.cls"), c).opened);
}

TEST(RaceClass, MalformedFileStopsAtTheFailingItemAndKeepsTheRest) {
  RaceClass c = loadBasic();
  const auto before = c;
  // A new title, then text where the polygon count belongs: only the title changes.
  auto report = parseRaceClass("New Title\nmany\n", c);
  EXPECT_FALSE(report.complete);
  EXPECT_EQ(report.failedItem, "car polygon count");
  EXPECT_EQ(report.failedLine, 2u);
  EXPECT_EQ(c.title, "New Title");
  EXPECT_EQ(c.carShape.size(), before.carShape.size());
  EXPECT_EQ(c.gearCount, 6);
  EXPECT_EQ(c.classWear[2], before.classWear[2]);
}

TEST(RaceClass, HugeOrNegativeCountsAllocateNothingUnbounded) {
  struct Case {
    const char* text;
    const char* failed;
  } cases[] = {
      {"T\n32767\n1, 32767, 1, 2", "point x"},
      {"T\n-1\n", "car polygon count"},
      {"T\n0\nsep\n0,-5\n", "point count"},
      {"T\n99999\n", "car polygon count"},
      {"T\n0\ns\n0,0\n0,0\n0,0\n0,0\n0,0\n0,0\ns\n7\n", "gear count"},
      {"T\n0\ns\n0,0\n0,0\n0,0\n0,0\n0,0\n0,0\ns\n1\n1,1,2\n", "die face"},
  };
  for (const auto& k : cases) {
    RaceClass c;
    auto report = parseRaceClass(k.text, c);
    EXPECT_FALSE(report.complete) << k.text;
    EXPECT_EQ(report.failedItem, k.failed) << k.text;
    EXPECT_LE(c.carShape.size(), 1u);
  }
}

TEST(RaceClass, ShortClassLeavesHigherGearsWithoutDice) {
  RaceClass c;
  auto report = parseRaceClass(
      "Two gears\n0\ns\n0,0\n0,0\n0,0\n0,0\n0,0\n0,0\ns\n2\n1,1,2,2\n1,2,3,4\n2,2,3,3,4,4\n"
      "1,2,3,4,5,6\ns\n1,1,1,1,1,1\n2,2,2,2,2,2\n3,3,3,3,3,3\n",
      c);
  EXPECT_TRUE(report.complete);
  EXPECT_EQ(c.gearCount, 2);
  EXPECT_EQ(c.gear(3), nullptr);
  EXPECT_EQ(gearTooltip(c, 3), "");
  ScriptedRandom random;
  random.values = {0.5};
  EXPECT_EQ(rollDie(c, random, 3), 0);
}

TEST(RollDie, EventDieIsUniformOneToTwenty) {
  RaceClass c;
  ScriptedRandom random;
  random.values = {0.0, 0.999999999, 0.05, 0.5};
  EXPECT_EQ(rollDie(c, random, 0), 1);
  EXPECT_EQ(rollDie(c, random, 0), 20);
  EXPECT_EQ(rollDie(c, random, 0), 2);
  EXPECT_EQ(rollDie(c, random, 0), 11);
  SeededRandom seeded(7);
  std::map<int, int> seen;
  for (int i = 0; i < 20000; ++i) ++seen[rollDie(c, seeded, 0)];
  EXPECT_EQ(seen.begin()->first, 1);
  EXPECT_EQ(seen.rbegin()->first, 20);
  EXPECT_EQ(seen.size(), 20u);
}

TEST(RollDie, RepeatedFacesWeightTheDie) {
  RaceClass c = loadBasic();  // first gear: 1, 1, 2, 2
  ScriptedRandom random;
  for (int k = 0; k < 4; ++k) random.values.push_back(ScriptedRandom::face(k, 4));
  EXPECT_EQ(rollDie(c, random, 1), 1);
  EXPECT_EQ(rollDie(c, random, 1), 1);
  EXPECT_EQ(rollDie(c, random, 1), 2);
  EXPECT_EQ(rollDie(c, random, 1), 2);
  SeededRandom seeded(11);
  int ones = 0;
  for (int i = 0; i < 10000; ++i) ones += rollDie(c, seeded, 1) == 1;
  EXPECT_NEAR(ones / 10000.0, 0.5, 0.03);
}

}  // namespace
}  // namespace tarmaq
