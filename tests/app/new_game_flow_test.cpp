// The set-up of a new race driven through its dialogs, as a player clicks them.
#include "app/new_game_flow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <filesystem>

#include "app/address_book_window.h"
#include "app/new_game_window.h"
#include "app/panels.h"
#include "app/pit_order_window.h"
#include "app/rules_window.h"
#include "app/starting_grid_window.h"
#include "app/team_slot_widget.h"
#include "app/track_view_widget.h"
#include "app/widget_support.h"
#include "log/game_log.h"
#include "setup/team_list.h"
#include "support/fakes.h"

namespace tarmaq::testing {
namespace {

void choose(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  Q_EMIT box->activated(index);
}

bool logHas(const Game& g, const std::string& text) {
  for (const auto& row : g.log.rows)
    if (row.text.find(text) != std::string::npos) return true;
  return false;
}

struct FlowFixture : WindowFixture {
  NewGameFlow& flow() { return window->newGameFlow(); }
  NewGameWindow& dialog() {
    if (!flow().newGameWindow()) window->menuAction("&New Game")->trigger();
    return *flow().newGameWindow();
  }
  // Teams at these list positions into slots 1, 2, ...
  void teams(std::initializer_list<int> positions) {
    int s = 0;
    for (int p : positions) choose(dialog().slot(s++)->teamList(), p);
  }
  PitOrderWindow& confirmNewGame() {
    dialog().okButton()->click();
    EXPECT_NE(flow().pitOrderWindow(), nullptr);
    return *flow().pitOrderWindow();
  }
};

TEST(NewGameFlow, FromNewGameToRoundZeroWithTheGridSetByHand) {
  FlowFixture f;
  NewGameWindow& w = f.dialog();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.gameTypeList()->currentText(), QStringLiteral("Local"));
  EXPECT_EQ(w.raceTypeList()->currentText(), QStringLiteral("1 Lap Race"));
  EXPECT_EQ(w.playersLabel()->text(), QStringLiteral("20 Players max."));
  EXPECT_FALSE(w.okButton()->isEnabled());
  choose(w.raceTypeList(), 2);
  choose(w.circuitList(), 1);
  f.teams({3, 1, 5});
  // A team chosen ticks its drivers; the player drops one again.
  EXPECT_TRUE(w.slot(1)->driverBox(1)->isChecked());
  w.slot(1)->driverBox(1)->click();
  EXPECT_FALSE(w.slot(1)->driverBox(1)->isChecked());
  EXPECT_TRUE(w.okButton()->isEnabled());
  EXPECT_FALSE(w.slot(3)->driverBox(0)->isEnabled());
  EXPECT_EQ(w.slot(3)->driverBox(0)->text(), QStringLiteral("Driver 1"));
  const QString firstDriver = w.slot(0)->driverBox(0)->text();

  PitOrderWindow& pits = f.confirmNewGame();
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(pits.isVisible());
  pits.setGridButton()->click();
  StartingGridWindow* grid = f.flow().startingGridWindow();
  ASSERT_NE(grid, nullptr);
  ASSERT_EQ(grid->positions(), 5);
  EXPECT_EQ(grid->driverList(0)->currentText(), firstDriver.toUpper());
  EXPECT_FALSE(grid->loadButton()->isEnabled());
  choose(grid->driverList(0), 4);
  EXPECT_EQ(grid->driverList(4)->currentIndex(), 0);
  // Nothing is built before the last dialog is done.
  EXPECT_TRUE(f.window->game().cars.empty());
  grid->startButton()->click();

