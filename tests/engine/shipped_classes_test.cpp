// Every race class we ship must be playable as it stands: read to the end, dice that
// the tooltips and the overshoot warning can trust, wear rows that fit the driver card,
// and drawings that stay on their space.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/race_class.h"
#include "support/paths.h"

namespace tarmaq {
namespace {

constexpr int DriverCardPictures = 15;

std::vector<std::filesystem::path> shippedClasses() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(testing::shippedData("Classes")))
    if (entry.path().extension() == ".cls") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Car points are in the car's own frame, where -1..1 spans one space each way.
void expectFitsOneSpace(const Polygon& p, const std::string& what) {
  EXPECT_GE(p.points.size(), 3u) << what;
  for (const auto& pt : p.points) {
    EXPECT_LE(std::abs(pt.x), 1.0f) << what;
    EXPECT_LE(std::abs(pt.y), 1.0f) << what;
  }
}

TEST(ShippedClasses, ThereIsAChoiceOfClasses) { EXPECT_GE(shippedClasses().size(), 2u); }

TEST(ShippedClasses, EveryClassLoadsCompletelyWithSoundDice) {
  for (const auto& file : shippedClasses()) {
    SCOPED_TRACE(file.filename().string());
    RaceClass c;
    auto report = readRaceClass(file, c);
    ASSERT_TRUE(report.complete) << report.failedItem << " at line " << report.failedLine;
    EXPECT_FALSE(c.title.empty());
    EXPECT_EQ(readClassTitle(file), c.title);
    ASSERT_EQ(c.gearCount, MaxGears);

    for (int g = 1; g <= c.gearCount; ++g) {
      SCOPED_TRACE("gear " + std::to_string(g));
      const GearDie& die = *c.gear(g);
      ASSERT_EQ(die.faces.size(), static_cast<std::size_t>(GearFaceCounts[g - 1]));
      ASSERT_EQ(die.speeds.size(), die.faces.size());
      EXPECT_TRUE(std::is_sorted(die.faces.begin(), die.faces.end()));
      EXPECT_GE(die.lowest(), 1);
      // A car moves at most as far as the die lets it, and the speed table covers it.
      EXPECT_LE(die.highest(), static_cast<int>(die.speeds.size()));
      EXPECT_TRUE(std::is_sorted(die.speeds.begin(), die.speeds.end()));
      EXPECT_GT(die.speeds.front(), 0.0f);
      if (g > 1) {
        const GearDie& lower = *c.gear(g - 1);
        EXPECT_GE(die.lowest(), lower.lowest());
        EXPECT_GT(die.highest(), lower.highest());
        // The same distance is faster in a higher gear.
        for (std::size_t k = 0; k < lower.speeds.size(); ++k)
          EXPECT_GT(die.speeds[k], lower.speeds[k]) << "after " << k + 1 << " spaces";
      }
    }

    for (std::size_t laps = 0; laps < c.classWear.size(); ++laps) {
      SCOPED_TRACE(std::to_string(laps + 1) + " laps");
      const WearPoints& w = c.classWear[laps];
      for (int points : {w.tires, w.brakes, w.fuel, w.body, w.engine, w.roadHold}) {
        EXPECT_GE(points, 1);
        EXPECT_LE(points, DriverCardPictures);
      }
      if (laps > 0) {
        const WearPoints& shorter = c.classWear[laps - 1];
        EXPECT_GE(w.tires, shorter.tires);
        EXPECT_GE(w.brakes, shorter.brakes);
        EXPECT_GE(w.fuel, shorter.fuel);
        EXPECT_GE(w.body, shorter.body);
        EXPECT_GE(w.engine, shorter.engine);
        EXPECT_GE(w.roadHold, shorter.roadHold);
      }
    }
  }
}

TEST(ShippedClasses, DrawingsFitOneSpaceAndShowBothTeamColours) {
  for (const auto& file : shippedClasses()) {
    SCOPED_TRACE(file.filename().string());
    RaceClass c;
    ASSERT_TRUE(readRaceClass(file, c).complete);
    ASSERT_GE(c.carShape.size(), 3u);
    bool body = false, wing = false;
    for (const auto& p : c.carShape) {
      expectFitsOneSpace(p, "car polygon");
      body = body || p.color == 1;
      wing = wing || p.color == 2;
    }
    EXPECT_TRUE(body);
    EXPECT_TRUE(wing);
    for (const auto& p : c.hazardShapes) expectFitsOneSpace(p, "debris polygon");
  }
}

}  // namespace
}  // namespace tarmaq
