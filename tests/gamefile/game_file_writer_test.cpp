#include "gamefile/game_file_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/turn_controller.h"
#include "gamefile/value_format.h"
#include "support/race_fixture.h"
#include "support/temp_folders.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    out.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

// Index of the first line equal to `marker`.
std::size_t find(const std::vector<std::string>& ls, const std::string& marker) {
  for (std::size_t i = 0; i < ls.size(); ++i)
    if (ls[i] == marker) return i;
  return ls.size();
}

TEST(ValueFormat, IntegersSinglesAndStrings) {
  EXPECT_EQ(formatInteger(5), " 5 ");
  EXPECT_EQ(formatInteger(0), " 0 ");
  EXPECT_EQ(formatInteger(-1), "-1 ");
  EXPECT_EQ(formatInteger(16711680), " 16711680 ");
  EXPECT_EQ(formatSingle(12.5f), "12.5");
  EXPECT_EQ(formatSingle(0.0f), "0");
  EXPECT_EQ(formatSingle(1.0f / 3), "0.3333333");
  EXPECT_EQ(formatSingle(46367.6278f), "46367.63");
  EXPECT_EQ(formatSingle(-999), "-999");
  EXPECT_EQ(formatString("Corvid Racing"), "Corvid Racing");
  EXPECT_EQ(formatString("Ember Works, Ltd"), "\"Ember Works, Ltd\"");
  EXPECT_EQ(formatString(" padded"), "\" padded\"");
  EXPECT_EQ(formatString("say \"hi\""), "say 'hi'");
}

struct WriterFixture : RaceFixture {
  WriterFixture() {
    game.laps = 1;
    game.classFile = "basic.cls";
    game.trackFile = "ring.trk";
    game.trackVersion = "1.0";
    for (Car& c : game.cars) c.lapLength.assign(2, 0);
  }
  std::vector<std::string> write() const {
    return lines(writeGameFile(game, std::locale::classic()));
  }
};

TEST(GameFileWriter, HeaderVersionAndTheFixedSections) {
  WriterFixture f;
  const auto ls = f.write();
  ASSERT_GT(ls.size(), 130u);
  EXPECT_EQ(ls[0], ";Tarmaq Game file");
  EXPECT_EQ(ls[122], ";");
  EXPECT_EQ(ls[123], "Version 0.9.96");
  EXPECT_EQ(ls[124].front(), '"');
  EXPECT_EQ(ls[126], " 0 ");  // Local
  EXPECT_EQ(ls[127], "basic.cls");
  EXPECT_EQ(ls[128], " 1 ");
  EXPECT_EQ(ls[131], " 1 ");  // "BadStarts"
  EXPECT_EQ(ls[164], "-1 ");  // "FinishNose", the 34th rule
  EXPECT_EQ(ls[165], "Team:Team 1");
  for (const auto& l : ls) EXPECT_EQ(l.find('\n'), std::string::npos);
}

TEST(GameFileWriter, CarBlocksGrowWithLapsAndTheEMailLine) {
  struct Case {
    int laps;
    int gameType;
    std::size_t lines;
  } cases[] = {{1, 0, 35}, {3, 0, 41}, {1, 1, 36}, {2, 1, 39}};
  for (const auto& c : cases) {
    WriterFixture f;
    f.game.laps = c.laps;
    f.game.gameType = c.gameType;
    for (Car& car : f.game.cars) car.eMail = "x@example.test";
    const auto ls = f.write();
    const std::size_t first = find(ls, "Team:Team 1");
    std::size_t second = first + 1;
    while (second < ls.size() && ls[second].compare(0, 5, "Team:") != 0) ++second;
    EXPECT_EQ(second - first, c.lines) << c.laps << " laps, type " << c.gameType;
    EXPECT_EQ(ls[first + 4] == "x@example.test", c.gameType == 1);
  }
}

