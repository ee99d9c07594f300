#include "setup/options_effects.h"

#include <gtest/gtest.h>

#include "engine/timers.h"
#include "log/standings.h"
#include "support/fakes.h"

namespace tarmaq {
namespace {

constexpr std::size_t StartBox = 5, StartStatusBox = 32;

TEST(AcceptOptions, BoxesOfOneCaptionTakeTheValueOfTheHighestIndex) {
  struct Case {
    bool box5;
    bool box32;
    const char* stored;
  } cases[] = {{true, false, "0"}, {false, true, "1"}, {true, true, "1"}, {false, false, "0"}};
  for (const Case& c : cases) {
    testing::TestGame t;
    Options o;
    o.showInGameLog[StartBox] = c.box5;
    o.showInGameLog[StartStatusBox] = c.box32;
    acceptOptions(t.game, o);
    EXPECT_EQ(t.settings.value("Settings\\GameLog", "Start"), c.stored);
    // The live filter agrees with what the next start reads.
    const Options reloaded = loadOptions(t.settings);
    for (std::size_t box : {StartBox, StartStatusBox}) {
      EXPECT_EQ(reloaded.showInGameLog[box], c.box32);
      EXPECT_EQ(t.game.options.showInGameLog[box], c.box32);
    }
  }
}

TEST(AcceptOptions, TheMailCheckFollowsItsBoxAndAnEmptyMinutesBoxBecomesFive) {
  struct Case {
    bool enable;
    bool autoCheck;
    const char* typed;
    const char* stored;
    bool timer;
  } cases[] = {
      {true, true, "", "5", true},
      {true, true, "12", "12", true},
      {true, false, "", "", false},
      {false, true, "7", "7", false},    // e-mail games off: no checking
      {true, true, "abc", "abc", true},  // stored as typed
  };
  for (const Case& c : cases) {
    testing::TestGame t;
    startTimer(t.game, TimerId::MailCheck, 60000);
    Options o;
    o.enableEMail = c.enable;
    o.autoCheckMail = c.autoCheck;
    o.autoCheckMailInterval = c.typed;
    acceptOptions(t.game, o);
    EXPECT_EQ(t.settings.value("Settings", "AutoCheckMailInterval"), c.stored) << c.typed;
    EXPECT_EQ(t.game.options.autoCheckMailInterval, c.stored) << c.typed;
    EXPECT_EQ(t.game.timers[TimerId::MailCheck].enabled, c.timer) << c.typed;
    EXPECT_EQ(t.game.controls.toolbar.get("CheckMail").enabled, c.enable) << c.typed;
  }
}

TEST(OptionsEffects, UncheckingTheBlinkMidBlinkLeavesTheCarDrawnNormally) {
  testing::TestGame t;
  t.game.view.visible = true;
  startTimer(t.game, TimerId::CarBlink, 501);
  t.game.view.blink = {501, true};  // the space is lit yellow right now
  t.game.options.carBlink = false;
  applyOptionsEffects(t.game);
  EXPECT_FALSE(t.game.timers[TimerId::CarBlink].enabled);
  EXPECT_FALSE(t.game.view.blink.ticked);
  EXPECT_TRUE(t.game.view.redrawRequested);

  t.game.options.carBlink = true;
  applyOptionsEffects(t.game);
  EXPECT_TRUE(t.game.timers[TimerId::CarBlink].enabled);
}

TEST(OptionsEffects, NoBlinkStartsWhileTheTrackViewIsHidden) {
  testing::TestGame t;
  t.game.view.visible = false;
  applyOptionsEffects(t.game);
  EXPECT_FALSE(t.game.timers[TimerId::CarBlink].enabled);
}

TEST(OptionsEffects, TheDistanceUnitChangesTheFactorAndTheSpeedHeading) {
  testing::TestGame t;
  t.game.options.useMetric = true;
  t.game.controls.standingsStale = false;
  applyOptionsEffects(t.game);
  EXPECT_FLOAT_EQ(t.game.speedFactor, 1.6093f);
  EXPECT_TRUE(t.game.controls.standingsStale);
  refreshStandingsColumns(t.game);
  EXPECT_EQ(t.game.controls.standings.headers[7], "Speed\n(Km/H)");

  t.game.options.useMetric = false;
  applyOptionsEffects(t.game);
  EXPECT_FLOAT_EQ(t.game.speedFactor, 1.0f);
  refreshStandingsColumns(t.game);
  EXPECT_EQ(t.game.controls.standings.headers[7], "Speed\n(Mph)");
}

}  // namespace
}  // namespace tarmaq
