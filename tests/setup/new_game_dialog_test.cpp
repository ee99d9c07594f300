#include "setup/new_game_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

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
  EXPECT_FALSE(f.d.slots[6].listEnabled);
  // Dropping a driver makes room for a team in the next free slot.
  f.d.tickDriver(4, 0, false);
  EXPECT_TRUE(f.d.slots[6].listEnabled);
  EXPECT_FALSE(f.d.slots[7].listEnabled);
  f.d.tickDriver(4, 0, true);
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

TEST(NewGameDialog, ReloadingTheTeamsKeepsTheSlotsWhoseTeamIsStillThere) {
  DialogFixture f;
  for (int s = 0; s < 3; ++s) f.d.teamSlotChanged(s, s + 1);
  f.d.tickDriver(2, 1, false);
  const std::string third = f.d.teams[2].name;
  // A team saved to a new file that sorts first moves every index.
  ASSERT_TRUE(writeTeamFile(f.temp.root() / "Teams" / "Aardvarks.tem",
                            Team{"Aardvarks", "", {TeamDriver{"Al", "", 1}, TeamDriver{}}, 2}));
  f.d.reloadTeams(f.temp.folders(), f.settings);
  ASSERT_EQ(f.d.teams.size(), 11u);
  EXPECT_EQ(f.d.teams[0].name, "Aardvarks");
  EXPECT_EQ(f.d.teams[static_cast<std::size_t>(f.d.slots[2].team)].name, third);
  EXPECT_TRUE(f.d.slots[2].ticked[0]);
  EXPECT_FALSE(f.d.slots[2].ticked[1]);
  EXPECT_EQ(f.d.selected, 5);
}

TEST(NewGameDialog, ReloadingWithoutAFileEmptiesItsSlotsAndClosesTheGap) {
  DialogFixture f;
  // Slot 1 from the second file, slot 2 from the first.
  f.d.teamSlotChanged(0, 6);
  f.d.teamSlotChanged(1, 1);
  const std::string kept = f.d.teams[5].name;
  std::filesystem::remove(f.temp.root() / "Teams" / "Challengers.tem");
  f.d.reloadTeams(f.temp.folders(), f.settings);
  EXPECT_EQ(f.d.teams[static_cast<std::size_t>(f.d.slots[0].team)].name, kept);
  EXPECT_EQ(f.d.slots[1].team, -1);
  EXPECT_EQ(f.d.selected, 2);
  EXPECT_TRUE(f.d.slots[1].listEnabled);
  EXPECT_FALSE(f.d.slots[2].listEnabled);
}

TEST(NewGameDialog, ATeamChosenByNameTakesTheSlotUnlessAnotherSlotHasIt) {
  DialogFixture f;
  EXPECT_TRUE(f.d.chooseTeamByName(0, f.d.teams[3].name));
  EXPECT_EQ(f.d.slots[0].team, 3);
  // The slot's own team again, as after its team was edited.
  EXPECT_TRUE(f.d.chooseTeamByName(0, f.d.teams[3].name));
  EXPECT_EQ(f.d.selected, 2);
  EXPECT_FALSE(f.d.chooseTeamByName(1, f.d.teams[3].name));
  EXPECT_FALSE(f.d.chooseTeamByName(1, "No Such Team"));
  EXPECT_EQ(f.d.slots[1].team, -1);
  EXPECT_EQ(f.d.selected, 2);
}

TEST(NewGameDialog, TheNextFiveTeamsAreOfferedOnceTheSixthSlotCanTakeOne) {
  DialogFixture f;
  for (int s = 0; s < 4; ++s) f.d.teamSlotChanged(s, s + 1);
  EXPECT_FALSE(f.d.nextTeamsOffered());
  f.d.teamSlotChanged(4, 5);
  EXPECT_TRUE(f.d.nextTeamsOffered());
  f.d.teamSlotChanged(4, 0);
  EXPECT_FALSE(f.d.nextTeamsOffered());
}

