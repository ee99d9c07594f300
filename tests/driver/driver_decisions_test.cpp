#include <gtest/gtest.h>

#include "engine/turn_controller.h"
#include "support/auto_race.h"

namespace tarmaq {
namespace {

// A race played one decision at a time, the way the window tests press keys and click
// buttons, is the race the driver plays on its own: same steps, same log.
TEST(DriverDecisions, OneAtATimeTheyPlayTheSameRaceAsTheDriverAlone) {
  for (std::uint64_t seed : {4u, 11u, 23u}) {
    testing::AutoRace alone(seed, "BrackwoodRing.trk", "Modern.cls", 4, 1, testing::allRules());
    testing::AutoRace stepwise(seed, "BrackwoodRing.trk", "Modern.cls", 4, 1, testing::allRules());
    ASSERT_TRUE(alone.built && stepwise.built);
    ASSERT_TRUE(runRace(alone.game, alone.driver).finished);

    Game& g = stepwise.game;
    bool gearThenRoll = false;
    for (int n = 0; n < 100000; ++n) {
      const std::string* step = g.currentStep();
      if (step && *step == "SHOW RSLT") break;
      if (fireArmedResultTimer(g)) continue;
      const DriverAction a = stepwise.driver.decide(g);
      ASSERT_NE(a.kind, DriverAction::None) << "seed " << seed << " stuck at " << *step;
      if (a.kind == DriverAction::SelectGear) {
        EXPECT_EQ(*step, "ROLL GEAR WAIT");
        EXPECT_GE(a.arg, 1);
        EXPECT_LE(a.arg, 6);
        // The gear comes first, then the roll of the same wait.
        const DriverAction next = (AutoDriver::perform(g, a), stepwise.driver.decide(g));
        EXPECT_EQ(next.kind, DriverAction::Roll);
        AutoDriver::perform(g, next);
        gearThenRoll = true;
        continue;
      }
      if (a.kind == DriverAction::Lane) {
        EXPECT_TRUE(g.controls.movePanel.laneEnabled[static_cast<std::size_t>(a.arg)]);
      }
      AutoDriver::perform(g, a);
    }
    EXPECT_TRUE(gearThenRoll);
    EXPECT_EQ(g.gameLogArray, alone.game.gameLogArray) << "seed " << seed;
    EXPECT_EQ(g.results, alone.game.results);
  }
}

}  // namespace
}  // namespace tarmaq
