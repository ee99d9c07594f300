#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cli/run_cli.h"

namespace {

struct TempDir {
  std::filesystem::path path;
  TempDir() {
    char pattern[] = "/tmp/tarmaq-cli-XXXXXX";
    path = mkdtemp(pattern);
  }
  ~TempDir() { std::filesystem::remove_all(path); }
};

TEST(NewGameCommand, BuildsAndSavesAGameThatGameInfoReads) {
  TempDir dir;
  const std::string file = (dir.path / "race.tmq").string();
  auto made = runCli({"new-game", file, "--track", "VelmontPark.trk", "--class", "Vintage.cls",
                      "--cars", "5", "--laps", "1", "--grid", "random", "--seed", "4"});
  ASSERT_EQ(made.status, 0) << made.err;
  auto info = runCli({"game-info", file});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("\"classFile\":\"Vintage.cls\""), std::string::npos);
  EXPECT_NE(info.out.find("\"TirePitStops\":0"), std::string::npos);  // a 1-lap race
  EXPECT_NE(info.out.find("\"ROLL STRT WAIT\"]]"), std::string::npos);
  EXPECT_NE(info.out.find("Starting grid positions set randomly"), std::string::npos);
  EXPECT_NE(info.out.find("\"warnings\":[]"), std::string::npos);
}

TEST(NewGameCommand, EMailGamesNeedAnAddressPerCar) {
  TempDir dir;
  const std::string file = (dir.path / "mail.tmq").string();
  auto bad = runCli({"new-game", file, "--track", "VelmontPark.trk", "--class", "Modern.cls",
                     "--cars", "2", "--laps", "2", "--game-type", "email", "--emails", "a@x.test"});
  EXPECT_EQ(bad.status, 2);
  auto good =
      runCli({"new-game", file, "--track", "VelmontPark.trk", "--class", "Modern.cls", "--cars",
              "2", "--laps", "2", "--game-type", "email", "--emails", "a@x.test,b@x.test"});
  ASSERT_EQ(good.status, 0) << good.err;
  auto info = runCli({"game-info", file});
  EXPECT_NE(info.out.find("\"eMail\":\"b@x.test\""), std::string::npos);
  EXPECT_NE(info.out.find("\"gameType\":1"), std::string::npos);
}

TEST(GameInfoCommand, MissingAndDamagedFilesExitWithStatusTwo) {
  TempDir dir;
  EXPECT_EQ(runCli({"game-info", (dir.path / "none.tmq").string()}).status, 2);
  const std::string junk = (dir.path / "junk.tmq").string();
  std::ofstream(junk) << "Version 0.9.96\n";
  auto r = runCli({"game-info", junk});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Game File Damaged"), std::string::npos) << r.err;
}

TEST(ResaveCommand, WritesTheSameGameBack) {
  TempDir dir;
  const std::string first = (dir.path / "a.tmq").string();
  const std::string second = (dir.path / "b.tmq").string();
  const std::string third = (dir.path / "c.tmq").string();
  ASSERT_EQ(runCli({"new-game", first, "--track", "PortCastellane.trk", "--class", "Modern.cls",
                    "--cars", "3", "--laps", "3"})
                .status,
            0);
  ASSERT_EQ(runCli({"resave", first, second}).status, 0);
  ASSERT_EQ(runCli({"resave", second, third}).status, 0);
  EXPECT_EQ(slurp(second), slurp(third));
}

}  // namespace

namespace {

TEST(SimulateCommand, FinishesRacesOnEveryCircuitAndClassAndRepeatsWithTheSameSeed) {
  for (const char* track : {"BrackwoodRing.trk", "PortCastellane.trk", "VelmontPark.trk"}) {
    for (const char* raceClass : {"Modern.cls", "Vintage.cls"}) {
      auto r = runCli({"simulate", "--track", track, "--class", raceClass, "--cars", "6", "--laps",
                       "2", "--seed", "11", "--rules", "all"});
      ASSERT_EQ(r.status, 0) << track << " " << raceClass << ": " << r.err << r.out;
      EXPECT_NE(r.out.find("\"finished\":true"), std::string::npos);
    }
  }
  auto a = runCli({"simulate", "--track", "VelmontPark.trk", "--class", "Modern.cls", "--cars", "4",
                   "--laps", "1", "--seed", "5", "--rules", "none", "--log"});
  auto b = runCli({"simulate", "--track", "VelmontPark.trk", "--class", "Modern.cls", "--cars", "4",
                   "--laps", "1", "--seed", "5", "--rules", "none", "--log"});
  auto cut = [](const std::string& s) { return s.substr(0, s.find("\"seconds\"")); };
  EXPECT_EQ(cut(a.out), cut(b.out));
  EXPECT_NE(a.out.find("\"log\":[{\"type\":1"), std::string::npos);
}

}  // namespace
