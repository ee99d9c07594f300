#include "engine/folders.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tarmaq