TEST(NewGameDialog, TickedDriverNamesFollowCarOrder) {
  DialogFixture f;
  f.d.teamSlotChanged(0, 2);
  f.d.teamSlotChanged(1, 1);
  f.d.tickDriver(0, 0, false);
  const auto names = f.d.tickedDriverNames();
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0], f.d.teams[1].drivers[1].name);
  EXPECT_EQ(names[1], f.d.teams[0].drivers[0].name);
  EXPECT_EQ(names[2], f.d.teams[0].drivers[1].name);
}

std::vector<SetupTeam> pitTeams(int count, int singleDriverTeam = -1) {
  std::vector<SetupTeam> teams;
  for (int t = 0; t < count; ++t) {
    SetupTeam team{"T" + std::to_string(t), "", static_cast<std::uint32_t>(0x100 + t), {}};
    team.drivers.push_back({"D" + std::to_string(t) + "a", "", 0, ""});
    if (t != singleDriverTeam) team.drivers.push_back({"D" + std::to_string(t) + "b", "", 0, ""});
    teams.push_back(team);
  }
  return teams;
}

TEST(PitOrderDialog, RowsShowTheirTeamsColoursDriversAndSwitches) {
  struct Case {
    const char* what;
    int teams;
    int singleDriverTeam;
    std::vector<int> switched;
    // Per row: the driver label ("" hidden) and whether "Switch" is shown.
    std::array<const char*, 10> labels;
    std::array<bool, 5> switches;
    int listsShown;
  };
  const Case cases[] = {
      {"three teams",
       3,
       -1,
       {},
       {"D0a", "D1a", "D2a", "", "", "D0b", "D1b", "D2b", "", ""},
       {true, true, true, false, false},
       3},
      {"switched row 1",
       3,
       -1,
       {1},
       {"D0a", "D1b", "D2a", "", "", "D0b", "D1a", "D2b", "", ""},
       {true, true, true, false, false},
       3},
      {"a team with one driver has no labels",
       2,
       0,
       {},
       {"", "D1a", "", "", "", "", "D1b", "", "", ""},
       {false, true, false, false, false},
       2},
      {"seven teams share the first two pairs",
       7,
       -1,
       {},
       {"", "", "D2a", "D3a", "D4a", "", "", "D2b", "D3b", "D4b"},
       {false, false, true, true, true},
       7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto teams = pitTeams(c.teams, c.singleDriverTeam);
    PitOrderDialog p(c.teams);
    for (int r : c.switched) p.switchRow(r);
    const auto rows = p.rows(teams);
    ASSERT_EQ(rows.size(), 10u);
    int lists = 0;
    for (int r = 0; r < 10; ++r) {
      const auto& row = rows[static_cast<std::size_t>(r)];
      EXPECT_EQ(row.driverLabel, c.labels[static_cast<std::size_t>(r)]) << "row " << r;
      if (r < 5) {
        EXPECT_EQ(row.switchShown, c.switches[static_cast<std::size_t>(r)]) << "row " << r;
      }
      lists += row.listShown ? 1 : 0;
    }
    EXPECT_EQ(lists, c.listsShown);
  }
}

TEST(PitOrderDialog, ColoursFollowTheTeamsAndUnusedRowsStayGrey) {
  const auto teams = pitTeams(7);
  PitOrderDialog p(7);
  auto rows = p.rows(teams);
  EXPECT_EQ(rows[0].color, 0x100u);
  EXPECT_EQ(rows[5].color, 0x105u);  // the sixth team shares the first pair
  EXPECT_EQ(rows[7].color, 0x102u);  // the third team keeps its second pit
  PitOrderDialog few(2);
  rows = few.rows(pitTeams(2));
  EXPECT_EQ(rows[2].color, 0xC0C0C0u);
  EXPECT_EQ(rows[6].color, 0x101u);
  EXPECT_FALSE(rows[2].listShown);
  few.chooseTeam(0, 1);
  rows = few.rows(pitTeams(2));
  EXPECT_EQ(rows[0].team, 1);
  EXPECT_EQ(rows[1].team, 0);
  EXPECT_EQ(rows[0].color, 0x101u);
  EXPECT_EQ(rows[0].driverLabel, "D1a");
}

}  // namespace
}  // namespace tarmaq
