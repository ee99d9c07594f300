#include "gamefile/game_file_open.h"

#include <gtest/gtest.h>

#include <fstream>

#include "engine/rolls.h"
#include "engine/turn_controller.h"
#include "gamefile/game_file_writer.h"
#include "support/shipped_game.h"

namespace tarmaq {
namespace {

using testing::ShippedGame;
using testing::shippedSetup;
using testing::TestGame;

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(NewGame, RollsForTheGridOnAShippedCircuit) {
  ShippedGame s;
  ASSERT_TRUE(buildNewGame(s.game, shippedSetup(3, 2)));
  EXPECT_EQ(s.game.track.info.name.empty(), false);
  EXPECT_EQ(*s.game.currentStep(), "ROLL POSN WAIT");
  EXPECT_EQ(s.game.log.rows.front().text, "Round 0 (Pre-Race)");
  EXPECT_EQ(s.game.log.rows.back().text,
            "          Waiting for Driver 1 to roll for grid position");
}

TEST(NewGame, ASetGridStartsTheRaceAtOnce) {
  ShippedGame s;
  auto setup = shippedSetup(3, 1);
  setup.grid = GridMode::Manual;
  setup.gridOrder = {2, 0, 1};
  ASSERT_TRUE(buildNewGame(s.game, setup));
  EXPECT_EQ(s.game.currRound, 1);
  EXPECT_EQ(s.game.currCar, 2);
  EXPECT_EQ(*s.game.currentStep(), "ROLL STRT WAIT");
  EXPECT_EQ(s.game.cars[2].location, s.game.track.gridLocations[1]);
  bool logged = false;
  for (const auto& row : s.game.log.rows)
    logged |= row.text == "Starting grid positions set manually";
  EXPECT_TRUE(logged);
}

TEST(GameFileOpen, ResumesAtTheWaitingStepWithTheSameState) {
  ShippedGame s;
  auto setup = shippedSetup(4, 2);
  setup.grid = GridMode::Manual;
  ASSERT_TRUE(buildNewGame(s.game, setup));
  s.game.forcedRolls = {9};
  rollCommand(s.game, RollBy::Player);
  fireTimer(s.game, TimerId::NormalStart);
  ASSERT_EQ(*s.game.currentStep(), "ROLL GEAR WAIT");
  const auto path = s.temp.root() / "Games" / "race.tmq";
  ASSERT_TRUE(gameFileSave(s.game, path));

  TestGame other;
  s.attach(other);
  ASSERT_EQ(gameFileOpen(other.game, path), OpenResult::Opened);
  const Game& a = s.game;
  const Game& b = other.game;
  EXPECT_EQ(b.cars, a.cars);
  EXPECT_EQ(b.positions, a.positions);
  EXPECT_EQ(b.snapshot, a.snapshot);
  EXPECT_EQ(b.rules, a.rules);
  EXPECT_EQ(b.currRound, a.currRound);
  EXPECT_EQ(*b.currentStep(), "ROLL GEAR WAIT");
  EXPECT_EQ(b.pitColors, a.pitColors);
  EXPECT_EQ(b.track.info.name, a.track.info.name);
  EXPECT_EQ(b.log.rows.back().text, a.log.rows.back().text);  // the waiting line again
  EXPECT_FALSE(b.controls.menu.get(control::SaveGameMenu).enabled);
  EXPECT_TRUE(other.frontend.messages.empty());
  // Saved again, the file is the same.
  const auto again = s.temp.root() / "Games" / "again.tmq";
  ASSERT_TRUE(gameFileSave(other.game, again));
  EXPECT_EQ(slurp(again), slurp(path));
}

TEST(GameFileOpen, AFileThatCannotBeUsedLeavesTheCurrentGameAsItWas) {
  ShippedGame s;
  ASSERT_TRUE(buildNewGame(s.game, shippedSetup(2, 1)));
  const auto before = s.game.cars;
  const auto games = s.temp.root() / "Games";
  std::ofstream(games / "junk.tmq") << "\x01\x02 not a game";
  EXPECT_EQ(gameFileOpen(s.game, games / "junk.tmq"), OpenResult::Damaged);
  EXPECT_EQ(s.frontend.messages.back().title, "Game File Damaged");
  EXPECT_EQ(gameFileOpen(s.game, games / "none.tmq"), OpenResult::NotFound);
  EXPECT_EQ(s.frontend.messages.back().title, "Game File Not Found");
  EXPECT_EQ(s.frontend.messages.back().text,
            "The game file you specified:\r\n" + (games / "none.tmq").string() +
                "\r\ncould not be found. Please check the file location and try again");
  EXPECT_EQ(s.game.cars, before);
  EXPECT_EQ(*s.game.currentStep(), "ROLL POSN WAIT");
}

TEST(GameFileOpen, MissingCircuitOrFolderPartsAreRefusedBeforeTheReset) {
  ShippedGame s;
  ASSERT_TRUE(buildNewGame(s.game, shippedSetup(2, 1)));
  const auto path = s.temp.root() / "Games" / "race.tmq";
  ASSERT_TRUE(gameFileSave(s.game, path));
  std::string text = slurp(path);
  auto edited = [&](const std::string& from, const std::string& to) {
    std::string t = text;
    t.replace(t.find(from), from.size(), to);
    const auto p = s.temp.root() / "Games" / "edited.tmq";
    std::ofstream(p, std::ios::binary) << t;
    return p;
  };
  const auto before = s.game.cars;
  EXPECT_EQ(gameFileOpen(s.game, edited("\r\nBrackwoodRing.trk\r\n", "\r\nGone.trk\r\n")),
            OpenResult::CriticalError);
  EXPECT_EQ(s.frontend.messages.back().title, "Critical Error - Track File Missing");
  EXPECT_EQ(gameFileOpen(s.game, edited("\r\nModern.cls\r\n", "\r\n../Classes/Modern.cls\r\n")),
            OpenResult::Damaged);
  EXPECT_EQ(s.game.cars, before);
}

TEST(GameFileOpen, VersionWarningsCompareNumbers) {
  struct Case {
    const char* version;
    int warnings;
    MessageIcon icon;
  } cases[] = {{"Version 0.9.96", 0, MessageIcon::None},
               {"Version 0.9.9", 0, MessageIcon::None},
               {"Version 0.8.99", 0, MessageIcon::None},
               {"Version 0.9.100", 1, MessageIcon::Warning},
               {"Version 1.0.0", 1, MessageIcon::Error}};
  ShippedGame s;
  ASSERT_TRUE(buildNewGame(s.game, shippedSetup(2, 1)));
  const auto path = s.temp.root() / "Games" / "race.tmq";
  ASSERT_TRUE(gameFileSave(s.game, path));
  const std::string text = slurp(path);
  for (const auto& c : cases) {
    std::string t = text;
    t.replace(t.find("Version 0.9.96"), 14, c.version);
    std::ofstream(path, std::ios::binary) << t;
    TestGame other;
    s.attach(other);
    ASSERT_EQ(gameFileOpen(other.game, path), OpenResult::Opened) << c.version;
    ASSERT_EQ(static_cast<int>(other.frontend.messages.size()), c.warnings) << c.version;
    if (c.warnings) {
      EXPECT_EQ(other.frontend.messages[0].title, "Version Warning");
      EXPECT_EQ(other.frontend.messages[0].icon, c.icon);
    }
  }
}

TEST(GameFileOpen, EMailGameAsksForTheLocalAddressWhenNoCarIsOurs) {
  ShippedGame s;
  auto setup = shippedSetup(2, 1);
  setup.gameType = 1;
  setup.teams[0].drivers[0].eMail = "alice@example.test";
  setup.teams[0].drivers[1].eMail = "bob@example.test";
  ASSERT_TRUE(buildNewGame(s.game, setup));
  advanceGame(s.game, "MAIL SENT bob@example.test");
  const auto path = s.temp.root() / "Games" / "mailed.tmq";
  ASSERT_TRUE(gameFileSave(s.game, path));
  TestGame bob;
  s.attach(bob);
  bob.frontend.localAddressChoice = 1;
  ASSERT_EQ(gameFileOpen(bob.game, path), OpenResult::Opened);
  ASSERT_EQ(bob.frontend.localAddressPrompts.size(), 1u);
  EXPECT_EQ(bob.game.options.localEMail, "bob@example.test");
  EXPECT_EQ(bob.settings.value("Settings", "LocalEMail"), "bob@example.test");
  EXPECT_EQ(*bob.game.currentStep(), "ROLL POSN WAIT");  // the mail entry is gone
  TestGame alice;
  s.attach(alice);
  alice.game.options.localEMail = "ALICE@example.test";
  ASSERT_EQ(gameFileOpen(alice.game, path), OpenResult::Opened);
  EXPECT_TRUE(alice.frontend.localAddressPrompts.empty());
}

TEST(GameFileOpen, AGameSavedDuringAResultPauseResumesThePause) {
  ShippedGame s;
  auto setup = shippedSetup(2, 1);
  setup.grid = GridMode::Manual;
  ASSERT_TRUE(buildNewGame(s.game, setup));
  s.game.forcedRolls = {9};
  rollCommand(s.game, RollBy::Player);
  ASSERT_EQ(*s.game.currentStep(), "ROLL STRT 9");
  const auto path = s.temp.root() / "Games" / "pause.tmq";
  ASSERT_TRUE(gameFileSave(s.game, path));
  TestGame other;
  s.attach(other);
  ASSERT_EQ(gameFileOpen(other.game, path), OpenResult::Opened);
  EXPECT_EQ(*other.game.currentStep(), "ROLL STRT 9");
  EXPECT_TRUE(other.game.timers[TimerId::NormalStart].enabled);
  EXPECT_EQ(other.game.cars[0].gear, 1);  // not shifted twice
  fireTimer(other.game, TimerId::NormalStart);
  EXPECT_EQ(*other.game.currentStep(), "ROLL GEAR WAIT");
}

}  // namespace
}  // namespace tarmaq

