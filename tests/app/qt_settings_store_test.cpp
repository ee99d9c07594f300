#include "app/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "setup/options.h"

namespace tarmaq {
namespace {

TEST(QtSettingsStore, OptionsSurviveARestartAndKeysKeepTheirSlashes) {
  QTemporaryDir dir;
  const QString file = dir.filePath("tarmaq.ini");
  {
    QtSettingsStore store(file);
    Options o;
    o.showInGameLog[29] = false;  // "Standard/\"Color\" Comments"
    o.standingsColumns[9] = false;
    o.autoRoll = true;
    saveOptions(o, store);
    store.sync();
  }
  QtSettingsStore again(file);
  const Options o = loadOptions(again);
  EXPECT_FALSE(o.showInGameLog[29]);
  EXPECT_TRUE(o.showInGameLog[28]);
  EXPECT_FALSE(o.standingsColumns[9]);
  EXPECT_TRUE(o.autoRoll);
  EXPECT_EQ(again.value("Settings\\GameLog", "Standard/\"Color\" Comments"), "0");
}

TEST(QtSettingsStore, RemovingASectionKeepsItsSubSections) {
  QTemporaryDir dir;
  QtSettingsStore store(dir.filePath("tarmaq.ini"));
  store.setValue("Settings", "ShowDieAnim", "True");
  store.setValue("Settings", "Zoom", "3");
  store.setValue("Settings\\GameLog", "Movement", "0");
  const Options o = loadOptions(store);
  EXPECT_TRUE(o.showDieAnim);
  EXPECT_FALSE(store.value("Settings", "Zoom"));
  EXPECT_EQ(store.value("Settings\\GameLog", "Movement"), "0");
  EXPECT_FALSE(o.showInGameLog[6]);
}

}  // namespace
}  // namespace tarmaq
