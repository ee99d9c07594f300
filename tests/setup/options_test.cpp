#include "setup/options.h"

#include <gtest/gtest.h>

namespace tarmaq {
namespace {

TEST(Options, FirstRunGetsTheDefaults) {
  MemorySettings store;
  const Options o = loadOptions(store);
  EXPECT_TRUE(o.showDieAnim);
  EXPECT_TRUE(o.autoSave);
  EXPECT_FALSE(o.autoRoll);
  EXPECT_FALSE(o.driverComment);
  EXPECT_EQ(o.trackDetail, 2);
  EXPECT_EQ(o.autoCheckMailInterval, "5");
  EXPECT_FALSE(o.standardComments);
  EXPECT_TRUE(o.autoCollapse);
  for (bool shown : o.showInGameLog) EXPECT_TRUE(shown);
  for (bool shown : o.standingsColumns) EXPECT_TRUE(shown);
  EXPECT_FLOAT_EQ(o.speedFactor(), 1.0f);
}

TEST(Options, RoundTripThroughTheStore) {
  MemorySettings store;
  Options o;
  o.autoCenter = false;
  o.trackDetail = 4;
  o.useMetric = true;
  o.autoCheckMail = true;
  o.autoCheckMailInterval = "12";
  o.standardComments = true;
  o.autoCollapse = false;
  o.standingsColumns[9] = false;
  o.localEMail = "me@example.test";
  saveOptions(o, store);
  store.setValue("Settings", "LocalEMail", "me@example.test");
  const Options back = loadOptions(store);
  EXPECT_FALSE(back.autoCenter);
  EXPECT_EQ(back.trackDetail, 4);
  EXPECT_FLOAT_EQ(back.speedFactor(), 1.6093f);
  EXPECT_TRUE(back.autoCheckMail);
  EXPECT_EQ(back.autoCheckMailInterval, "12");
  EXPECT_TRUE(back.standardComments);
  EXPECT_FALSE(back.autoCollapse);
  EXPECT_FALSE(back.standingsColumns[9]);
  EXPECT_EQ(store.value("Settings\\CurrStand", "Current Position vs. Last "), "0");
  EXPECT_EQ(store.value("Settings\\GameLog", "StandardOrColor"), "True");
  EXPECT_EQ(back.localEMail, "me@example.test");
}

TEST(Options, BoxesWithEqualCaptionsShareOneValueAndTheHighestIndexWins) {
  MemorySettings store;
  Options o;
  o.showInGameLog[5] = true;    // "Start" under "Die Rolls"
  o.showInGameLog[32] = false;  // "Start" under "Car Status"
  o.showInGameLog[9] = false;   // "Road Holding" three times: 9, 17, 23
  o.showInGameLog[17] = false;
  o.showInGameLog[23] = true;
  saveOptions(o, store);
  EXPECT_EQ(store.value("Settings\\GameLog", "Start"), "0");
  const Options back = loadOptions(store);
  EXPECT_FALSE(back.showInGameLog[5]);
  EXPECT_FALSE(back.showInGameLog[32]);
  EXPECT_TRUE(back.showInGameLog[9]);
  EXPECT_TRUE(back.showInGameLog[17]);
}

TEST(Options, AnEmptyMinutesBoxStoresFiveWhenTheCheckIsOn) {
  MemorySettings store;
  Options o;
  o.autoCheckMail = true;
  o.autoCheckMailInterval = "";
  saveOptions(o, store);
  EXPECT_EQ(store.value("Settings", "AutoCheckMailInterval"), "5");
}

TEST(Options, SettingsOfAnOlderVersionAreReplacedByTheDefaults) {
  MemorySettings store;
  store.setValue("Settings", "ShowDieAnim", "False");
  store.setValue("Settings", "AutoSave", "0");
  store.setValue("Settings\\GameLog", "Movement", "0");
  const Options o = loadOptions(store);
  EXPECT_TRUE(o.showDieAnim);
  EXPECT_TRUE(o.autoSave);
  EXPECT_FALSE(store.value("Settings", "AutoSave"));
  EXPECT_FALSE(o.showInGameLog[6]);  // the other sections stay
}

TEST(Options, ValuesThatAreNotNumbersGiveTheDefault) {
  MemorySettings store;
  store.setValue("Settings", "AutoSave", "yes");
  store.setValue("Settings", "TrackDetail", "9");
  store.setValue("Settings", "AutoRoll", "-1");
  const Options o = loadOptions(store);
  EXPECT_TRUE(o.autoSave);
  EXPECT_EQ(o.trackDetail, 2);
  EXPECT_TRUE(o.autoRoll);
}

}  // namespace
}  // namespace tarmaq
