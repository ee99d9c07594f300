#include "setup/rules_dialog.h"

#include <gtest/gtest.h>

#include "engine/settings_store.h"

namespace tarmaq {
namespace {

TEST(RulesDialog, FirstUseGivesTheDefaultRules) {
  MemorySettings store;
  const RulesDialog d = RulesDialog::load(store);
  EXPECT_EQ(d.toRules().values(), DefaultRuleValues);
  EXPECT_FALSE(d.checks[11].enabled);  // "Hard Tires" is never enabled
  EXPECT_EQ(RulesDialog::listEntries(0)[1], "2 (and lower)");
  EXPECT_EQ(RulesDialog::listEntries(1)[0], "Automatic");
  EXPECT_EQ(RulesDialog::listEntries(1)[19], "20");
  EXPECT_EQ(RulesDialog::listEntries(6)[3], "4th Gear +");
}

TEST(RulesDialog, DependenciesDisableAndTheDisabledStoreZero) {
  MemorySettings store;
  RulesDialog d = RulesDialog::load(store);
  d.click(6, false);  // "Collisions"
  EXPECT_FALSE(d.checks[20].enabled);
  EXPECT_FALSE(d.lists[4].enabled);
  d.click(0, false);  // "Bad Starts"
  const Rules r = d.toRules();
  EXPECT_EQ(r[Rule::Collisions], 0);
  EXPECT_EQ(r[Rule::FrontCollisions], 0);
  EXPECT_EQ(r[Rule::CollisionRoll], 0);
  EXPECT_EQ(r[Rule::BadStartRoll], 0);
  d.click(9, false);
  d.click(19, true);  // "Full Pit Stops" ticks "Tire Pit Stops"
  EXPECT_TRUE(d.checks[9].ticked);
  EXPECT_TRUE(d.lists[5].enabled);
}

TEST(RulesDialog, RaceLengthDecidesThePitStopBoxes) {
  MemorySettings store;
  RulesDialog d = RulesDialog::load(store);
  d.setRaceLength(1);
  EXPECT_EQ(d.toRules()[Rule::TirePitStops], 0);
  EXPECT_EQ(d.toRules()[Rule::FullPitStops], 0);
  d.lists[5].position = -1;
  d.setRaceLength(2);
  EXPECT_EQ(d.toRules()[Rule::TirePitStops], 1);
  EXPECT_EQ(d.toRules()[Rule::FastPitRoll], 10);
}

TEST(RulesDialog, NumberFieldsAcceptOnlyWhatTheRulesCanHold) {
  struct Case {
    const char* flying;
    const char* slip;
    int flyingRule, slipRule;
  } cases[] = {{"6", "2", 6, 2},
               {"-2", "9", 4, 3},
               {"many", "", 4, 3},
               {"0", "6", 0, 6},
               {"2.5", "1e1", 4, 3}};
  for (const auto& c : cases) {
    MemorySettings store;
    RulesDialog d = RulesDialog::load(store);
    d.numbers[0].text = c.flying;
    d.numbers[1].text = c.slip;
    d.save(store);
    const Rules r = RulesDialog::load(store).toRules();
    EXPECT_EQ(r[Rule::FlyingStartMove], c.flyingRule) << c.flying;
    EXPECT_EQ(r[Rule::SlipstreamMove], c.slipRule) << c.slip;
  }
}

TEST(RulesDialog, SettingsRoundTripAndAListWithoutSelectionStoresItsDefault) {
  MemorySettings store;
  RulesDialog d = RulesDialog::load(store);
  d.lists[0].position = 2;
  d.lists[3].position = -1;
  d.finishNose = false;
  d.save(store);
  EXPECT_EQ(store.value(RulesSection, "FinishNose"), "False");
  EXPECT_EQ(store.value(RulesSection, "EngineDamageRoll"), "3");
  const Rules r = RulesDialog::load(store).toRules();
  EXPECT_EQ(r[Rule::BadStartRoll], 3);
  EXPECT_EQ(r[Rule::FinishNose], 0);
}

TEST(RulesDialog, TheReadOnlyViewShowsTheGamesRules) {
  Rules rules;
  rules[Rule::CollisionRoll] = 5;
  rules[Rule::Braking] = 0;
  const RulesDialog d = RulesDialog::fromRules(rules);
  EXPECT_TRUE(d.readOnly);
  EXPECT_EQ(d.lists[4].position, 4);
  EXPECT_FALSE(d.checks[3].ticked);
  EXPECT_FALSE(d.checks[0].enabled);
}

}  // namespace
}  // namespace tarmaq
