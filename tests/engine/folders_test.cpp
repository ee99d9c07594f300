#include "engine/folders.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_folders.h"

namespace tarmaq {
namespace {

TEST(ProgramFolders, BesideTheExecutableOrInstalledWithTheUsersOwnFolders) {
  testing::TempFolders temp;
  const auto portable =
      ProgramFolders::locate(temp.root(), "/usr/share/tarmaq", "/home/p/.local/share/tarmaq");
  EXPECT_TRUE(portable.portable());
  EXPECT_EQ(portable.tracks(), temp.root() / "Tracks");
  EXPECT_EQ(portable.games(), temp.root() / "Games");

  const auto installed =
      ProgramFolders::locate(temp.root() / "Games", "/usr/share/tarmaq", temp.root() / "user");
  EXPECT_FALSE(installed.portable());
  EXPECT_EQ(installed.classes(), std::filesystem::path("/usr/share/tarmaq/Classes"));
  EXPECT_EQ(installed.shippedTeams(), std::filesystem::path("/usr/share/tarmaq/Teams"));
  EXPECT_EQ(installed.teams(), temp.root() / "user" / "Teams");
  installed.createUserFolders();
  EXPECT_TRUE(std::filesystem::is_directory(temp.root() / "user" / "Games"));
}

// An installation unpacked under another prefix: bin/tarmaq finds share/tarmaq beside it
// before the folder it was built for.
TEST(ProgramFolders, AnInstallationFindsItsDataBesideItsBinFolder) {
  testing::TempFolders temp;
  const auto prefix = temp.root() / "opt";
  std::filesystem::create_directories(prefix / "bin");
  std::filesystem::create_directories(prefix / "share" / "tarmaq" / "Tracks");
  const auto moved = ProgramFolders::locate(prefix / "bin", "/usr/share/tarmaq", temp.root() / "u");
  EXPECT_FALSE(moved.portable());
  EXPECT_EQ(moved.tracks(), prefix / "share" / "tarmaq" / "Tracks");
  EXPECT_EQ(moved.shippedTeams(), prefix / "share" / "tarmaq" / "Teams");
  EXPECT_EQ(moved.games(), temp.root() / "u" / "Games");
}

TEST(UserDataFolder, FollowsXdgDataHomeElseTheHomeFolder) {
  const char* savedXdg = std::getenv("XDG_DATA_HOME");
  const char* savedHome = std::getenv("HOME");
  const std::string xdg = savedXdg ? savedXdg : "", home = savedHome ? savedHome : "";
  setenv("XDG_DATA_HOME", "/x/data", 1);
  setenv("HOME", "/home/p", 1);
  EXPECT_EQ(userDataFolder(), std::filesystem::path("/x/data/tarmaq"));
  setenv("XDG_DATA_HOME", "", 1);
  EXPECT_EQ(userDataFolder(), std::filesystem::path("/home/p/.local/share/tarmaq"));
  if (savedXdg)
    setenv("XDG_DATA_HOME", xdg.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
  if (savedHome)
    setenv("HOME", home.c_str(), 1);
  else
    unsetenv("HOME");
}

}  // namespace
}  // namespace tarmaq
