#include "setup/team_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "engine/folders.h"

namespace tarmaq {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "tarmaq-teams-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  void touch(const fs::path& relative) const {
    fs::create_directories((path_ / relative).parent_path());
    std::ofstream(path_ / relative) << "x";
  }

 private:
  fs::path path_;
};

TEST(TeamFile, ReadsTeamsBackToBackInEitherLayout) {
  // The editor's one-item-a-line layout followed by a hand-written one-line team.
  const std::string text =
      "\"Halcyon, Ltd\"\r\n\"halcyon.bmp\"\r\n\"Ada Brook\"\r\n\"ada.bmp\"\r\n"
      "\"Bo Lund\"\r\n\"bo.bmp\"\r\n 255\r\n 65280\r\n 16711680\r\n"
      "Verdant , green.bmp, \"Cy, Jr\", cy.bmp, \"\", \"\", 32768, 0, 0\n";
  auto teams = parseTeamFile(text);
  ASSERT_EQ(teams.size(), 2u);
  EXPECT_EQ(
      teams[0],
      (Team{"Halcyon, Ltd",
            "halcyon.bmp",
            {TeamDriver{"Ada Brook", "ada.bmp", 65280}, TeamDriver{"Bo Lund", "bo.bmp", 16711680}},
            255}));
  EXPECT_EQ(teams[1].name, "Verdant");
  EXPECT_EQ(teams[1].drivers[0].name, "Cy, Jr");
  EXPECT_EQ(teams[1].drivers[1].name, "");
  EXPECT_EQ(teams[1].color, 32768u);
}

TEST(TeamFile, ATruncatedLastTeamKeepsEmptyFields) {
  auto teams = parseTeamFile("A,a.bmp,D1,d1.bmp,D2,d2.bmp,1,2,3\nB,b.bmp,E1");
  ASSERT_EQ(teams.size(), 2u);
  EXPECT_EQ(teams[0].drivers[1].color, 3u);
  EXPECT_EQ(teams[1], (Team{"B", "b.bmp", {TeamDriver{"E1", "", 0}, TeamDriver{}}, 0}));

  auto cutInColours = parseTeamFile("A,a.bmp,D1,d1.bmp,D2,d2.bmp,255");
  ASSERT_EQ(cutInColours.size(), 1u);
  EXPECT_EQ(cutInColours[0].color, 255u);
  EXPECT_EQ(cutInColours[0].drivers[0].color, 0u);
}

TEST(TeamFile, NoTeamsFromCommentsBlankLinesOrNothing) {
  EXPECT_TRUE(parseTeamFile("").empty());
  EXPECT_TRUE(parseTeamFile("\r\n\r\n  \n").empty());
  auto teams = parseTeamFile("; shipped teams\n;second line\nA,a,B,b,C,c,1,2,3\r\n\r\n\n");
  ASSERT_EQ(teams.size(), 1u);
  EXPECT_EQ(teams[0].name, "A");
  // A quoted name is a name even when it starts like a comment.
  EXPECT_EQ(parseTeamFile("\";-)\",a,B,b,C,c,1,2,3")[0].name, ";-)");
}

TEST(TeamFile, ColourItems) {
  struct Case {
    const char* item;
    std::uint32_t color;
  } cases[] = {
      {" 255", 255u},
      {"-1", 0xFFFFFFFFu},  // the writer prints colours as signed numbers
      {"-2147483648", 0x80000000u},
      {"4294967295", 0xFFFFFFFFu},
      {"4294967296", 0u},
      {"12.6", 13u},
      {"red", 0u},
      {"", 0u},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    // The colour stands between two teams: a bad one must not shift the next team.
    auto teams = parseTeamFile(std::string("A,a,B,b,C,c,") + c.item + ",7,8\nNext,n,D,d,E,e,1,2,3");
    ASSERT_EQ(teams.size(), 2u);
    EXPECT_EQ(teams[0].color, c.color);
    EXPECT_EQ(teams[0].drivers[0].color, 7u);
    EXPECT_EQ(teams[1].name, "Next");
  }
}

TEST(TeamFile, WritesTheEditorLayout) {
  Team team{"Say \"Hi\", Racing",
            "hi.bmp",
            {TeamDriver{"Two\nLines", "d1.bmp", 0}, TeamDriver{"", "", 0x80000000u}},
            0x0000FF};
  EXPECT_EQ(formatTeam(team),
            "\"Say 'Hi', Racing\"\r\n\"hi.bmp\"\r\n\"Two Lines\"\r\n\"d1.bmp\"\r\n"
            "\"\"\r\n\"\"\r\n 255\r\n 0\r\n-2147483648\r\n");
}

TEST(TeamFile, WrittenTeamsReadBackUnchanged) {
  TempFolder dir;
  const fs::path file = dir.path() / "own.tem";
  Team team{
      " Blank, Edged ",
      "Logos\\own.bmp",
      {TeamDriver{"Jo, the Elder", "jo.bmp", 0xFFFFFF}, TeamDriver{"Kim", "kim.bmp", 0xFF808080u}},
      0x123456};
  ASSERT_TRUE(writeTeamFile(file, team));
  auto read = readTeamFile(file);
  ASSERT_TRUE(read.has_value());
  ASSERT_EQ(read->size(), 1u);
  EXPECT_EQ(read->front(), team);

  EXPECT_FALSE(readTeamFile(dir.path() / "missing.tem").has_value());
  EXPECT_FALSE(writeTeamFile(dir.path() / "no" / "such" / "folder.tem", team));
}

class TwoTeamFolders final : public Folders {
 public:
  TwoTeamFolders(fs::path own, fs::path shipped)
      : own_(std::move(own)), shipped_(std::move(shipped)) {}
  fs::path games() const override { return {}; }
  fs::path tracks() const override { return {}; }
  fs::path classes() const override { return {}; }
  fs::path teams() const override { return own_; }
  fs::path shippedTeams() const override { return shipped_; }

 private:
  fs::path own_, shipped_;
};

TEST(TeamFile, FindsPicturesOrSaysToUseThePlaceholder) {
  TempFolder own, shipped;
  own.touch("Mine.bmp");
  shipped.touch("Teams/Mine.bmp");
  shipped.touch("Teams/Logos/Red.bmp");
  shipped.touch("outside.bmp");
  TwoTeamFolders folders(own.path(), shipped.path() / "Teams");

  struct Case {
    const char* name;
    std::optional<fs::path> found;
  } cases[] = {
      {"Mine.bmp", own.path() / "Mine.bmp"},  // the player's own folder comes first
      {"Logos\\Red.bmp", shipped.path() / "Teams" / "Logos" / "Red.bmp"},
      {"logos/RED.BMP", shipped.path() / "Teams" / "Logos" / "Red.bmp"},
      {"", std::nullopt},
      {"Logos", std::nullopt},  // a folder is not a picture
      {"Gone.bmp", std::nullopt},
      {"..\\outside.bmp", std::nullopt},
      {"Logos/../../outside.bmp", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto found = findTeamPicture(folders, c.name);
    ASSERT_EQ(found.has_value(), c.found.has_value());
    if (found) {
      EXPECT_TRUE(fs::equivalent(*found, *c.found));
    }
  }
  const std::string absolute = (shipped.path() / "outside.bmp").string();
  EXPECT_FALSE(findTeamPicture(folders, absolute).has_value());
}

}  // namespace
}  // namespace tarmaq
