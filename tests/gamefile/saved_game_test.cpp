#include "gamefile/saved_game.h"

#include <gtest/gtest.h>

#include "engine/turn_controller.h"
#include "gamefile/game_file_writer.h"
#include "support/race_fixture.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

struct FileFixture : RaceFixture {
  FileFixture() {
    game.laps = 2;
    game.classFile = "basic.cls";
    game.trackFile = "ring.trk";
    game.trackVersion = "1.0";
    game.gameType = 1;
    game.startDate = 46367.5;
    car(0).teamName = "Ember Works, Ltd";
    car(1).eMail = "bob@example.test";
    car(2).clsnFlag = True;
    for (Car& c : game.cars) {
      c.lapLength.assign(3, 0);
      c.totalSpeed.assign(3, 0);
      c.avgSpeed.assign(3, 0);
    }
    car(2).avgSpeed = {0, 181.5f, 0};
    game.rules[Rule::FinishNose] = 0;
    game.currRound = 2;
    game.gameLogArray = {{"ROLL POSN 3", "POSN 0 1 2"},
                         {"", "ROUN 1", "DRVR 0", "ROLL STRT 12"},
                         {"", "ROUN 2", "DRVR 1", "ROLL GEAR WAIT", "MAIL SENT bob@example.test"}};
    game.moves = {1009, 1010};
    game.snapshot.move = 6;
    game.snapshot.laneUsed[1] = True;
    game.results[19] = 2;
    writeToGameLog(game, 30, 29, "     Driver B: close, very close", false, LogBlue);
  }
  SavedGameParse parse(const std::string& text) const { return parseSavedGame(text, Car{}); }
  std::string text() const { return writeGameFile(game, std::locale::classic()); }
};

TEST(SavedGame, ReadsBackEverythingTheWriterWrote) {
  FileFixture f;
  const auto parsed = f.parse(f.text());
  ASSERT_TRUE(parsed.game) << parsed.damage;
  const SavedGame& g = *parsed.game;
  EXPECT_EQ(g.versionLine, "Version 0.9.96");
  EXPECT_NEAR(g.startDate, 46367.5, 1e-3);
  EXPECT_EQ(g.gameType, 1);
  EXPECT_EQ(g.classFile, "basic.cls");
  EXPECT_EQ(g.laps, 2);
  EXPECT_EQ(g.rules, f.game.rules);
  ASSERT_EQ(g.cars.size(), 3u);
  for (std::size_t c = 0; c < 3; ++c) EXPECT_EQ(g.cars[c], f.game.cars[c]) << c;
  EXPECT_EQ(g.positions, f.game.positions);
  EXPECT_EQ(g.results, f.game.results);
  EXPECT_EQ(g.moves, f.game.moves);
  EXPECT_EQ(g.snapshot, f.game.snapshot);
  // The mail entry is dropped: the game resumes at the step before it.
  ASSERT_EQ(g.gameLogArray.size(), 3u);
  EXPECT_EQ(g.gameLogArray[2], (std::vector<std::string>{"ROUN 2", "DRVR 1", "ROLL GEAR WAIT"}));
  EXPECT_EQ(g.gameLogArray[1], (std::vector<std::string>{"ROUN 1", "DRVR 0", "ROLL STRT 12"}));
  ASSERT_EQ(g.logRows.size(), f.game.log.rows.size());
  EXPECT_EQ(g.logRows.back().text, "     Driver B: close, very close");
  EXPECT_EQ(g.logRows.back().color, LogBlue);
  EXPECT_EQ(checkSavedGame(g, f.game.track), "");
}

TEST(SavedGame, SavingWhatWasReadGivesTheSameFile) {
  FileFixture f;
  f.game.gameLogArray[2].pop_back();  // no mail entry, which a load drops
  const std::string first = f.text();
  const auto parsed = f.parse(first);
  ASSERT_TRUE(parsed.game);
  Game again;
  const SavedGame& g = *parsed.game;
  again.startDate = g.startDate;
  again.gameType = g.gameType;
  again.classFile = g.classFile;
  again.laps = g.laps;
  again.trackFile = g.trackFile;
  again.trackVersion = g.trackVersion;
  again.rules = g.rules;
  again.cars = g.cars;
  again.positions = g.positions;
  again.currPos = g.currPos;
  again.currCar = g.currCar;
  again.results = g.results;
  again.moves = g.moves;
  again.snapshot = g.snapshot;
  again.gameLogArray = g.gameLogArray;
  again.log.rows = g.logRows;
  again.gameLogArray[1].insert(again.gameLogArray[1].begin(), "");
  again.gameLogArray[2].insert(again.gameLogArray[2].begin(), "");
  EXPECT_EQ(writeGameFile(again, std::locale::classic()), first);
}

TEST(SavedGame, TheSlipstreamMarkIsANumberNotATruthValue) {
  // Planning marks a slipstream with 1 and the rules compare with 1; only the lane
  // flags are read as truth values.
  for (int mark : {0, 1}) {
    FileFixture f;
    f.game.snapshot.slipstream = mark;
    f.game.snapshot.laneUsed[2] = 1;
    const auto parsed = f.parse(f.text());
    ASSERT_TRUE(parsed.game) << parsed.damage;
    EXPECT_EQ(parsed.game->snapshot.slipstream, mark);
    EXPECT_EQ(parsed.game->snapshot.laneUsed[2], True);
  }
}

