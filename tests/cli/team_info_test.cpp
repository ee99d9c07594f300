#include <gtest/gtest.h>

#include <filesystem>

#include "cli/run_cli.h"

namespace {

TEST(TeamInfo, PrintsTheTeamsAsJson) {
  auto r = runCli({"team-info", std::string(TARMAQ_FIXTURES) + "/teams/two.tem"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "[{\"team\":\"Halcyon, Ltd\",\"teamPicture\":\"halcyon.bmp\",\"drivers\":["
            "{\"name\":\"Ada Brook\",\"picture\":\"ada.bmp\",\"color\":65280},"
            "{\"name\":\"Bo Lund\",\"picture\":\"bo.bmp\",\"color\":16711680}],"
            "\"teamColor\":255},"
            "{\"team\":\"Solo\",\"teamPicture\":\"solo.bmp\",\"drivers\":["
            "{\"name\":\"Cy\",\"picture\":\"cy.bmp\",\"color\":0},"
            "{\"name\":\"\",\"picture\":\"\",\"color\":0}],\"teamColor\":0}]\n");
}

TEST(TeamInfo, MissingFileExitsWithStatusTwoAndOneLine) {
  auto r = runCli({"team-info", "/nonexistent/none.tem"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

// What a player gets right after installing: every shipped team and class file reads.
TEST(TeamInfo, ReadsEveryShippedTeamAndClassFile) {
  int teamFiles = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(TARMAQ_DATA) + "/Teams")) {
    if (entry.path().extension() != ".tem") continue;
    ++teamFiles;
    auto r = runCli({"team-info", entry.path().string()});
    EXPECT_EQ(r.status, 0) << entry.path();
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(r.out.rfind("[{\"team\":", 0), 0u) << r.out;
  }
  EXPECT_GE(teamFiles, 2);
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(TARMAQ_DATA) + "/Classes")) {
    if (entry.path().extension() != ".cls") continue;
    auto r = runCli({"class-info", entry.path().string()});
    EXPECT_EQ(r.status, 0) << entry.path();
    EXPECT_TRUE(r.err.empty()) << entry.path() << ": " << r.err;
  }
}

}  // namespace
