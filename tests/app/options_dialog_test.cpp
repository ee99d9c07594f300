#include "app/options_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>

#include "app/modal_support.h"
#include "app/widget_support.h"

namespace tarmaq::testing {
namespace {

QCheckBox* box(QWidget& dialog, const QString& name) {
  auto* b = dialog.findChild<QCheckBox*>(name);
  EXPECT_TRUE(b) << name.toStdString();
  return b;
}

// Opens Options from the menu, runs `steps` in it and presses `button`.
void throughTheMenu(WindowFixture& f, std::function<void(OptionsDialog&)> steps,
                    const QString& button) {
  whenModal<OptionsDialog>(std::move(steps), button);
  f.window->menuAction("&Options")->trigger();
}

TEST(OptionsDialog, HasTheFiveTabsWithTheirKeysAndTooltips) {
  OptionsDialog d{Options{}, MailServerSettings{}};
  const char* expected[][3] = {
      {"View", "OptionsViewTab", "Set options for the track view"},
      {"Game", "OptionsGameTab", "Set options for gameplay"},
      {"E-Mail", "OptionsE-MailTab", "Set options for E-Mail gameplay"},
      {"Game Log", "OptionsGameLogTab", "Set options for the Game Log"},
      {"Current Standings", "OptionsCurrentStandingsTab",
       "Set options for what is shown in the Current Standings grid"},
  };
  ASSERT_EQ(d.tabs()->count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(d.tabs()->tabText(i), QString::fromLatin1(expected[i][0]));
    EXPECT_EQ(d.tabs()->widget(i)->objectName(), QString::fromLatin1(expected[i][1]));
    EXPECT_EQ(d.tabs()->tabToolTip(i), QString::fromLatin1(expected[i][2]));
  }
  EXPECT_TRUE(box(d, "GameLog1")->isHidden());  // "Unused"
  EXPECT_EQ(box(d, "CurrStand9")->text(), QStringLiteral("Current Position vs. Last "));
}

TEST(OptionsDialog, TheControlsShowTheStoredValues) {
  WindowFixture f;
  SettingsStore& s = *f.settings;
  s.setValue("Settings", "AutoCent", "0");
  s.setValue("Settings", "UseMetric", "1");
  s.setValue("Settings", "TrackDetail", "4");
  s.setValue("Settings", "AutoCheckMail", "1");
  s.setValue("Settings", "AutoCheckMailInterval", "15");
  s.setValue("Settings\\GameLog", "Start", "0");
  s.setValue("Settings\\GameLog", "StandardOrColor", "True");
  s.setValue("Settings\\CurrStand", "Current Position vs. Last ", "0");
  MailServerSettings servers;
  servers.outgoing = {"smtp.example.org", 465, MailSecurity::Tls};
  servers.user = "ann";
  saveMailServerSettings(servers, s);
  f.open();

  bool looked = false;
  throughTheMenu(
      f,
      [&](OptionsDialog& d) {
        looked = true;
        EXPECT_FALSE(box(d, "AutoCent")->isChecked());
        EXPECT_TRUE(box(d, "AutoScroll")->isChecked());
        EXPECT_TRUE(box(d, "UseMetric")->isChecked());
        EXPECT_FALSE(box(d, "DriverComm")->isChecked());
        EXPECT_EQ(d.findChild<QComboBox*>("TrackDetail")->currentText(),
                  QStringLiteral("Very High"));
        EXPECT_TRUE(box(d, "AutoCheckMail")->isChecked());
        EXPECT_EQ(d.findChild<QLineEdit*>("AutoCheckMailInterval")->text(), QStringLiteral("15"));
        // One stored "Start" for both boxes of that caption.
        EXPECT_FALSE(box(d, "GameLog5")->isChecked());
        EXPECT_FALSE(box(d, "GameLog32")->isChecked());
        EXPECT_TRUE(box(d, "GameLog6")->isChecked());
        EXPECT_TRUE(d.findChild<QRadioButton*>("StandardInfoComments")->isChecked());
        EXPECT_FALSE(box(d, "CurrStand9")->isChecked());
        EXPECT_TRUE(box(d, "CurrStand8")->isChecked());
        EXPECT_EQ(d.findChild<QLineEdit*>("OutgoingServer")->text(),
                  QStringLiteral("smtp.example.org"));
        EXPECT_EQ(d.findChild<QSpinBox*>("OutgoingPort")->value(), 465);
        EXPECT_EQ(d.findChild<QComboBox*>("OutgoingSecurity")->currentText(),
                  QStringLiteral("SSL/TLS"));
        EXPECT_EQ(d.findChild<QLineEdit*>("MailUser")->text(), QStringLiteral("ann"));
      },
      "Cancel");
  EXPECT_TRUE(looked);
}

TEST(OptionsDialog, OkStoresTheStartBoxOfTheHighestIndex) {
  WindowFixture f;
  throughTheMenu(
      f,
      [](OptionsDialog& d) {
        box(d, "GameLog5")->setChecked(true);
        box(d, "GameLog32")->setChecked(false);
        box(d, "ShowDieAnim")->setChecked(false);
        d.findChild<QComboBox*>("TrackDetail")->setCurrentIndex(0);
      },
      "OK");
  EXPECT_EQ(f.settings->value("Settings\\GameLog", "Start"), "0");
  EXPECT_EQ(f.settings->value("Settings", "ShowDieAnim"), "0");
  EXPECT_EQ(f.settings->value("Settings", "TrackDetail"), "0");
  bool looked = false;
  throughTheMenu(
      f,
      [&](OptionsDialog& d) {
        looked = true;
        EXPECT_FALSE(box(d, "GameLog5")->isChecked());
        EXPECT_FALSE(box(d, "GameLog32")->isChecked());
      },
      "Cancel");
  EXPECT_TRUE(looked);
}

TEST(OptionsDialog, CancelStoresNothingAndChangesNothing) {
  WindowFixture f;
  throughTheMenu(
      f,
      [](OptionsDialog& d) {
        box(d, "CarBlink")->setChecked(false);
        box(d, "UseMetric")->setChecked(true);
        d.findChild<QLineEdit*>("OutgoingServer")->setText(QStringLiteral("smtp.example.org"));
      },
      "Cancel");
  f.settings->sync();
  QSettings file(f.dir.filePath("tarmaq.ini"), QSettings::IniFormat);
  EXPECT_FALSE(file.contains(QStringLiteral("Settings/CarBlink")));
  EXPECT_TRUE(file.childGroups().isEmpty()) << file.childGroups().join(',').toStdString();
  EXPECT_TRUE(f.window->game().options.carBlink);
  EXPECT_FALSE(f.window->game().options.useMetric);
}

TEST(OptionsDialog, EMailGamingSwitchesItsControlsButKeepsTheirValues) {
  Options o;
  o.autoMail = true;
  o.autoCheckMailInterval = "9";
  OptionsDialog d{o, MailServerSettings{}};
  auto* minutes = d.findChild<QLineEdit*>("AutoCheckMailInterval");
  const QColor white(Qt::white);
  EXPECT_EQ(minutes->palette().color(QPalette::Base).rgb(), white.rgb());
  box(d, "EnableEMail")->click();
  for (const char* name : {"ShowMessage", "AutoMail", "AutoCheckMail"})
    EXPECT_FALSE(box(d, name)->isEnabled()) << name;
  EXPECT_FALSE(minutes->isEnabled());
  EXPECT_FALSE(d.findChild<QLabel*>("MinutesLabel")->isEnabled());
  EXPECT_NE(minutes->palette().color(QPalette::Base).rgb(), white.rgb());
  EXPECT_TRUE(box(d, "AutoMail")->isChecked());
  EXPECT_EQ(d.options().autoCheckMailInterval, "9");
  EXPECT_FALSE(d.options().enableEMail);
  EXPECT_TRUE(d.options().autoMail);
  box(d, "EnableEMail")->click();
  EXPECT_TRUE(box(d, "AutoMail")->isEnabled());
  EXPECT_TRUE(minutes->isEnabled());
}

TEST(OptionsDialog, ChangedOptionsSurviveARestart) {
  WindowFixture f;
  throughTheMenu(
      f,
      [](OptionsDialog& d) {
        box(d, "AutoCheckMail")->setChecked(true);
        d.findChild<QLineEdit*>("AutoCheckMailInterval")->clear();
        box(d, "UseMetric")->setChecked(true);
        box(d, "CurrStand3")->setChecked(false);
        d.findChild<QRadioButton*>("StandardInfoComments")->setChecked(true);
        d.findChild<QLineEdit*>("IncomingServer")->setText(QStringLiteral("imap.example.org"));
        d.findChild<QComboBox*>("IncomingSecurity")->setCurrentText(QStringLiteral("STARTTLS"));
      },
      "OK");
  EXPECT_TRUE(f.window->game().timers[TimerId::MailCheck].enabled);
  f.window.reset();
  f.settings.reset();

  // A new run on the same settings file.
  f.settings = std::make_unique<QtSettingsStore>(f.dir.filePath("tarmaq.ini"));
  f.open();
  const Options& o = f.window->game().options;
  EXPECT_TRUE(o.autoCheckMail);
  EXPECT_EQ(o.autoCheckMailInterval, "5");
  EXPECT_TRUE(o.useMetric);
  EXPECT_FLOAT_EQ(f.window->game().speedFactor, 1.6093f);
  bool looked = false;
  throughTheMenu(
      f,
      [&](OptionsDialog& d) {
        looked = true;
        EXPECT_TRUE(box(d, "AutoCheckMail")->isChecked());
        EXPECT_EQ(d.findChild<QLineEdit*>("AutoCheckMailInterval")->text(), QStringLiteral("5"));
        EXPECT_FALSE(box(d, "CurrStand3")->isChecked());
        EXPECT_TRUE(d.findChild<QRadioButton*>("StandardInfoComments")->isChecked());
        EXPECT_EQ(d.findChild<QLineEdit*>("IncomingServer")->text(),
                  QStringLiteral("imap.example.org"));
        EXPECT_EQ(d.findChild<QComboBox*>("IncomingSecurity")->currentText(),
                  QStringLiteral("STARTTLS"));
      },
      "Cancel");
  EXPECT_TRUE(looked);
}

TEST(OptionsDialog, TheToolbarButtonOpensItAndTheScrollBarsFollowOk) {
  WindowFixture f;
  f.newGame();
  ASSERT_FALSE(f.window->hScroll()->isHidden());
  whenModal<OptionsDialog>([](OptionsDialog& d) { box(d, "ScrollBars")->setChecked(false); }, "OK");
  f.window->toolbarAction("Options")->trigger();
  EXPECT_TRUE(f.window->hScroll()->isHidden());
  EXPECT_TRUE(f.window->vScroll()->isHidden());
  EXPECT_EQ(f.settings->value("Settings", "ScrollBars"), "0");
}

}  // namespace
}  // namespace tarmaq::testing