namespace tarmaq {
namespace {

using testing::ShippedGame;
using testing::shippedSetup;
using testing::TestGame;

// A game on the shipped circuit with a set grid, its first car's start rolled (9, a
// normal start) and the game saved, and a second installation that loads it.
struct SavedAfterStart {
  ShippedGame s;
  TestGame other;
  std::filesystem::path path;
  explicit SavedAfterStart(bool firePause) {
    auto setup = shippedSetup(3, 1);
    setup.grid = GridMode::Manual;
    EXPECT_TRUE(buildNewGame(s.game, setup));
    s.game.forcedRolls = {9};
    rollCommand(s.game, RollBy::Player);
    if (firePause) fireTimer(s.game, TimerId::NormalStart);
    path = s.temp.root() / "Games" / "start.tmq";
    EXPECT_TRUE(gameFileSave(s.game, path));
    s.attach(other);
  }
};

TEST(GameFileOpen, AResultPauseShowsTheEventDieWithTheRolledValue) {
  SavedAfterStart f(false);
  ASSERT_EQ(gameFileOpen(f.other.game, f.path), OpenResult::Opened);
  const DiePanel& die = f.other.game.controls.diePanel;
  EXPECT_EQ(die.dieKind, 0);
  EXPECT_EQ(die.valueText, "9");
  EXPECT_TRUE(die.valueVisible);
  EXPECT_EQ(die.dieKind, f.s.game.controls.diePanel.dieKind);
  EXPECT_EQ(die.valueText, f.s.game.controls.diePanel.valueText);
}

TEST(GameFileOpen, TheFirstRoundOffersFirstGearOnlyAlsoAfterALoad) {
  SavedAfterStart f(true);
  ASSERT_EQ(*f.s.game.currentStep(), "ROLL GEAR WAIT");
  ASSERT_EQ(f.s.game.cars[static_cast<std::size_t>(f.s.game.currCar)].gear, 1);
  ASSERT_EQ(gameFileOpen(f.other.game, f.path), OpenResult::Opened);
  for (const Game* g : {&f.s.game, &f.other.game}) {
    const auto& gears = g->controls.driverCard.gears;
    EXPECT_TRUE(gears[0].enabled);
    for (std::size_t i = 1; i < gears.size(); ++i) EXPECT_FALSE(gears[i].enabled) << i + 1;
  }
  // The loaded game rolls the first-gear die, as the one that was saved would.
  selectGear(f.other.game, 2);
  EXPECT_EQ(f.other.game.snapshot.gear, 1);
}

TEST(GameFileOpen, ThePreRaceLogStaysOpenWhenLoadedWithAutoCollapse) {
  ShippedGame s;
  ASSERT_TRUE(buildNewGame(s.game, shippedSetup(3, 1)));  // rolling for the grid
  const auto path = s.temp.root() / "Games" / "grid.tmq";
  ASSERT_TRUE(gameFileSave(s.game, path));
  TestGame other;
  s.attach(other);
  other.game.options.autoCollapse = true;
  ASSERT_EQ(gameFileOpen(other.game, path), OpenResult::Opened);
  const auto& rows = other.game.log.rows;
  EXPECT_EQ(rows.front().text, "Round 0 (Pre-Race)");
  EXPECT_NE(rows.front().icon, 42);
  EXPECT_GT(rows.back().height, 0);  // the line the game waits at is shown
  const auto again = s.temp.root() / "Games" / "again.tmq";
  ASSERT_TRUE(gameFileSave(other.game, again));
  EXPECT_EQ(slurp(again), slurp(path));
}

}  // namespace
}  // namespace tarmaq
