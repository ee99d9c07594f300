#include "log/race_header.h"

#include <gtest/gtest.h>

#include "engine/dates.h"
#include "support/race_fixture.h"

namespace tarmaq {
namespace {

using testing::RaceFixture;

std::vector<std::string> texts(const Game& game) {
  std::vector<std::string> out;
  for (const auto& row : game.log.rows) out.push_back(row.text);
  return out;
}

bool has(const std::vector<std::string>& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

TEST(Dates, LongDateAndTwelveHourClockInAFixedLocale) {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 11;
  t.tm_hour = 15;
  t.tm_min = 4;
  t.tm_sec = 9;
  const double date = dateFromLocal(t);
  EXPECT_NEAR(date, 46367.6278, 1e-3);  // days since 30 December 1899
  EXPECT_EQ(formatLongDate(date, std::locale::classic()), "Friday, December 11, 2026");
  EXPECT_EQ(formatTimeAmPm(date, std::locale::classic()), "03:04:09 PM");
  t.tm_hour = 0;
  EXPECT_EQ(formatTimeAmPm(dateFromLocal(t), std::locale::classic()), "12:04:09 AM");
}

struct HeaderFixture : RaceFixture {
  HeaderFixture() : RaceFixture(3) {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 0;
    t.tm_mday = 2;
    t.tm_hour = 9;
    game.startDate = dateFromLocal(t);
    game.laps = 2;
    game.trackFile = "ring.trk";
    game.trackVersion = "1.2";
    game.track.info.name = "Ring";
    car(0).teamName = "Alpha";
    car(1).teamName = "Alpha";
    car(2).teamName = "Beta";
  }
};

TEST(RaceHeader, WritesTheSetUpOfTheRaceInOrder) {
  HeaderFixture f;
  writeRaceHeader(f.game, std::locale::classic());
  const auto lines = texts(f.game);
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[0], "Round 0 (Pre-Race)");
  EXPECT_TRUE(f.game.log.rows[0].bold);
  EXPECT_EQ(f.game.log.rows[0].entryType, 1);
  EXPECT_EQ(lines[1], "Race start date/time: Friday, January 02, 2026, 09:00:00 AM");
  EXPECT_EQ(lines[2], "Created with Tarmaq version: 0.9.96");
  EXPECT_EQ(lines[3], "Game Type: Local");
  EXPECT_EQ(lines[4], "Race length: 2 laps");
  EXPECT_EQ(lines[5], "Circuit: Ring (ring.trk)");
  EXPECT_EQ(lines[6], "Circuit File Version: 1.2");
  EXPECT_EQ(lines[7], "Active Rule: Possible Bad Starts");
  EXPECT_EQ(lines[8], "     Bad Starts on rolls of: 1");
  EXPECT_EQ(lines[9], "Active Rule: Possible Flying Starts");
  EXPECT_EQ(lines[10], "     Flying Starts on rolls of: 20");
  EXPECT_EQ(lines[11], "     Flying Start moves player 4 spaces");
  EXPECT_TRUE(has(lines, "     Possible Engine Damage in: 5th Gear +"));
  EXPECT_TRUE(has(lines, "     Engine Damage on rolls of: 1 - 4"));
  EXPECT_TRUE(has(lines, "Active Rule: Possibile Rear and Side Collisions (Body Wear)"));
  EXPECT_TRUE(has(lines, "     Quick Pit Stops on rolls of: 1 - 10"));
  EXPECT_TRUE(has(lines, "     Possible Slipstreaming in: 4th Gear +"));
  EXPECT_TRUE(has(lines, "     Slipstream adds 3 spaces to move"));
  EXPECT_TRUE(has(lines, "Active Rule: Race complete when front of car crosses the finish line"));
  const std::vector<std::string> tail(lines.end() - 6, lines.end());
  EXPECT_EQ(tail,
            (std::vector<std::string>{"Participating Teams and Drivers:", "     Team: Alpha",
                                      "          Driver: Driver A", "          Driver: Driver B",
                                      "     Team: Beta", "          Driver: Driver C"}));
  for (std::size_t i = 1; i < f.game.log.rows.size(); ++i)
    EXPECT_EQ(f.game.log.rows[i].entryType, 0) << lines[i];
}

TEST(RaceHeader, RuleDetailsFollowTheThresholds) {
  HeaderFixture f;
  f.game.rules[Rule::BadStartRoll] = 3;
  f.game.rules[Rule::FlyingStartRoll] = 17;
  f.game.rules[Rule::CollisionRoll] = 1;
  f.game.rules[Rule::FinishNose] = 0;
  f.game.rules[Rule::Blocking] = 0;
  writeRaceHeader(f.game, std::locale::classic());
  const auto lines = texts(f.game);
  EXPECT_TRUE(has(lines, "     Bad Starts on rolls of: 1 - 3"));
  EXPECT_TRUE(has(lines, "     Flying Starts on rolls of: 17 - 20"));
  EXPECT_TRUE(has(lines, "     Collisions on rolls of: 1"));
  EXPECT_TRUE(has(lines, "Active Rule: Race complete when entire car crosses the finish line"));
  EXPECT_FALSE(has(lines, "Active Rule: Blocking (Brake, Tire Wear)"));
}

TEST(RaceHeader, EMailGameListsEveryPlayersAddressAndFiltersHideTheHeader) {
  HeaderFixture f;
  f.game.gameType = 1;
  for (int c = 0; c < 3; ++c) f.car(c).eMail = "p" + std::to_string(c) + "@example.test";
  f.game.options.showInGameLog[0] = false;
  writeRaceHeader(f.game, std::locale::classic());
  const auto lines = texts(f.game);
  EXPECT_EQ(lines[3], "Game Type: E-Mail");
  EXPECT_EQ(lines.back(), "               Player's E-Mail: p2@example.test");
  EXPECT_EQ(f.game.log.rows.back().icon, 41);
  for (std::size_t i = 0; i < f.game.log.rows.size(); ++i)
    EXPECT_EQ(f.game.log.rows[i].height, i == 0 ? LogRowHeight : 0) << lines[i];
}

}  // namespace
}  // namespace tarmaq
