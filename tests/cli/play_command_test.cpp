// tarmaq-cli play, game-info and resave on games written by hand: a straight sprint of
// two lanes, two cars in round 2, the second car to roll.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cli/run_cli.h"

namespace {

namespace fs = std::filesystem;

// A data folder with the test class and the sprint circuit.
struct DataFolder {
  fs::path root;
  DataFolder() {
    char pattern[] = "/tmp/tarmaq-play-XXXXXX";
    root = mkdtemp(pattern);
    for (const char* sub : {"Games", "Tracks", "Classes", "Teams"})
      fs::create_directories(root / sub);
    fs::copy_file(fs::path(TARMAQ_FIXTURES) / "tracks/sprint.trk", root / "Tracks/sprint.trk");
    fs::copy_file(fs::path(TARMAQ_FIXTURES) / "classes/basic.cls", root / "Classes/basic.cls");
  }
  ~DataFolder() { fs::remove_all(root); }
  std::string data() const { return root.string(); }
  std::string path(const std::string& name) const { return (root / name).string(); }
};

std::string game(const char* name) { return (fs::path(TARMAQ_FIXTURES) / "games" / name).string(); }

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

CliResult play(const DataFolder& d, const std::string& script,
               std::vector<std::string> extra = {}) {
  std::vector<std::string> args = {"play", game("sprint.tmq"), "--data", d.data()};
  args.insert(args.end(), extra.begin(), extra.end());
  return runCli(args, script);
}

TEST(PlayCommand, ARollAMoveAndAcceptWriteTheMoveAndItsLogLine) {
  DataFolder d;
  // A roll of 2 in first gear, two spaces straight on: the car ends directly behind
  // the other car, and the slipstream question gets No (none was queued).
  const auto r = play(d, "dice 2\nroll\nstate\nstraight\nstraight\naccept\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string first = r.out.substr(0, r.out.find('\n'));
  const std::string last = r.out.substr(r.out.find('\n') + 1);
  EXPECT_TRUE(has(first, "\"dieValue\":\"2\"")) << first;
  EXPECT_TRUE(has(first, "\"moveButtons\":[true,true,false]")) << first;
  EXPECT_TRUE(has(first, "\"acceptEnabled\":false"));
  EXPECT_TRUE(has(first, "\"ROLL GEAR 2\",\"MOVE WAIT\"]]"));

  EXPECT_TRUE(has(last, "\"DRVR 0\",\"ROLL GEAR 2\",\"MOVE 6   7\"]")) << last;
  EXPECT_TRUE(has(last, "\"text\":\"               Alice Ash moved 2\"")) << last;
  EXPECT_TRUE(has(last,
                  "\"type\":12,\"icon\":15,\"bold\":false,\"color\":0,\"text\":\"  "
                  "             Alice Ash moved 2\""));
  EXPECT_TRUE(has(last, "\"location\":7,\"status\":0"));
  EXPECT_TRUE(has(last,
                  "\"messages\":[{\"title\":\"Slipstream Possible\",\"text\":\"Your car is "
                  "eligible for a slipstream.\\r\\nWould you like to utilize it?\","
                  "\"answer\":\"no\"}]"))
      << last;
  // Round 3 begins with the car in front.
  EXPECT_TRUE(has(last, "[\"\",\"ROUN 3\",\"POSN 1 0\",\"DRVR 1\",\"ROLL GEAR WAIT\"]]"));
}

TEST(PlayCommand, AQueuedAnswerTakesTheSlipstream) {
  DataFolder d;
  const auto r = play(d, "answer yes\ndice 2\nroll\nstraight\nstraight\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.out, "\"answer\":\"yes\"")) << r.out;
  // Three spaces more, and only the free lane beside the car ahead leads on.
  EXPECT_TRUE(has(r.out,
                  "\"dieValue\":\"3\",\"dieValueShown\":true,\"moveButtons\":[true,false,"
                  "false],\"acceptEnabled\":false"))
      << r.out;
  EXPECT_TRUE(has(r.out, "\"slipstream\":1"));
}

TEST(PlayCommand, KeysPlanLikeTheButtons) {
  DataFolder d;
  // Space rolls, Up steps straight on, Backspace steps back.
  const auto keys = play(d, "dice 2\nkey 32\nkey 38\nkey 8\nkey 38\nkey 38\nanswer no\n");
  ASSERT_EQ(keys.status, 0) << keys.err;
  EXPECT_TRUE(has(keys.out, "\"moves\":[5,6,7]")) << keys.out;
  EXPECT_TRUE(has(keys.out, "\"dieValue\":\"0\"")) << keys.out;
  EXPECT_TRUE(has(keys.out, "\"acceptEnabled\":true"));
}

// The number after "key": in a JSON text.
double number(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\":");
  return at == std::string::npos ? 0 : std::atof(json.c_str() + at + key.size() + 3);
}

