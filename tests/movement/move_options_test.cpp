#include "movement/move_options.h"

#include <gtest/gtest.h>

#include "movement/remaining_count.h"
#include "support/oval_board.h"

namespace tarmaq {
namespace {

using testing::OvalRace;
using Lanes = std::array<bool, 3>;

// Car 0 plans from `at` with `count` to go; the other cars stand far away unless a case
// puts them somewhere.
struct OptionsRace : OvalRace {
  OptionsRace(int at, int count) {
    car(0).location = at;
    car(1).location = makeLocation(0, 12);
    car(2).location = makeLocation(2, 12);
    beginTurn(0);
    game.snapshot.move = count;
    setRemainingCount(game, count);
  }
  Lanes show(int at) {
    showMoveOptions(game, at, ShowOptionsColor, ShowOptionsMode);
    return game.controls.movePanel.laneEnabled;
  }
};

TEST(MoveOptions, LaneButtonsFollowTheLaneRules) {
  struct Case {
    const char* name;
    int at;
    std::vector<int> others;  // where other cars stand
    int lap;
    int tirePitStops;
    int stops;  // owed in the snapshot, in another segment
    int laneUsedMask;
    Lanes expected;
  } cases[] = {
      {"open middle lane", 1003, {}, 1, 1, 0, 0b010, {true, true, true}},
      {"left lane has no left neighbour", 3, {}, 1, 1, 0, 0b001, {false, true, true}},
      {"car ahead blocks straight", 1003, {1004}, 1, 1, 0, 0b010, {true, false, true}},
      {"cars ahead and on both diagonals: no step",
       1003,
       {1004, 4, 2004},
       1,
       1,
       0,
       0b010,
       {false, false, false}},
      {"owing a stop in another segment: no lane change",
       1010,
       {},
       1,
       1,
       1,
       0b010,
       {false, true, false}},
      {"a used lane is closed", 1003, {}, 1, 1, 0, 0b011, {false, true, true}},
      {"a used lane opens to get round a car ahead",
       1003,
       {1004},
       1,
       1,
       0,
       0b011,
       {true, false, true}},
      {"a used lane opens for a car just before the target",
       1003,
       {3},
       1,
       1,
       0,
       0b011,
       {true, true, true}},
      {"pit entry with tire stops after the start", 2020, {}, 1, 1, 0, 0b100, {true, true, true}},
      {"no pit entry without tire stops", 2020, {}, 1, 0, 0, 0b100, {true, true, false}},
      {"no pit entry before the first lap", 2020, {}, 0, 1, 0, 0b100, {true, true, false}},
      {"no pit entry on the last lap", 2020, {}, 2, 1, 0, 0b100, {true, true, false}},
      {"last lap: the pit lane opens when a car blocks ahead",
       2020,
       {2021},
       2,
       1,
       0,
       0b100,
       {true, false, true}},
  };
  for (const auto& c : cases) {
    OptionsRace f(c.at, 5);
    for (std::size_t i = 0; i < c.others.size(); ++i) {
      if (i + 1 >= f.game.cars.size()) f.game.cars.push_back(f.car(1));
      f.game.cars[i + 1].location = c.others[i];
    }
    f.car(0).lap = c.lap;
    f.game.rules[Rule::TirePitStops] = c.tirePitStops;
    f.game.snapshot.stops = c.stops;
    f.game.snapshot.segment = c.stops > 0 ? 1 : f.game.track.space(c.at)->segment;
    for (std::size_t l = 0; l < 6; ++l)
      f.game.snapshot.laneUsed[l] = (c.laneUsedMask >> l) & 1 ? True : False;
    EXPECT_EQ(f.show(c.at), c.expected) << c.name;
  }
}

TEST(MoveOptions, PitLaneGaragesAndEdges) {
  struct Case {
    const char* name;
    int at;
    int pitSpace;
    int status;
    int blocker;  // a car standing here
    Lanes expected;
  } cases[] = {
      {"own pit box turns into the garage", 3002, 0, EnteringPits, -1, {false, false, true}},
      {"another box goes on", 3002, 1, EnteringPits, -1, {false, true, false}},
      {"exiting the pits passes its own box", 3003, 1, ExitingPits, -1, {false, true, false}},
      {"the garage leads back into the pit lane", 4000, 0, InThePits, -1, {true, false, false}},
      {"not onto a car in the pit lane", 4000, 0, InThePits, 3003, {false, false, false}},
      {"the end of the pit lane: a side that exists",
       3005,
       0,
       ExitingPits,
       -1,
       {true, false, false}},
      {"the end of the pit lane: not onto a car",
       3005,
       0,
       ExitingPits,
       2003,
       {false, false, false}},
  };
  for (const auto& c : cases) {
    OptionsRace f(c.at, 3);
    f.car(0).pitSpace = c.pitSpace;
    f.car(0).status = c.status;
    if (c.blocker >= 0) f.car(1).location = c.blocker;
    EXPECT_EQ(f.show(c.at), c.expected) << c.name;
  }
}

TEST(MoveOptions, AnEdgeOfType4NeverGoesStraight) {
  OptionsRace f(1003, 4);
  f.game.track.space(1003)->edgeType = 4;
  EXPECT_EQ(f.show(1003), (Lanes{true, false, true}));
}

TEST(MoveOptions, NothingChangesWithNothingToMoveOrACarOutOfTheRace) {
  OptionsRace f(1003, 4);
  f.game.controls.movePanel.laneEnabled = {false, true, false};
  setRemainingCount(f.game, 0);
  f.game.controls.movePanel.laneEnabled = {true, false, true};
  EXPECT_EQ(f.show(1003), (Lanes{true, false, true}));
  setRemainingCount(f.game, 3);
  f.car(0).status = Finished;
  EXPECT_EQ(f.show(1003), (Lanes{true, false, true}));
}

TEST(MoveOptions, ShadesNextSpacesAndTheFinalSpaceAndErasesThem) {
  OptionsRace f(1003, 4);
  f.game.view.shadedSpaces.clear();
  f.show(1003);
  const auto& shaded = f.game.view.shadedSpaces;
  EXPECT_EQ(shaded.size(), 4u);
  EXPECT_EQ(shaded.at(4).color, ShowOptionsColor);
  EXPECT_EQ(shaded.at(1004).color, ShowOptionsColor);
  EXPECT_EQ(shaded.at(2004).mode, ShowOptionsMode);
  EXPECT_EQ(shaded.at(1007).color, FinalSpaceColor);  // four straight steps on
  showMoveOptions(f.game, 1003, EraseOptionsColor, EraseOptionsMode);
  EXPECT_TRUE(f.game.view.shadedSpaces.empty());

  // The final space is not shaded when a car stands there, nor in the pit lane.
  f.car(1).location = 1007;
  f.show(1003);
  EXPECT_EQ(f.game.view.shadedSpaces.count(1007), 0u);
  f.game.options.showNextSpaces = false;
  f.game.view.shadedSpaces.clear();
  f.car(0).status = EnteringPits;
  f.show(3000);
  EXPECT_TRUE(f.game.view.shadedSpaces.empty());
}

}  // namespace
}  // namespace tarmaq
