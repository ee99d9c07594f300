#include <gtest/gtest.h>

#include "support/auto_race.h"

namespace tarmaq {
namespace {

using testing::AutoRace;

const char* const Tracks[] = {"BrackwoodRing.trk", "PortCastellane.trk", "VelmontPark.trk"};
const char* const Classes[] = {"Modern.cls", "Vintage.cls"};

// Many seeded races, every rule on, every rule off and the defaults, 1 to 20 cars, 1 to
// 3 laps: after every action the invariants hold, and every race ends with the
// results within a bounded number of actions.
TEST(AutomaticRaces, InvariantsHoldAfterEveryStepAndEveryRaceEnds) {
  int races = 0;
  for (std::uint64_t seed = 1; seed <= 1050; ++seed) {
    const int cars = 1 + static_cast<int>(seed * 7 % 20);
    const int laps = 1 + static_cast<int>(seed % 3);
    const Rules rules = seed % 3 == 0   ? testing::allRules()
                        : seed % 3 == 1 ? testing::noRules()
                                        : Rules{};
    AutoRace race(seed, Tracks[seed % 3], Classes[seed / 3 % 2], cars, laps, rules);
    ASSERT_TRUE(race.built) << "seed " << seed;
    const RaceOutcome outcome = runRace(race.game, race.driver, 400000, checkInvariants);
    ASSERT_TRUE(outcome.broken.empty()) << "seed " << seed << ": " << outcome.broken;
    ASSERT_TRUE(outcome.finished) << "seed " << seed << " stuck at " << outcome.stuckAt << " after "
                                  << outcome.actions << " actions";
    for (const Car& car : race.game.cars) EXPECT_GE(car.status, Finished) << "seed " << seed;
    EXPECT_EQ(race.frontend.resultsShown, 1) << "seed " << seed;
    ++races;
  }
  EXPECT_EQ(races, 1050);
}

TEST(AutomaticRaces, TheSameSeedPlaysTheSameRace) {
  auto play = [](std::uint64_t seed) {
    AutoRace race(seed, "VelmontPark.trk", "Modern.cls", 6, 2, testing::allRules());
    runRace(race.game, race.driver);
    return race.game.gameLogArray;
  };
  EXPECT_EQ(play(77), play(77));
  EXPECT_NE(play(77), play(78));
}

}  // namespace
}  // namespace tarmaq
