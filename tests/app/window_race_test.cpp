#include "app/window_race.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace tarmaq::testing {
namespace {

// The podium in the results window is the core's results, and the window is left as the
// end of a race leaves it.
void expectPodiumOfTheRace(WindowRace& race) {
  const Game& g = race.game();
  EXPECT_EQ(race.resultsWindows, 1);
  ASSERT_EQ(race.podium.size(), 2u);
  // These races have a winner: the first results slot holds a car that finished.
  ASSERT_GE(g.results[0], 0);
  const Car& winner = g.cars[static_cast<std::size_t>(g.results[0])];
  EXPECT_EQ(winner.status, Finished);
  EXPECT_EQ(race.podium[0], winner.driverName);
  // Second place: the next finisher, or else the car that retired.
  const int second = g.results[1] >= 0 ? g.results[1] : g.results[19];
  ASSERT_GE(second, 0);
  EXPECT_EQ(race.podium[1], g.cars[static_cast<std::size_t>(second)].driverName);

  MainWindow& w = race.window();
  EXPECT_FALSE(w.diePanel()->isVisible());
  EXPECT_FALSE(w.movePanel()->isVisible());
  EXPECT_EQ(w.infoPanel()->button(InfoPanel::StandingsView)->text(),
            QStringLiteral("Race Results"));
  EXPECT_TRUE(w.windowTitle().contains(QString::fromStdString(winner.driverName)));
  // The finished race can still be saved.
  EXPECT_TRUE(w.toolbarAction("SaveGame")->isEnabled());
}

TEST(WindowRace, TwoCarsOneLapByKeyboardOnly) {
  QElapsedTimer clock;
  clock.start();
  WindowRace race(Input::Keyboard, "BrackwoodRing.trk", 1);
  ASSERT_TRUE(race.play());
  expectPodiumOfTheRace(race);
  // The pauses after rolls were cut short with the space bar.
  EXPECT_GT(race.pauses, 0);
  EXPECT_LT(clock.elapsed(), 20000);
}

TEST(WindowRace, TwoCarsOneLapByMouseOnly) {
  QElapsedTimer clock;
  clock.start();
  WindowRace race(Input::Mouse, "VelmontPark.trk", 2);
  ASSERT_TRUE(race.play());
  expectPodiumOfTheRace(race);
  // The track view took part: steps planned and moves accepted by clicks on it, and
  // every pause after a roll cut short with a right click on the die.
  EXPECT_GT(race.trackClicks, 0);
  EXPECT_GT(race.trackAccepts, 0);
  EXPECT_EQ(race.pausesWaitedOut, 0);
  EXPECT_LT(clock.elapsed(), 20000);
}

}  // namespace
}  // namespace tarmaq::testing