TEST(PlayCommand, AClickOnTheTrackPlansARunOfSpaces) {
  DataFolder d;
  const auto shown = play(d, "dice 2\nroll\n");
  ASSERT_EQ(shown.status, 0) << shown.err;
  const double zoom = number(shown.out, "zoom");
  const double x0 = number(shown.out, "offsetX"), y0 = number(shown.out, "offsetY");
  ASSERT_GT(zoom, 0);
  // Space 7 of the right lane, two spaces ahead, lies at (1500, 100) on the track.
  const std::string click =
      "click " + std::to_string(1500 * zoom + x0) + " " + std::to_string(100 * zoom + y0) + "\n";
  const auto r = play(d, "dice 2\nroll\n" + click);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.out, "\"moves\":[5,6,7]")) << r.out;
  // A click behind the car plans nothing.
  const std::string behind =
      "click " + std::to_string(700 * zoom + x0) + " " + std::to_string(100 * zoom + y0) + "\n";
  const auto none = play(d, "dice 2\nroll\n" + behind);
  EXPECT_TRUE(has(none.out, "\"moves\":[5]")) << none.out;
}

TEST(PlayCommand, BadCommandLinesAndScriptLinesSayWhatIsWrong) {
  DataFolder d;
  struct Case {
    const char* script;
    const char* says;
  } cases[] = {
      {"roll\nfly\n", "line 2: unknown command \"fly\""},
      {"gear 9\n", "line 1: a gear is 1 to 6"},
      {"dice 2 x\n", "line 1: die values are whole numbers from 1 to 99"},
      {"answer maybe\n", "line 1: answers are yes, no or ok"},
      {"key 300\n", "line 1: a key code is 0 to 255"},
      {"key 68 ctrl\n", "line 1: the only modifier is shift"},
      {"click 10\n", "line 1: usage: click X Y"},
      {"click a b\n", "line 1: a click is at two numbers, in twips"},
      {"brake 15\n", "line 1: a brake picture is 0 to 14"},
      {"\n# a comment\nroll extra\n", "line 3: usage: roll"},
      {"select 5\n", "line 1: the game has no car 5"},
  };
  for (const auto& c : cases) {
    const auto r = play(d, c.script);
    EXPECT_EQ(r.status, 2) << c.script;
    EXPECT_TRUE(has(r.err, c.says)) << c.script << " gave: " << r.err;
    EXPECT_FALSE(has(r.out, "\"cars\"")) << c.script;
  }
  EXPECT_EQ(play(d, "", {"--option", "Nonsense=1"}).status, 2);
  EXPECT_EQ(play(d, "", {"--option", "AutoSave"}).status, 2);
  EXPECT_EQ(play(d, "", {"--script", d.path("none.txt")}).status, 2);
  EXPECT_EQ(runCli({"play", d.path("none.tmq"), "--data", d.data()}).status, 2);
  EXPECT_EQ(runCli({"play"}).status, 2);
}