TEST(GameFileWriter, StateSectionsInOrder) {
  WriterFixture f;
  f.game.positions = {2, 0, 1};
  f.game.trapSpeed = 187.25f;
  f.game.moves = {1005, 1006, 2007};
  f.game.snapshot.move = 7;
  f.game.snapshot.laneUsed = {0, True, 0, 0, 0, 0};
  const auto ls = f.write();
  std::size_t p = find(ls, "Game Positions");
  EXPECT_EQ(std::vector<std::string>(ls.begin() + static_cast<long>(p) + 1,
                                     ls.begin() + static_cast<long>(p) + 4),
            (std::vector<std::string>{" 2 ", " 0 ", " 1 "}));
  p = find(ls, "Game State");
  EXPECT_EQ(ls[p + 3], "-1 ");  // Results(0)
  EXPECT_EQ(ls[p + 24], "187.25");
  p = find(ls, "Moves()");
  EXPECT_EQ(ls[p + 3], " 2007 ");
  EXPECT_EQ(ls[p + 4], "Snapshot");
  EXPECT_EQ(ls[p + 5], " 7 ");
  EXPECT_EQ(ls[p + 7], "-1 ");
  EXPECT_EQ(find(ls, "GameLog Array"), p + 4 + 18);
}

TEST(GameFileWriter, StepFilterKeepsTheWaitingStepAndTheWaitBeforeAMail) {
  WriterFixture f;
  f.game.gameLogArray = {{"ROLL POSN 4", "POSN 0 1 2"},
                         {"", "ROUN 1", "DRVR 0", "ROLL STRT WAIT", "ROLL GEAR WAIT"}};
  f.game.currRound = 1;
  auto ls = f.write();
  std::size_t p = find(ls, "GameLog Array");
  EXPECT_EQ(std::vector<std::string>(ls.begin() + static_cast<long>(p) + 1,
                                     ls.begin() + static_cast<long>(p) + 7),
            (std::vector<std::string>{"ROLL POSN 4", "POSN 0 1 2", "ROUN 1", "DRVR 0",
                                      "ROLL GEAR WAIT", "GameLog Grid"}));
  f.game.gameLogArray[1].push_back("MAIL SENT bob@example.test");
  ls = f.write();
  p = find(ls, "GameLog Array");
  EXPECT_EQ(ls[p + 5], "ROLL GEAR WAIT");
  EXPECT_EQ(ls[p + 6], "MAIL SENT bob@example.test");
}

TEST(GameFileWriter, LogRowsAreQuotedAndWaitingLinesLeftOut) {
  WriterFixture f;
  writeToGameLog(f.game, 30, 29, "     Driver A: fast, very fast", false, LogBlue);
  writeToGameLog(f.game, 1, 0, "Round 1", true, LogBlack);
  writeToGameLog(f.game, 100, 11, "          Waiting for Driver A to move", false, LogBlack);
  const auto ls = f.write();
  const std::size_t p = find(ls, "GameLog Grid");
  ASSERT_EQ(ls.size(), p + 4);
  EXPECT_EQ(ls[p + 1], "0,0,0,0,\"\"");  // the log's first, empty row
  EXPECT_EQ(ls[p + 2], "30,29,0,16711680,\"     Driver A: fast, very fast\"");
  EXPECT_EQ(ls[p + 3], "1,0,-1,0,\"Round 1\"");
}

struct CommaNumbers : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(GameFileWriter, SinglesUseAPointInACommaLocale) {
  WriterFixture f;
  f.game.trapSpeed = 3.5f;
  const std::locale saved =
      std::locale::global(std::locale(std::locale::classic(), new CommaNumbers));
  const std::string text = writeGameFile(f.game);
  std::locale::global(saved);
  EXPECT_NE(text.find("\r\n3.5\r\n"), std::string::npos);
}

TEST(GameFileSave, AutoSaveKeepsTheUnsavedIndicatorAndAFailedSaveKeepsTheOldFile) {
  WriterFixture f;
  testing::TempFolders temp;
  setGameChanged(f.game, true);
  ASSERT_TRUE(gameFileSave(f.game, temp.root() / "Games" / "autosave.tmp"));
  EXPECT_TRUE(f.game.controls.menu.get(control::SaveGameMenu).enabled);
  const auto path = temp.root() / "Games" / "race.tmq";
  ASSERT_TRUE(gameFileSave(f.game, path));
  EXPECT_FALSE(f.game.controls.menu.get(control::SaveGameMenu).enabled);
  EXPECT_FALSE(f.game.controls.toolbar.get(control::SaveGameButton).enabled);
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".saving"));

  setGameChanged(f.game, true);
  std::string why;
  EXPECT_FALSE(gameFileSave(f.game, temp.root() / "missing" / "race.tmq", &why));
  EXPECT_FALSE(why.empty());
  EXPECT_TRUE(f.game.controls.menu.get(control::SaveGameMenu).enabled);
  EXPECT_FALSE(gameFileSave(f.game, ""));
}

}  // namespace
}  // namespace tarmaq
