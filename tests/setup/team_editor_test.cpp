#include "setup/team_editor.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>

#include "engine/race_class.h"
#include "engine/settings_store.h"
#include "setup/team_list.h"
#include "support/temp_folders.h"

namespace tarmaq {
namespace {

struct EditorFolders {
  testing::TempFolders shipped;
  testing::TempFolders user;
  testing::TempFolders elsewhere;
  ProgramFolders folders{shipped.root(), user.root()};
  MemorySettings settings;

  std::filesystem::path file(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
};

TEST(TeamEditor, ASlotWithoutATeamOpensOnTheInitialTextsInWhite) {
  const TeamEditor e = TeamEditor::open(nullptr);
  EXPECT_EQ(e.team.name, "Team Name");
  EXPECT_EQ(e.team.drivers[0].name, "Driver Name");
  EXPECT_EQ(e.team.drivers[1].name, "Driver Name");
  EXPECT_EQ(e.team.color, 0xFFFFFFu);
  EXPECT_EQ(e.team.drivers[0].color, 0xFFFFFFu);
  EXPECT_EQ(e.team.drivers[1].color, 0xFFFFFFu);
  EXPECT_TRUE(e.team.picture.empty());
}

TEST(TeamEditor, TypedNamesCannotCarryWhatATeamFileCannotHold) {
  struct Case {
    const char* typed;
    const char* kept;
  } cases[] = {
      {"Jo \"Speedy\" Lee", "Jo 'Speedy' Lee"},       {"\"", "'"}, {"Two\r\nLines", "Two  Lines"},
      {"Plain, with a comma", "Plain, with a comma"}, {"", ""},
  };
  for (const Case& c : cases) {
    TeamEditor e = TeamEditor::open(nullptr);
    for (TeamPart p : {TeamPart::Team, TeamPart::Driver1, TeamPart::Driver2}) {
      e.setName(p, c.typed);
      EXPECT_EQ(e.name(p), c.kept) << c.typed;
    }
    // What the editor holds is what a team file gives back.
    const auto read = parseTeamFile(formatTeam(e.team));
    ASSERT_EQ(read.size(), 1u) << c.typed;
    EXPECT_EQ(read[0].name, c.kept) << c.typed;
  }
}

TEST(TeamEditor, APictureInsideATeamsFolderIsNamedBelowIt) {
  EditorFolders f;
  TeamEditor e = TeamEditor::open(nullptr);
  const auto own = f.file(f.folders.teams() / "logos" / "mine.bmp", "own");
  const auto shipped = f.file(f.folders.shippedTeams() / "shipped.bmp", "shipped");
  ASSERT_TRUE(e.choosePicture(TeamPart::Team, own, f.folders));
  EXPECT_EQ(e.team.picture, "logos/mine.bmp");
  ASSERT_TRUE(e.choosePicture(TeamPart::Driver2, shipped, f.folders));
  EXPECT_EQ(e.team.drivers[1].picture, "shipped.bmp");
  EXPECT_EQ(findTeamPicture(f.folders, e.team.picture), own);
}

TEST(TeamEditor, APictureFromElsewhereIsCopiedIntoThePlayersTeamsFolder) {
  EditorFolders f;
  TeamEditor e = TeamEditor::open(nullptr);
  const auto outside = f.file(f.elsewhere.root() / "photo.bmp", "new face");
  ASSERT_TRUE(e.choosePicture(TeamPart::Driver1, outside, f.folders));
  EXPECT_EQ(e.team.drivers[0].picture, "photo.bmp");
  const auto found = findTeamPicture(f.folders, "photo.bmp");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->parent_path(), f.folders.teams());
}

TEST(TeamEditor, ACopyNeverOverwritesAnotherPictureOfTheSameName) {
  EditorFolders f;
  f.file(f.folders.teams() / "photo.bmp", "someone else");
  f.file(f.folders.teams() / "photo-2.bmp", "a third");
  TeamEditor e = TeamEditor::open(nullptr);
  const auto outside = f.file(f.elsewhere.root() / "photo.bmp", "new face");
  ASSERT_TRUE(e.choosePicture(TeamPart::Team, outside, f.folders));
  EXPECT_EQ(e.team.picture, "photo-3.bmp");
  std::ifstream kept(f.folders.teams() / "photo.bmp");
  std::string text;
  std::getline(kept, text);
  EXPECT_EQ(text, "someone else");
  // Choosing the same picture again reuses its copy.
  ASSERT_TRUE(e.choosePicture(TeamPart::Driver1, outside, f.folders));
  EXPECT_EQ(e.team.drivers[0].picture, "photo-3.bmp");
}

TEST(TeamEditor, APictureWhoseNameATeamFileCannotHoldIsUsedThroughACopy) {
  EditorFolders f;
  TeamEditor e = TeamEditor::open(nullptr);
  const auto quoted = f.file(f.folders.teams() / "the \"fast\" one.bmp", "quoted");
  ASSERT_TRUE(e.choosePicture(TeamPart::Team, quoted, f.folders));
  EXPECT_EQ(e.team.picture, "the 'fast' one.bmp");
  const auto read = parseTeamFile(formatTeam(e.team));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_TRUE(findTeamPicture(f.folders, read[0].picture));
}

TEST(TeamEditor, APictureThatCannotBeCopiedLeavesThePictureAsItWas) {
  EditorFolders f;
  TeamEditor e = TeamEditor::open(nullptr);
  e.team.picture = "before.bmp";
  EXPECT_FALSE(e.choosePicture(TeamPart::Team, f.elsewhere.root() / "gone.bmp", f.folders));
  EXPECT_EQ(e.team.picture, "before.bmp");
}

// A colour dialog that gives the answers in turn (nothing: cancelled) and counts asks.
struct ColorAnswers {
  std::deque<std::optional<std::uint32_t>> answers;
  int asked = 0;
  int askedAgain = 0;
  AskColor ask() {
    return [this](std::uint32_t, bool again) {
      ++asked;
      askedAgain += again;
      auto a = answers.empty() ? std::nullopt : answers.front();
      if (!answers.empty()) answers.pop_front();
      return a;
    };
  }
};

TEST(TeamEditor, TheColourDialogRepeatsWhileBothDriversHaveOneColour) {
  constexpr std::uint32_t Other = 0x0000FF;  // driver 2's colour
  struct Case {
    const char* what;
    TeamPart part;
    std::deque<std::optional<std::uint32_t>> answers;
    int asks;
    std::uint32_t color;
    bool changed;
  } cases[] = {
      {"a different colour", TeamPart::Driver1, {0x00FF00}, 1, 0x00FF00, true},
      {"the other driver's, then another", TeamPart::Driver1, {Other, 0x00FF00}, 2, 0x00FF00, true},
      // A cancelled repeat keeps the colour last chosen: the player gave up on another.
      {"the other driver's, then cancel", TeamPart::Driver1, {Other, std::nullopt}, 2, Other, true},
      {"cancel at once", TeamPart::Driver1, {std::nullopt}, 1, 0xFFFFFF, false},
      {"the team box asks once", TeamPart::Team, {Other}, 1, Other, true},
  };
  for (const Case& c : cases) {
    TeamEditor e = TeamEditor::open(nullptr);
    e.team.drivers[1].color = Other;
    ColorAnswers dialog{c.answers};
    const bool changed = e.chooseColor(c.part, dialog.ask());
    EXPECT_EQ(dialog.asked, c.asks) << c.what;
    EXPECT_EQ(dialog.askedAgain, c.asks - 1) << c.what;
    EXPECT_EQ(changed, c.changed) << c.what;
    EXPECT_EQ(e.color(c.part), c.color) << c.what;
  }
}

TEST(TeamEditor, ATeamIsSavedInThePlayersFolderAsATeamFile) {
  EditorFolders f;
  struct Case {
    std::filesystem::path chosen;
    std::optional<std::string> file;
  } cases[] = {
      {"Mine", "Mine.tem"},
      {"Mine.tem", "Mine.tem"},
      {"Mine.TEM", "Mine.tem"},
      {"Mine.txt", "Mine.txt.tem"},
      {f.elsewhere.root() / "Away.tem", "Away.tem"},
      {f.folders.shippedTeams() / "Founders.tem", "Founders.tem"},
      {"", std::nullopt},
      {".tem", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto target = TeamEditor::saveTarget(f.folders, c.chosen);
    if (!c.file) {
      EXPECT_FALSE(target) << c.chosen;
      continue;
    }
    ASSERT_TRUE(target) << c.chosen;
    EXPECT_EQ(*target, f.folders.teams() / *c.file) << c.chosen;
  }
  EXPECT_EQ(TeamEditor::saveFolder(f.folders), f.folders.teams());
}

TEST(TeamEditor, ASavedTeamIsOfferedAtOnceEvenUnderANameOnceSwitchedOff) {
  EditorFolders f;
  std::filesystem::remove_all(f.folders.teams());  // a player who never saved a team
  setTeamFileEnabled(f.settings, "Mine.tem", false);
  TeamEditor e = TeamEditor::open(nullptr);
  e.setName(TeamPart::Team, "My \"Own\" Team");
  e.team.color = 0x80000000u;  // a colour with the top bit set survives the round trip
  const auto target = TeamEditor::saveTarget(f.folders, "Mine");
  ASSERT_TRUE(target);
  ASSERT_TRUE(e.save(*target, f.settings));
  const auto teams = enabledTeams(f.folders, f.settings);
  ASSERT_EQ(teams.size(), 1u);
  EXPECT_EQ(teams[0], e.team);
  EXPECT_EQ(teams[0].name, "My 'Own' Team");
}

TEST(TeamEditor, AFileThatCannotBeWrittenIsReported) {
  EditorFolders f;
  const auto blocker = f.file(f.user.root() / "blocker", "a file, not a folder");
  EXPECT_FALSE(TeamEditor::open(nullptr).save(blocker / "Mine.tem", f.settings));
  EXPECT_FALSE(f.settings.value("Settings\\TeamFileList", "Mine.tem"));
}

TEST(CarPreview, PolygonsAreScaledAboutTheCentreInTheTeamsColours) {
  std::vector<Polygon> shape = {
      {1, {{-1.0f, -0.5f}, {1.0f, -0.5f}, {1.0f, 0.5f}}},
      {2, {{0.5f, 1.0f}}},
      {0x123456, {{0.0f, 0.0f}}},
  };
  const auto p = carPreview(shape, 0xAA0000, 0x00BB00, 130, 64);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].fill, 0xAA0000u);
  EXPECT_EQ(p[1].fill, 0x00BB00u);
  EXPECT_EQ(p[2].fill, 0x123456u);
  EXPECT_EQ(p[0].points, (std::vector<PixelPoint>{{15, 20}, {115, 20}, {115, 45}}));
  EXPECT_EQ(p[1].points, (std::vector<PixelPoint>{{90, 57}}));
  EXPECT_EQ(p[2].points, (std::vector<PixelPoint>{{65, 32}}));
}

}  // namespace
}  // namespace tarmaq
