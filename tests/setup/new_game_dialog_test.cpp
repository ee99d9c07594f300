#include "setup/new_game_dialog.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/shipped_game.h"

namespace tarmaq {
namespace {

struct DialogFixture : testing::ShippedGame {
  NewGameDialog d;
  DialogFixture() {
    temp.add("Teams", testing::shippedData("Teams/Founders.tem"));
    temp.add("Teams", testing::shippedData("Teams/Challengers.tem"));
    d = NewGameDialog::open(temp.folders(), settings, true);
  }
  int circuitWithPlaces(int places) {
    d.circuitPlaces.push_back(places);
    d.circuits.push_back({"Test", "test.trk"});
    return static_cast<int>(d.circuits.size()) - 1;
  }
};

TEST(NewGameDialog, ListsClassesCircuitsAndTeamsWithTheirPlaces) {
  DialogFixture f;
  EXPECT_EQ(f.d.gameTypes, (std::vector<std::string>{"Local", "E-Mail"}));
  EXPECT_EQ(f.d.classes.size(), 2u);
  ASSERT_EQ(f.d.circuits.size(), 3u);
  EXPECT_EQ(f.d.circuitPlaces[0], 20);
  EXPECT_EQ(f.d.playersLabel(), "20 Players max.");
  EXPECT_EQ(f.d.teams.size(), 10u);
  EXPECT_FALSE(f.d.okEnabled());
}

TEST(NewGameDialog, TheEleventhDriverOnATenPlaceCircuitIsRefused) {
  DialogFixture f;
  f.d.chooseCircuit(f.circuitWithPlaces(10));
  for (int s = 0; s < 5; ++s) f.d.teamSlotChanged(s, s + 1);
  EXPECT_EQ(f.d.selected, 10);
  f.d.teamSlotChanged(5, 6);
  EXPECT_EQ(f.d.selected, 10);
  EXPECT_FALSE(f.d.slots[5].ticked[0]);
  auto refused = f.d.tickDriver(5, 0, true);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->title, "Maximum Drivers Selected");
  EXPECT_TRUE(f.d.okEnabled());
  // A smaller circuit chosen after ticking disables OK.
  f.d.chooseCircuit(f.circuitWithPlaces(6));
  EXPECT_FALSE(f.d.okEnabled());
}

TEST(NewGameDialog, RemovingATeamMovesTheLaterSlotsUp) {
  DialogFixture f;
  for (int s = 0; s < 4; ++s) f.d.teamSlotChanged(s, s + 1);
  f.d.teamSlotChanged(1, 0);
  EXPECT_EQ(f.d.slots[0].team, 0);
  EXPECT_EQ(f.d.slots[1].team, 2);
  EXPECT_EQ(f.d.slots[2].team, 3);
  EXPECT_EQ(f.d.slots[3].team, -1);
  EXPECT_EQ(f.d.selected, 6);
  // The same team twice: the second slot falls back.
  f.d.teamSlotChanged(3, 1);
  EXPECT_EQ(f.d.slots[3].team, -1);
}

TEST(NewGameDialog, ATeamWithoutASecondDriverClearsTheBoxItInherits) {
  DialogFixture f;
  f.d.teams.push_back(Team{"Solo", "", {TeamDriver{"Only One", "", 1}, TeamDriver{}}, 2});
  f.d.teamSlotChanged(0, 1);
  EXPECT_TRUE(f.d.slots[0].ticked[1]);
  f.d.teamSlotChanged(0, static_cast<int>(f.d.teams.size()));
  EXPECT_FALSE(f.d.slots[0].ticked[1]);
  EXPECT_FALSE(f.d.slots[0].driverEnabled[1]);
  EXPECT_EQ(f.d.selected, 1);
  const NewGameSetup setup = f.d.toSetup("");
  ASSERT_EQ(setup.teams.size(), 1u);
  EXPECT_EQ(setup.teams[0].drivers.size(), 1u);
}

TEST(NewGameDialog, OnlyTeamsSixToTenAndAOneLapRace) {
  DialogFixture f;
  for (int s = 0; s < 5; ++s) f.d.teamSlotChanged(s, s + 6);
  f.d.chooseRaceType(1);
  EXPECT_TRUE(f.d.okEnabled());
  const NewGameSetup setup = f.d.toSetup("");
  EXPECT_EQ(setup.teams[0].name, f.d.teams[5].name);
  EXPECT_EQ(setup.rules[Rule::TirePitStops], 0);
  EXPECT_EQ(setup.rules[Rule::FullPitStops], 0);
  f.d.chooseRaceType(0);  // the empty race type
  EXPECT_FALSE(f.d.okEnabled());
}

TEST(PitOrderDialog, ChoosingARowsTeamSwapsAndSwitchGivesTheSecondDriverThePit) {
  std::vector<SetupTeam> teams;
  for (int t = 0; t < 3; ++t)
    teams.push_back({"T" + std::to_string(t),
                     "",
                     static_cast<std::uint32_t>(t),
                     {{"a", "", 0, ""}, {"b", "", 0, ""}}});
  PitOrderDialog p(3);
  p.chooseTeam(0, 2);
  EXPECT_EQ(p.rowTeam, (std::vector<int>{2, 1, 0}));
  p.switchRow(1);
  EXPECT_EQ(p.assignment(teams).pitSpace, (std::vector<int>{2, 7, 6, 1, 0, 5}));
}

TEST(StartingGridDialog, ChoosingSwapsAndRandomizeKeepsEveryDriverOnce) {
  StartingGridDialog g(5);
  g.choose(0, 3);
  EXPECT_EQ(g.order, (std::vector<int>{3, 1, 2, 0, 4}));
  SeededRandom random(9);
  for (int k = 0; k < 50; ++k) {
    g.randomize(random);
    std::vector<int> sorted = g.order;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3, 4}));
  }
  EXPECT_EQ(g.mark, GridMode::Random);
  // Unbiased: every car is on pole about equally often.
  std::vector<int> pole(5, 0);
  for (int k = 0; k < 5000; ++k) {
    g.randomize(random);
    ++pole[static_cast<std::size_t>(g.order[0])];
  }
  for (int n : pole) EXPECT_NEAR(n, 1000, 150);
}

}  // namespace
}  // namespace tarmaq