TEST(SavedGame, DamagedFilesAreRefusedWithAReason) {
  FileFixture f;
  const std::string good = f.text();
  auto cut = [&](const std::string& marker) { return good.substr(0, good.find("\r\n" + marker)); };
  auto replace = [&](const std::string& from, const std::string& to) {
    std::string s = good;
    s.replace(s.find(from), from.size(), to);
    return s;
  };
  struct Case {
    std::string text;
    const char* why;
  } cases[] = {
      {"", "it holds no game"},
      {cut("Game Positions"), "the running order is missing"},
      {cut("Moves()"), "the move is missing"},
      {cut("GameLog Grid"), "the game log is missing"},
      {replace("\r\n 2 \r\nring.trk", "\r\n 7 \r\nring.trk"), "its race length is not 1 to 3 laps"},
      {replace("ROLL GEAR WAIT\r\nMAIL", "\r\nMAIL"), "it has no step to resume at"},
      {cut("\r\nDriver:Driver C"), "it ends inside a car"},
  };
  for (const auto& c : cases) {
    const auto parsed = f.parse(c.text);
    EXPECT_FALSE(parsed.game) << c.why;
    EXPECT_EQ(parsed.damage, c.why);
  }
}

TEST(SavedGame, MoreThanTwentyCarsAreRefused) {
  RaceFixture f(20);
  f.game.classFile = "c.cls";
  f.game.gameLogArray = {{"ROLL POSN WAIT"}};
  EXPECT_TRUE(parseSavedGame(writeGameFile(f.game), Car{}).game);
  f.game.cars.push_back(f.game.cars[0]);
  f.game.positions.push_back(20);
  const auto parsed = parseSavedGame(writeGameFile(f.game), Car{});
  EXPECT_FALSE(parsed.game);
  EXPECT_EQ(parsed.damage, "it holds more than 20 cars");
}

TEST(SavedGame, IndicesAndLocationsAreCheckedAgainstTheCarsAndTheTrack) {
  FileFixture f;
  const SavedGame good = *f.parse(f.text()).game;
  struct Case {
    void (*spoil)(SavedGame&);
    const char* why;
  } cases[] = {
      {[](SavedGame& g) { g.positions[1] = 0; }, "the running order is not valid"},
      {[](SavedGame& g) { g.positions[1] = 7; }, "the running order is not valid"},
      {[](SavedGame& g) { g.currPos = -2; }, "the current position is not valid"},
      {[](SavedGame& g) { g.currCar = 3; }, "the current car is not valid"},
      {[](SavedGame& g) { g.results[4] = 9; }, "the results are not valid"},
      {[](SavedGame& g) { g.results[4] = 2; }, "the results are not valid"},
      {[](SavedGame& g) { g.cars[0].location = 5030; },
       "a car stands where the circuit has no space"},
      {[](SavedGame& g) { g.moves.push_back(77); }, "the move leaves the circuit"},
  };
  for (const auto& c : cases) {
    SavedGame g = good;
    c.spoil(g);
    EXPECT_EQ(checkSavedGame(g, f.game.track), c.why);
  }
  // During the grid rolls a location holds the car's roll.
  SavedGame grid = good;
  grid.gameLogArray.resize(1);
  grid.cars[0].location = 17;
  EXPECT_EQ(checkSavedGame(grid, f.game.track), "");
}

TEST(SavedGame, ABadFieldKeepsTheTemplateValueAndShiftsNothing) {
  FileFixture f;
  std::string text = f.text();
  // Car 0's tire points (the 16th line of its block) become text.
  const std::size_t team = text.find("\"Team:Ember Works, Ltd\"");
  std::size_t at = team;
  for (int line = 0; line < 15; ++line) at = text.find("\r\n", at) + 2;
  const std::size_t end = text.find("\r\n", at);
  text.replace(at, end - at, "lots");
  Car carTemplate;
  carTemplate.tires = 42;
  const auto parsed = parseSavedGame(text, carTemplate);
  ASSERT_TRUE(parsed.game) << parsed.damage;
  EXPECT_EQ(parsed.game->cars[0].tires, 42);
  EXPECT_EQ(parsed.game->cars[0].brakes, f.car(0).brakes);
}

TEST(SavedGame, FileNamesAndVersions) {
  for (const char* ok : {"Modern.cls", "ring track.trk"}) EXPECT_TRUE(isPlainFileName(ok)) << ok;
  for (const char* bad : {"", "..", "../x.trk", "a/b.cls", "C:\\x.cls", "a\\b"})
    EXPECT_FALSE(isPlainFileName(bad)) << bad;
  EXPECT_EQ(versionNumbers("Version 0.9.96"), (std::array<int, 3>{0, 9, 96}));
  EXPECT_EQ(versionNumbers("Version 0.9.100"), (std::array<int, 3>{0, 9, 100}));
  EXPECT_EQ(versionNumbers("Version 1"), (std::array<int, 3>{1, 0, 0}));
  EXPECT_EQ(versionNumbers("junk"), (std::array<int, 3>{0, 0, 0}));
}

}  // namespace
}  // namespace tarmaq
