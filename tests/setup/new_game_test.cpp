#include "setup/new_game.h"

#include <gtest/gtest.h>

#include "engine/folders.h"
#include "engine/game_state.h"
#include "engine/load_race_class.h"
#include "support/fakes.h"
#include "support/paths.h"
#include "support/temp_folders.h"

namespace tarmaq {
namespace {

using testing::TestGame;

std::vector<SetupTeam> teams(const std::vector<int>& driversPerTeam) {
  std::vector<SetupTeam> out;
  for (std::size_t t = 0; t < driversPerTeam.size(); ++t) {
    SetupTeam team{"Team " + std::to_string(t + 1), "t.bmp", static_cast<std::uint32_t>(t + 1), {}};
    for (int d = 0; d < driversPerTeam[t]; ++d)
      team.drivers.push_back({"T" + std::to_string(t + 1) + "D" + std::to_string(d + 1), "d.bmp",
                              static_cast<std::uint32_t>(100 + d), ""});
    out.push_back(team);
  }
  return out;
}

TEST(PitOrder, UpToFiveTeamsGiveEachDriverAPitOfThePair) {
  const PitAssignment a = defaultPitAssignment(teams({2, 2, 2}));
  EXPECT_EQ(a.pitSpace, (std::vector<int>{0, 5, 1, 6, 2, 7}));
  EXPECT_EQ(a.colors[6], 2u);
  EXPECT_EQ(a.colors[3], 0xC0C0C0u);
  // "Switch" on row 1 gives driver 2 of the second team pit 1.
  EXPECT_EQ(defaultPitAssignment(teams({2, 2, 2}), {1}).pitSpace,
            (std::vector<int>{0, 5, 6, 1, 2, 7}));
}

TEST(PitOrder, SevenTeamsShareTheFirstTwoPairs) {
  const PitAssignment a = defaultPitAssignment(teams({2, 2, 2, 2, 2, 2, 1}));
  EXPECT_EQ(a.pitSpace, (std::vector<int>{0, 0, 1, 1, 2, 7, 3, 8, 4, 9, 5, 5, 6}));
  EXPECT_EQ(a.colors[5], 6u);
  EXPECT_EQ(a.colors[0], 1u);
  EXPECT_EQ(a.colors[7], 3u);
}

TEST(PitOrder, ATeamWithOneDriverKeepsItsRow) {
  EXPECT_EQ(defaultPitAssignment(teams({1, 2})).pitSpace, (std::vector<int>{0, 1, 6}));
}

struct NewGameFixture : TestGame {
  testing::TempFolders temp;
  NewGameSetup setup;
  NewGameFixture() {
    temp.add("Classes", testing::fixture("classes/basic.cls"));
    game.services.folders = &temp.folders();
    setup.classFile = "basic.cls";
    setup.trackFile = "ring.trk";
    setup.teams = teams({2, 1});
  }
};

TEST(GetNewGameInfo, BuildsCarsFromTheTeamsInSlotOrder) {
  NewGameFixture f;
  f.setup.laps = 2;
  ASSERT_TRUE(getNewGameInfo(f.game, f.setup));
  ASSERT_EQ(f.game.carCount(), 3);
  EXPECT_EQ(f.game.positions, (std::vector<int>{0, 1, 2}));
  const Car& c1 = f.game.cars[1];
  EXPECT_EQ(c1.driverName, "T1D2");
  EXPECT_EQ(c1.teamName, "Team 1");
  EXPECT_EQ(c1.color, (std::array<std::uint32_t, 2>{1, 101}));
  EXPECT_EQ(c1.pitSpace, 5);
  EXPECT_EQ(c1.tires, f.game.raceClass.classWear[1].tires);
  EXPECT_EQ(c1.lapLength.size(), 3u);
  EXPECT_EQ(c1.tireType, 1);
  EXPECT_EQ(f.game.cars[2].pitSpace, 1);
  EXPECT_EQ(f.game.results[0], -1);
  EXPECT_EQ(f.game.teamPictures.size(), 3u);
  EXPECT_EQ(f.game.controls.driverCard.gears[3].tooltip, "4th Gear, 7-12");
}

TEST(GetNewGameInfo, OneLapRaceHasNoPitStopsAndEMailUsesTheLocalAddress) {
  NewGameFixture f;
  f.setup.laps = 1;
  f.setup.gameType = 1;
  f.setup.localEMail = "me@example.test";
  f.setup.teams[0].drivers[0].eMail = "(Local)";
  f.setup.teams[0].drivers[1].eMail = "you@example.test";
  ASSERT_TRUE(getNewGameInfo(f.game, f.setup));
  EXPECT_EQ(f.game.rules[Rule::TirePitStops], 0);
  EXPECT_EQ(f.game.rules[Rule::FullPitStops], 0);
  EXPECT_EQ(f.game.cars[0].eMail, "me@example.test");
  EXPECT_EQ(f.game.cars[1].eMail, "you@example.test");
  EXPECT_TRUE(f.game.controls.toolbar.get(control::SendMailButton).visible);
}

TEST(GetNewGameInfo, AMissingClassIsACriticalError) {
  NewGameFixture f;
  f.setup.classFile = "none.cls";
  EXPECT_FALSE(getNewGameInfo(f.game, f.setup));
  ASSERT_EQ(f.frontend.messages.size(), 1u);
  EXPECT_EQ(f.frontend.messages[0].title, "Critical Error - Classfile Missing");
  EXPECT_EQ(f.frontend.messages[0].text,
            "The race class file used to create this game:\nnone.cls\nwas not found on your "
            "system. Please check your installation.");
  EXPECT_EQ(f.frontend.messages[0].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace tarmaq