  const Game& g = f.window->game();
  ASSERT_EQ(g.carCount(), 5);
  EXPECT_EQ(g.laps, 2);
  EXPECT_EQ(g.trackFile, "PortCastellane.trk");
  EXPECT_EQ(g.cars[0].driverName, firstDriver.toStdString());
  EXPECT_EQ(g.positions[0], 4);
  EXPECT_EQ(g.positions[4], 0);
  EXPECT_TRUE(logHas(g, "Starting grid positions set manually"));
  EXPECT_NE(g.startDate, 0);
  EXPECT_TRUE(f.window->trackView()->isVisibleTo(f.window.get()));
  EXPECT_FALSE(f.flow().running());
}

TEST(NewGameFlow, TheEleventhDriverOnATenPlaceCircuitIsRefusedWithTheWarning) {
  FlowFixture f;
  NewGameDialog model = NewGameDialog::open(f.folders, *f.settings, false);
  model.circuits.push_back({"Ten Places", "ten.trk"});
  model.circuitPlaces.push_back(10);
  ScriptedFrontend frontend;
  NewGameWindow w(model, &f.folders, f.settings.get(), frontend);
  choose(w.circuitList(), static_cast<int>(model.circuits.size()) - 1);
  EXPECT_EQ(w.playersLabel()->text(), QStringLiteral("10 Players max."));
  for (int s = 0; s < 5; ++s) choose(w.slot(s)->teamList(), s + 1);
  EXPECT_TRUE(w.nextTeamsButton()->isHidden());
  // The tenth driver leaves no room: the sixth slot's list stays off.
  EXPECT_FALSE(w.slot(5)->teamList()->isEnabled());
  w.slot(4)->driverBox(1)->click();
  EXPECT_FALSE(w.nextTeamsButton()->isHidden());
  w.nextTeamsButton()->click();
  EXPECT_TRUE(w.slot(5)->isVisibleTo(&w));
  EXPECT_FALSE(w.slot(0)->isVisibleTo(&w));
  choose(w.slot(5)->teamList(), 6);
  EXPECT_TRUE(w.slot(5)->driverBox(0)->isChecked());
  EXPECT_FALSE(w.slot(5)->driverBox(1)->isChecked());
  w.slot(5)->driverBox(1)->click();
  EXPECT_FALSE(w.slot(5)->driverBox(1)->isChecked());
  ASSERT_EQ(frontend.messages.size(), 1u);
  EXPECT_EQ(frontend.messages[0].title, "Maximum Drivers Selected");
  EXPECT_EQ(model.selected, 10);
  EXPECT_TRUE(w.okButton()->isEnabled());
  w.firstTeamsButton()->click();
  EXPECT_TRUE(w.slot(0)->isVisibleTo(&w));
}

TEST(NewGameFlow, TeamsSixToTenAloneMakeARaceAndOneLapHasNoPitStops) {
  FlowFixture f;
  NewGameWindow& w = f.dialog();
  choose(w.raceTypeList(), 3);
  f.teams({6, 7, 8, 9, 10});
  // Three laps tick both pit-stop rules; choosing one lap afterwards switches them off.
  w.rulesButton()->click();
  RulesWindow* rules = f.flow().rulesWindow();
  ASSERT_NE(rules, nullptr);
  EXPECT_TRUE(rules->check(9)->isChecked());
  EXPECT_TRUE(rules->check(19)->isEnabled());
  rules->okButton()->click();
  choose(w.raceTypeList(), 1);
  EXPECT_TRUE(w.okButton()->isEnabled());
  f.confirmNewGame().rollButton()->click();
  const Game& g = f.window->game();
  ASSERT_EQ(g.carCount(), 10);
  EXPECT_EQ(g.cars[0].teamName, f.window->game().cars[0].teamName);
  EXPECT_EQ(g.rules[Rule::TirePitStops], 0);
  EXPECT_EQ(g.rules[Rule::FullPitStops], 0);
  EXPECT_TRUE(logHas(g, "Players roll for starting grid positions"));
}

TEST(NewGameFlow, RemovingTeamTwoMovesTheLaterSlotsUp) {
  FlowFixture f;
  NewGameWindow& w = f.dialog();
  f.teams({1, 2, 3, 4});
  const QString third = w.slot(2)->teamList()->currentText();
  const QString fourth = w.slot(3)->teamList()->currentText();
  choose(w.slot(1)->teamList(), 0);
  EXPECT_EQ(w.slot(1)->teamList()->currentText(), third);
  EXPECT_EQ(w.slot(2)->teamList()->currentText(), fourth);
  EXPECT_EQ(w.slot(3)->teamList()->currentText(), QStringLiteral("Not Participating"));
  EXPECT_FALSE(w.slot(3)->driverBox(0)->isEnabled());
  EXPECT_TRUE(w.slot(3)->teamList()->isEnabled());
  EXPECT_FALSE(w.slot(4)->teamList()->isEnabled());
  EXPECT_TRUE(w.slot(3)->teamPicture()->isHidden());
  EXPECT_FALSE(w.slot(1)->teamPicture()->isHidden());
  // The slot's background is the team colour, each driver box the driver's.
  const std::vector<Team> table = enabledTeams(f.folders, *f.settings);
  const Team& shown = table[2];
  EXPECT_TRUE(w.slot(1)->autoFillBackground());
  EXPECT_EQ(w.slot(1)->palette().color(QPalette::Window).rgb(), fileColor(shown.color).rgb());
  EXPECT_TRUE(
      w.slot(1)->driverBox(1)->styleSheet().contains(fileColor(shown.drivers[1].color).name()));
  EXPECT_FALSE(w.slot(3)->autoFillBackground());
  EXPECT_TRUE(w.slot(3)->driverBox(1)->styleSheet().isEmpty());
}

TEST(NewGameFlow, PitOrderWithThreeAndWithSevenTeams) {
  struct Case {
    int teams;
    std::vector<bool> labelled;  // rows 0-9
    std::vector<bool> switches;  // rows 0-4
  } const cases[] = {
      {3,
       {true, true, true, false, false, true, true, true, false, false},
       {true, true, true, false, false}},
      {7,
       {false, false, true, true, true, false, false, true, true, true},
       {false, false, true, true, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.teams);
    FlowFixture f;
    std::vector<int> positions;
    for (int t = 1; t <= c.teams; ++t) positions.push_back(t);
    int s = 0;
    for (int p : positions) {
      if (s == 5) f.dialog().nextTeamsButton()->click();
      choose(f.dialog().slot(s++)->teamList(), p);
    }
    PitOrderWindow& pits = f.confirmNewGame();
    for (int r = 0; r < 10; ++r) {
      EXPECT_EQ(pits.teamList(r)->isVisibleTo(&pits), r < c.teams) << r;
      EXPECT_EQ(pits.driverLabel(r)->isVisibleTo(&pits), c.labelled[static_cast<std::size_t>(r)])
          << r;
      if (r < 5) {
        EXPECT_EQ(pits.switchButton(r)->isVisibleTo(&pits), c.switches[static_cast<std::size_t>(r)])
            << r;
      }
    }
    // Rows 0 and 2 exchange their teams; "Switch" on row 2 gives its second driver the pit.
    const QString rowTwo = pits.teamList(2)->currentText();
    choose(pits.teamList(0), 2);
    EXPECT_EQ(pits.teamList(0)->currentText(), rowTwo);
    EXPECT_EQ(pits.teamList(2)->currentIndex(), 0);
    const QString before = pits.driverLabel(2)->text();
    pits.switchButton(2)->click();
    EXPECT_EQ(pits.driverLabel(7)->text(), before);
    pits.rollButton()->click();
    const Game& g = f.window->game();
    ASSERT_EQ(g.carCount(), 2 * c.teams);
    // The first team now stands on row 2 with its drivers switched.
    EXPECT_EQ(g.cars[0].pitSpace, 7);
    EXPECT_EQ(g.cars[1].pitSpace, 2);
    EXPECT_EQ(g.pitColors[2], g.cars[0].color[0]);
    EXPECT_EQ(g.cars[4].pitSpace, 0);
  }
}

TEST(NewGameFlow, RandomizeKeepsEveryDriverOnceAndMarksTheGridRandom) {
  FlowFixture f;
  f.teams({1, 2, 3, 4});
  f.confirmNewGame().setGridButton()->click();
  StartingGridWindow& grid = *f.flow().startingGridWindow();
  bool moved = false;
  for (int k = 0; k < 20; ++k) {
    grid.randomizeButton()->click();
    std::vector<int> shown;
    for (int p = 0; p < grid.positions(); ++p) shown.push_back(grid.driverList(p)->currentIndex());
    moved |= shown != std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7};
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  }
  EXPECT_TRUE(moved);
  std::vector<int> order;
  for (int p = 0; p < grid.positions(); ++p) order.push_back(grid.driverList(p)->currentIndex());
  grid.startButton()->click();
  EXPECT_EQ(f.window->game().positions, order);
  EXPECT_TRUE(logHas(f.window->game(), "Starting grid positions set randomly"));
}

TEST(NewGameFlow, CancellingAnyDialogLeavesTheCurrentGame) {
  enum Where { NewGame, PitOrder, StartingGrid };
  for (Where where : {NewGame, PitOrder, StartingGrid}) {
    SCOPED_TRACE(static_cast<int>(where));
    FlowFixture f;
    f.newGame();  // the running race
    f.window->menuAction("&New Game")->trigger();
    Game& g = f.window->game();
    const double started = g.startDate;
    const int cars = g.carCount();
    f.teams({1, 2, 3});
    if (where == NewGame) {
      f.flow().newGameWindow()->cancelButton()->click();
    } else {
      PitOrderWindow& pits = f.confirmNewGame();
      if (where == PitOrder) {
        pits.reject();
      } else {
        pits.setGridButton()->click();
        f.flow().startingGridWindow()->reject();
      }
    }
    EXPECT_FALSE(f.flow().running());
    EXPECT_EQ(g.startDate, started);
    EXPECT_EQ(g.carCount(), cars);
    EXPECT_TRUE(f.asked.empty());
  }
}

TEST(NewGameFlow, AnUnsavedGameIsOfferedForSavingBeforeItIsReplaced) {
  FlowFixture f;
  f.newGame();
  ASSERT_TRUE(f.window->menuAction("&Save Game")->isEnabled());
  const QString file = f.dir.filePath("kept.tmq");
  f.window->chooseSaveFile = [&] { return file; };
  f.window->frontend().answerHook = [&](const Message& m) {
    f.asked.push_back(m);
    return m.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
  };
  f.window->toolbarAction("NewGame")->trigger();
  f.teams({2});
  f.confirmNewGame().rollButton()->click();
  ASSERT_EQ(f.asked.size(), 1u);
  EXPECT_EQ(f.asked[0].title, "Save Current Game");
  EXPECT_TRUE(QFile::exists(file));
  EXPECT_EQ(f.window->game().carCount(), 2);
  EXPECT_TRUE(f.window->game().gameFileName.empty());
}

TEST(NewGameFlow, ACancelledSaveKeepsTheCurrentGame) {
  FlowFixture f;
  f.newGame();
  const std::string driver = f.window->game().cars[0].driverName;
  f.window->chooseSaveFile = [] { return QString(); };
  f.window->frontend().answerHook = [](const Message& m) {
    return m.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
  };
  f.teams({3, 4});
  f.confirmNewGame().rollButton()->click();
  EXPECT_EQ(f.window->game().cars[0].driverName, driver);
  EXPECT_EQ(f.window->game().carCount(), 2);
}

TEST(NewGameFlow, RulesClearedInTheDialogAreStoredAsOffAndBecomeTheDefaults) {
  FlowFixture f;
  NewGameWindow& w = f.dialog();
  f.teams({1});
  w.rulesButton()->click();
  RulesWindow& rules = *f.flow().rulesWindow();
  EXPECT_EQ(rules.check(20)->toolTip(), QStringLiteral("Possible Front Collisions (Body Wear)"));
  EXPECT_FALSE(rules.check(11)->isEnabled());
  rules.check(6)->click();  // "Collisions" off: "Front Collisions" and its list go too
  EXPECT_FALSE(rules.check(20)->isEnabled());
  EXPECT_FALSE(rules.list(4)->isEnabled());
  rules.check(19)->click();  // "Full Pit Stops" needs two laps: it is off here
  choose(rules.list(0), 2);
  rules.number(0)->setText(QStringLiteral("7"));
  Q_EMIT rules.number(0)->textEdited(QStringLiteral("7"));
  rules.entireCar()->click();
  rules.okButton()->click();
  f.confirmNewGame().rollButton()->click();
  const Game& g = f.window->game();
  EXPECT_EQ(g.rules[Rule::Collisions], 0);
  EXPECT_EQ(g.rules[Rule::FrontCollisions], 0);
  EXPECT_EQ(g.rules[Rule::CollisionRoll], 0);
  EXPECT_EQ(g.rules[Rule::BadStartRoll], 3);
  EXPECT_EQ(g.rules[Rule::FlyingStartMove], 7);
  EXPECT_EQ(g.rules[Rule::FinishNose], 0);
  EXPECT_EQ(f.settings->value(RulesSection, "Collisions"), "0");
  EXPECT_EQ(f.settings->value(RulesSection, "FinishNose"), "False");

  // The toolbar shows the game's rules without letting them change, nor the defaults.
  f.settings->setValue(RulesSection, "BadStartRoll", "5");
  f.window->toolbarAction("GameRules")->trigger();
  auto* view = f.window->findChild<RulesWindow*>();
  ASSERT_NE(view, nullptr);
  EXPECT_FALSE(view->check(0)->isEnabled());
  EXPECT_FALSE(view->check(6)->isChecked());
  EXPECT_EQ(view->list(0)->currentIndex(), 2);
  EXPECT_TRUE(view->entireCar()->isChecked());
  EXPECT_TRUE(view->okButton()->isEnabled());
  view->okButton()->click();
  EXPECT_EQ(f.settings->value(RulesSection, "BadStartRoll"), "5");
}

TEST(NewGameFlow, AnEMailGameWarnsWithoutMailAndTakesTheAddressBook) {
  FlowFixture f;
  f.window->game().options.localEMail.clear();
  NewGameWindow& w = f.dialog();
  ASSERT_EQ(w.gameTypeList()->count(), 2);
  choose(w.gameTypeList(), 1);
  f.teams({1, 2});
  w.slot(0)->driverBox(1)->click();
  w.okButton()->click();
  ASSERT_EQ(f.asked.size(), 1u);
  EXPECT_EQ(f.asked[0].title, "MAPI Not Found");
  AddressBookWindow* book = f.flow().addressBookWindow();
  ASSERT_NE(book, nullptr);
  EXPECT_EQ(f.flow().pitOrderWindow(), nullptr);
  EXPECT_EQ(book->address(0)->text(), QStringLiteral("(Local)"));
  EXPECT_EQ(book->driverLabel(1)->text(), w.slot(1)->driverBox(0)->text());
  EXPECT_FALSE(book->selectButton(0)->isVisibleTo(book));
  EXPECT_FALSE(book->okButton()->isEnabled());
  book->localAddress()->setText(QStringLiteral("me@here.example"));
  Q_EMIT book->localAddress()->textEdited(QStringLiteral("me@here.example"));
  EXPECT_TRUE(book->okButton()->isEnabled());
  book->address(1)->setText(QStringLiteral("\"Bo\" bo@x.example"));
  Q_EMIT book->address(1)->textEdited(book->address(1)->text());
  EXPECT_EQ(book->address(1)->text(), QStringLiteral("'Bo' bo@x.example"));
  book->address(2)->setText(QString());
  Q_EMIT book->address(2)->textEdited(QString());
  EXPECT_EQ(book->address(2)->text(), QStringLiteral("(Local)"));
  book->okButton()->click();
  f.flow().pitOrderWindow()->rollButton()->click();
  const Game& g = f.window->game();
  ASSERT_EQ(g.carCount(), 3);
  EXPECT_EQ(g.gameType, 1);
  EXPECT_EQ(g.cars[0].eMail, "me@here.example");
  EXPECT_EQ(g.cars[1].eMail, "'Bo' bo@x.example");
  EXPECT_EQ(g.cars[2].eMail, "me@here.example");
  EXPECT_EQ(f.settings->value("Settings", "LocalEMail"), "me@here.example");
  EXPECT_EQ(g.options.localEMail, "me@here.example");
  // The first car is driven here: its grid roll waits at this desk, die shown.
  EXPECT_TRUE(g.controls.diePanel.visible);
  EXPECT_TRUE(f.window->diePanel()->isVisibleTo(f.window.get()));
}

TEST(NewGameFlow, TheEditHooksRebuildTheTeamListsAndTheSlotTakesTheSavedTeam) {
  FlowFixture f;
  // The editor saves a new team into a copy of the shipped teams.
  QTemporaryDir teams;
  FolderTree tree(teams.path().toStdString());
  std::filesystem::create_directories(tree.teams());
  for (const char* d : {"Classes", "Tracks"})
    std::filesystem::copy(std::filesystem::path(TARMAQ_DATA) / d, tree.root() / d);
  std::filesystem::copy_file(std::filesystem::path(TARMAQ_DATA) / "Teams" / "Founders.tem",
                             tree.teams() / "Founders.tem");
  f.folders = tree;  // the window keeps a pointer to the fixture's folders
  NewGameWindow& w = f.dialog();
  ASSERT_EQ(w.slot(0)->teamList()->count(), 6);
  f.flow().editTeam = [&](int slot) -> std::optional<std::string> {
    EXPECT_EQ(slot, 0);
    writeTeamFile(tree.teams() / "Mine.tem",
                  Team{"Mine", "missing.bmp", {TeamDriver{"Me", "", 0xFFFFFF}, TeamDriver{}}, 0});
    return "Mine";
  };
  w.slot(0)->editButton()->click();
  EXPECT_EQ(w.slot(3)->teamList()->count(), 7);
  EXPECT_EQ(w.slot(0)->teamList()->currentText(), QStringLiteral("Mine"));
  EXPECT_EQ(w.slot(0)->driverBox(0)->text(), QStringLiteral("Me"));
  EXPECT_FALSE(w.slot(0)->driverBox(1)->isEnabled());
  // A missing picture shows the placeholder, not nothing.
  ASSERT_NE(w.slot(0)->teamPicture()->pixmap().isNull(), true);
  f.flow().editTeamList = [&] {
    f.settings->setValue("Settings\\TeamFileList", "Founders.tem", "False");
    return true;
  };
  w.editTeamListButton()->click();
  EXPECT_EQ(w.slot(0)->teamList()->count(), 2);
  EXPECT_EQ(w.slot(0)->teamList()->currentText(), QStringLiteral("Mine"));
}

}  // namespace
}  // namespace tarmaq::testing
