#include "setup/team_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "engine/settings_store.h"
#include "setup/new_game_dialog.h"
#include "support/paths.h"
#include "support/temp_folders.h"

namespace tarmaq {
namespace {

// An installation whose shipped teams and the player's own lie in different folders.
struct SplitFolders {
  testing::TempFolders shipped;
  testing::TempFolders user;
  ProgramFolders folders{shipped.root(), user.root()};
  MemorySettings settings;

  void write(const std::filesystem::path& folder, const std::string& name,
             const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
  }
  static std::string team(const std::string& name) {
    return "\"" + name + "\",\"\",\"A " + name + "\",\"\",\"B " + name + "\",\"\",1,2,3\n";
  }
};

std::vector<std::string> names(const std::vector<Team>& teams) {
  std::vector<std::string> out;
  for (const Team& t : teams) out.push_back(t.name);
  return out;
}

TEST(TeamFiles, ThePlayersFilesComeFirstAndHideShippedOnesOfTheSameName) {
  SplitFolders f;
  f.write(f.folders.shippedTeams(), "Shipped.tem", SplitFolders::team("Shipped"));
  f.write(f.folders.shippedTeams(), "Both.tem", SplitFolders::team("Shipped copy"));
  f.write(f.folders.teams(), "Both.tem", SplitFolders::team("Own copy"));
  f.write(f.folders.teams(), "Mine.tem", SplitFolders::team("Mine"));
  f.write(f.folders.teams(), "notes.txt", SplitFolders::team("Not a team file"));
  f.write(f.folders.teams(), "Upper.TEM", SplitFolders::team("Not listed either"));

  std::vector<std::string> listed;
  for (const TeamFileEntry& e : listTeamFiles(f.folders)) listed.push_back(e.name);
  EXPECT_EQ(listed, (std::vector<std::string>{"Both.tem", "Mine.tem", "Shipped.tem"}));
  EXPECT_EQ(names(enabledTeams(f.folders, f.settings)),
            (std::vector<std::string>{"Own copy", "Mine", "Shipped"}));
}

TEST(TeamFiles, OnlyAStoredFalseSwitchesAFileOff) {
  SplitFolders f;
  f.write(f.folders.teams(), "A.tem", SplitFolders::team("A"));
  f.write(f.folders.teams(), "B.tem", SplitFolders::team("B") + SplitFolders::team("B2"));
  f.write(f.folders.teams(), "C.tem", SplitFolders::team("C"));
  f.settings.setValue("Settings\\TeamFileList", "A.tem", "False");
  f.settings.setValue("Settings\\TeamFileList", "B.tem", "True");
  // C has no stored value: enabled. A file with two teams offers both.
  EXPECT_EQ(names(enabledTeams(f.folders, f.settings)), (std::vector<std::string>{"B", "B2", "C"}));
}

TEST(TeamFiles, TheFileListShowsAndStoresEveryFilesSelection) {
  SplitFolders f;
  for (const char* n : {"A.tem", "B.tem", "C.tem"}) f.write(f.folders.teams(), n, "");
  f.settings.setValue("Settings\\TeamFileList", "B.tem", "False");
  TeamFileSelection s = TeamFileSelection::open(f.folders, f.settings);
  EXPECT_EQ(s.selected, (std::vector<bool>{true, false, true}));
  s.selected = {false, true, true};
  s.store(f.settings);
  EXPECT_EQ(f.settings.value("Settings\\TeamFileList", "A.tem"), "False");
  EXPECT_EQ(f.settings.value("Settings\\TeamFileList", "B.tem"), "True");
  EXPECT_EQ(f.settings.value("Settings\\TeamFileList", "C.tem"), "True");
}

struct NewGameTeams : SplitFolders {
  NewGameDialog d;
  NewGameTeams() {
    write(folders.teams(), "Two.tem", team("Red") + team("Blue"));
    d.teams = enabledTeams(folders, settings);
    d.circuitPlaces = {20};
    d.circuits = {{"Test", "test.trk"}};
    d.slots[0].listEnabled = true;
  }
  Team edited(const std::string& name, std::uint32_t color) {
    Team t;
    t.name = name;
    t.color = color;
    t.drivers[0].name = "Driver One";
    t.drivers[1].name = "Driver Two";
    return t;
  }
};

TEST(AddTeam, ANewNameJoinsTheTableAndTheSlotChoosesIt) {
  NewGameTeams f;
  const int index = addTeam(f.d, f.edited("Green", 0x00FF00), 0);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(names(f.d.teams), (std::vector<std::string>{"Red", "Blue", "Green"}));
  EXPECT_EQ(f.d.slots[0].team, 2);
  EXPECT_EQ(f.d.slots[0].ticked, (std::array<bool, 2>{true, true}));
  EXPECT_EQ(f.d.selected, 2);
}

TEST(AddTeam, AnExistingNameTakesTheNewValuesWithoutASecondEntry) {
  NewGameTeams f;
  f.d.teamSlotChanged(0, 2);  // slot 1 holds "Blue"
  addTeam(f.d, f.edited("Blue", 0x123456), 0);
  EXPECT_EQ(names(f.d.teams), (std::vector<std::string>{"Red", "Blue"}));
  EXPECT_EQ(f.d.teams[1].color, 0x123456u);
  EXPECT_EQ(f.d.teams[1].drivers[0].name, "Driver One");
  EXPECT_EQ(f.d.slots[0].team, 1);
  EXPECT_EQ(f.d.selected, 2);  // the slot's drivers are not counted twice
}

TEST(AddTeam, ATeamAnotherSlotHoldsSendsTheEditedSlotBackToNotParticipating) {
  NewGameTeams f;
  f.d.teamSlotChanged(0, 1);  // "Red" in slot 1
  f.d.teamSlotChanged(1, 2);  // "Blue" in slot 2
  addTeam(f.d, f.edited("Red", 0x0000FF), 1);
  EXPECT_EQ(f.d.slots[0].team, 0);
  EXPECT_EQ(f.d.slots[1].team, -1);
}

TEST(AddTeam, DriversSharingANameStillGetTheirOwnPitSpaces) {
  NewGameTeams f;
  Team twins = f.edited("Twins", 0x00FF00);
  twins.drivers[1].name = twins.drivers[0].name;
  addTeam(f.d, twins, 0);
  f.d.teamSlotChanged(1, 1);  // "Red"
  const NewGameSetup setup = f.d.toSetup("");
  const PitAssignment pits = defaultPitAssignment(setup.teams);
  EXPECT_EQ(pits.pitSpace, (std::vector<int>{0, 5, 1, 6}));
}

TEST(BuildTeamLists, RereadsTheEnabledFilesAndEmptiesEverySlot) {
  NewGameTeams f;
  f.d.teamSlotChanged(0, 1);
  f.d.teamSlotChanged(1, 2);
  f.write(f.folders.teams(), "More.tem", SplitFolders::team("Yellow"));
  f.settings.setValue("Settings\\TeamFileList", "Two.tem", "False");
  buildTeamLists(f.d, f.folders, f.settings);
  EXPECT_EQ(names(f.d.teams), (std::vector<std::string>{"Yellow"}));
  EXPECT_EQ(f.d.selected, 0);
  for (const TeamSlot& s : f.d.slots) EXPECT_EQ(s.team, -1);
  EXPECT_TRUE(f.d.slots[0].listEnabled);
  EXPECT_FALSE(f.d.slots[1].listEnabled);
}

}  // namespace
}  // namespace tarmaq