TEST(PlayCommand, SavesOnlyToTheNamedFile) {
  DataFolder d;
  const std::string script = d.path("moves.txt");
  std::ofstream(script) << "dice 2\nroll\nstraight\nstraight\naccept\n";
  // Automatic saves asked for, but no file named: nothing is written anywhere.
  auto r = play(d, "", {"--script", script, "--option", "AutoSave=1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_empty(d.root / "Games"));
  const std::string out = d.path("Games/after.tmq");
  r = play(d, "", {"--script", script, "--option", "AutoSave=1", "--save", out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(slurp(out), "\r\nMOVE 6   7\r\nROUN 3\r\n"));
  EXPECT_EQ(slurp(game("sprint.tmq")).find("ROUN 3"), std::string::npos);  // the input stays
  const auto info = runCli({"game-info", out, "--data", d.data()});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_TRUE(has(info.out, "\"location\":7"));
}

TEST(GameInfoCommand, ReadsAGameWrittenByHand) {
  DataFolder d;
  const auto r = runCli({"game-info", game("sprint.tmq"), "--data", d.data()});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* part :
       {"\"classFile\":\"basic.cls\"", "\"trackFile\":\"sprint.trk\"", "\"Slipstreaming\":1",
        "\"SlipstreamMove\":3", "\"FinishNose\":-1", "\"teamName\":\"Red\"",
        "\"driverName\":\"Alice Ash\"", "\"teamPicture\":\"red.bmp\"", "\"location\":5",
        "\"positions\":[1,0]", "\"currPos\":1", "\"trapSpeed\":30", "\"avgSpeed\":[30]",
        "\"displaySpeed\":31.5", "\"roundsLed\":1", "\"warnings\":[]",
        "[\"ROUN 2\",\"POSN 1 0\",\"DRVR 1\",\"ROLL GEAR 2\",\"MOVE 7   8\",\"DRVR 0\",\"ROLL GEAR "
        "WAIT\"]",
        "\"text\":\"          Waiting for Alice Ash to shift or roll for movement\""})
    EXPECT_TRUE(has(r.out, part)) << part;
}

TEST(GameInfoCommand, AFileOfTheOlder8BitProgramReadsAsLatin1AndIsSavedAsUtf8) {
  DataFolder d;
  const std::string bytes = slurp(game("latin1.tmq"));
  ASSERT_TRUE(has(bytes, "Driver:Hans M\xFCller\r\n"));  // one byte per letter
  ASSERT_TRUE(has(bytes, "Team:\xC9quipe\r\n"));
  const auto info = runCli({"game-info", game("latin1.tmq"), "--data", d.data()});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_TRUE(has(info.out, "\"driverName\":\"Hans M\xC3\xBCller\"")) << info.out;
  EXPECT_TRUE(has(info.out, "\"teamName\":\"\xC3\x89quipe\""));
  EXPECT_TRUE(has(info.out, "Current Driver: Hans M\xC3\xBCller\""));
  const std::string out = d.path("Games/utf8.tmq");
  ASSERT_EQ(runCli({"resave", game("latin1.tmq"), out, "--data", d.data()}).status, 0);
  const std::string saved = slurp(out);
  EXPECT_TRUE(has(saved, "\r\nDriver:Hans M\xC3\xBCller\r\n"));
  EXPECT_TRUE(has(saved, "\r\nTeam:\xC3\x89quipe\r\n"));
  // Read again, the UTF-8 file gives the same names, not doubly converted ones.
  const auto again = runCli({"game-info", out, "--data", d.data()});
  EXPECT_TRUE(has(again.out, "\"driverName\":\"Hans M\xC3\xBCller\"")) << again.out;
}

TEST(GameInfoCommand, ABlankLastLineMakesNoEmptyLogRow) {
  DataFolder d;
  const std::string file = d.path("Games/blank.tmq");
  std::ofstream(file, std::ios::binary) << slurp(game("sprint.tmq")) << "\r\n";
  const auto r = runCli({"game-info", file, "--data", d.data()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(has(r.out, "\"text\":\"\"}")) << r.out;
  EXPECT_TRUE(has(r.out, "Current Driver: Alice Ash\"},{"));  // the waiting line follows
}

}  // namespace
