#include "app/team_dialogs.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "app/edit_team_dialog.h"
#include "app/modal_support.h"
#include "app/qt_canvas.h"
#include "app/team_list_dialog.h"
#include "engine/race_class.h"
#include "engine/settings_store.h"
#include "setup/new_game_dialog.h"
#include "setup/team_list.h"
#include "support/paths.h"
#include "support/temp_folders.h"

namespace tarmaq::testing {
namespace {

struct TeamFolders {
  TempFolders temp;
  MemorySettings settings;
  RaceClass modern;
  TeamFolders() {
    for (const char* f : {"Founders.tem", "Challengers.tem", "NoTeamLogo.bmp",
                          "NoDriverPicture.bmp", "corvid_logo.bmp"})
      temp.add("Teams", shippedData(std::string("Teams/") + f));
    temp.add("Classes", shippedData("Classes/Modern.cls"));
    readRaceClass(temp.folders().classes() / "Modern.cls", modern);
    std::ofstream(temp.folders().teams() / "broken.bmp") << "not a picture";
  }
  const Folders& folders() const { return temp.folders(); }
  Team corvid() const {
    Team t = readTeamFile(folders().teams() / "Founders.tem").value().front();
    EXPECT_EQ(t.name, "Corvid Racing");
    return t;
  }
};

QImage image(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); }

int pixelsOf(const QImage& picture, std::uint32_t color) {
  const QRgb wanted = toQColor(color).rgb();
  int n = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) n += picture.pixel(x, y) == wanted;
  return n;
}

TEST(EditTeamDialog, ShowsTheSlotsTeamWithAPlaceholderForAPictureThatCannotBeDecoded) {
  TeamFolders f;
  Team team = f.corvid();
  team.drivers[0].picture = "broken.bmp";
  team.drivers[1].picture = "missing.bmp";
  EditTeamDialog d(f.folders(), f.settings, f.modern.carShape, &team);
  EXPECT_EQ(d.findChild<QLineEdit*>("TeamName")->text(), QStringLiteral("Corvid Racing"));
  EXPECT_EQ(d.findChild<QLineEdit*>("Driver1Name")->text(), QStringLiteral("Tomasz Wrenfield"));
  const QImage placeholder = image(teamPicture(f.folders(), "NoDriverPicture.bmp", true));
  const QImage logo = image(teamPicture(f.folders(), "corvid_logo.bmp", false));
  EXPECT_NE(logo, image(teamPicture(f.folders(), "NoTeamLogo.bmp", false)));
  EXPECT_EQ(image(teamPicture(f.folders(), "broken.bmp", true)), placeholder);
  EXPECT_EQ(image(teamPicture(f.folders(), "missing.bmp", true)), placeholder);
  EXPECT_EQ(d.shownPicture(TeamPart::Driver1).size(), d.shownPicture(TeamPart::Driver2).size());
}

TEST(EditTeamDialog, ANewTeamStartsOnTheInitialTextsWithTheNameSelected) {
  TeamFolders f;
  EditTeamDialog d(f.folders(), f.settings, f.modern.carShape, nullptr);
  d.show();
  QApplication::processEvents();
  auto* name = d.findChild<QLineEdit*>("TeamName");
  EXPECT_EQ(name->text(), QStringLiteral("Team Name"));
  EXPECT_EQ(name->selectedText(), QStringLiteral("Team Name"));
  EXPECT_EQ(d.findChild<QLineEdit*>("Driver2Name")->text(), QStringLiteral("Driver Name"));
  // Tab moves from name to name: a typed blank must not land on a picture button.
  EXPECT_EQ(name->nextInFocusChain(), d.findChild<QLineEdit*>("Driver1Name"));
  EXPECT_EQ(d.findChild<QLineEdit*>("Driver1Name")->nextInFocusChain(),
            d.findChild<QLineEdit*>("Driver2Name"));
  // Typing replaces the selection; a double quote shows as the apostrophe it is saved as.
  QTest::keyClicks(name, QStringLiteral("The \"Fast\" Ones"));
  EXPECT_EQ(name->text(), QStringLiteral("The 'Fast' Ones"));
  EXPECT_EQ(d.editor().team.name, "The 'Fast' Ones");
}

TEST(EditTeamDialog, ColourBoxesRepaintThePreviewsAndADriverMayNotCopyTheOther) {
  TeamFolders f;
  Team team = f.corvid();
  EditTeamDialog d(f.folders(), f.settings, f.modern.carShape, &team);
  d.resize(d.sizeHint());
  auto* car1 = d.findChild<QWidget*>("Driver1Car");
  ASSERT_TRUE(car1);
  constexpr std::uint32_t Body = 0x00C000, Wing = 0xC000C0;
  ASSERT_EQ(pixelsOf(car1->grab().toImage(), Body), 0);

  std::vector<std::uint32_t> offered;
  std::vector<std::uint32_t> answers = {Body};
  d.askColor = [&](std::uint32_t current, bool) -> std::optional<std::uint32_t> {
    offered.push_back(current);
    if (answers.empty()) return std::nullopt;
    const std::uint32_t a = answers.front();
    answers.erase(answers.begin());
    return a;
  };
  d.findChild<QPushButton*>("TeamColor")->click();
  EXPECT_EQ(offered, (std::vector<std::uint32_t>{team.color}));
  EXPECT_GT(pixelsOf(car1->grab().toImage(), Body), 20);

  // Driver 1 picks driver 2's colour: asked again; then a colour of its own.
  offered.clear();
  answers = {team.drivers[1].color, Wing};
  d.findChild<QPushButton*>("Driver1Color")->click();
  EXPECT_EQ(offered.size(), 2u);
  EXPECT_EQ(d.editor().team.drivers[0].color, Wing);
  EXPECT_GT(pixelsOf(car1->grab().toImage(), Wing), 0);
  EXPECT_EQ(pixelsOf(d.findChild<QWidget*>("Driver2Car")->grab().toImage(), Wing), 0);
}

TEST(EditTeamDialog, SaveAsWritesATeamFileTheTeamListThenOffers) {
  TeamFolders f;
  const Team* none = nullptr;
  whenModal<EditTeamDialog>([&](EditTeamDialog& d) {
    QString startedIn;
    d.chooseSaveFile = [&](const QString& folder) {
      startedIn = folder;
      return QString();  // cancelled: back to the editor
    };
    d.findChild<QPushButton*>("SaveAs")->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(startedIn.toStdString(), f.folders().teams().string());
    d.findChild<QLineEdit*>("TeamName")->setText(QString());
    QTest::keyClicks(d.findChild<QLineEdit*>("TeamName"), QStringLiteral("Blue Arrows"));
    d.chooseSaveFile = [](const QString& folder) { return folder + QStringLiteral("/Arrows"); };
    d.findChild<QPushButton*>("SaveAs")->click();
  });
  const auto saved = editTeam(nullptr, f.folders(), f.settings, std::string("Modern.cls"), none);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->file, f.folders().teams() / "Arrows.tem");
  EXPECT_EQ(saved->team.name, "Blue Arrows");

  NewGameDialog model = NewGameDialog::open(f.folders(), f.settings, false);
  ASSERT_FALSE(model.teams.empty());
  EXPECT_EQ(model.teams.front().name, "Blue Arrows");  // "Arrows.tem" sorts first
  EXPECT_EQ(model.teams.front(), saved->team);
  addTeam(model, saved->team, 0);
  EXPECT_EQ(model.slots[0].team, 0);
}

TEST(EditTeamDialog, CancelWritesNothing) {
  TeamFolders f;
  const Team team = f.corvid();
  whenModal<EditTeamDialog>(
      [](EditTeamDialog& d) { d.findChild<QLineEdit*>("TeamName")->setText("Changed"); }, "Cancel");
  EXPECT_FALSE(editTeam(nullptr, f.folders(), f.settings, f.modern.carShape, &team));
  std::vector<std::string> files;
  for (const TeamFileEntry& e : listTeamFiles(f.folders())) files.push_back(e.name);
  EXPECT_EQ(files, (std::vector<std::string>{"Challengers.tem", "Founders.tem"}));
}

TEST(EditTeamDialog, AFileInAnotherFolderIsSavedInTheTeamsFolderAfterAsking) {
  TeamFolders f;
  TempFolders elsewhere;
  EditTeamDialog d(f.folders(), f.settings, f.modern.carShape, nullptr);
  QStringList asked;
  d.confirm = [&](const QString& q) {
    asked << q;
    return false;
  };
  d.chooseSaveFile = [&](const QString&) {
    return QString::fromStdString((elsewhere.root() / "Founders.tem").string());
  };
  d.findChild<QPushButton*>("SaveAs")->click();
  // "Founders.tem" of the teams folder would be replaced: the player said no.
  EXPECT_EQ(asked.size(), 1);
  EXPECT_EQ(readTeamFile(f.folders().teams() / "Founders.tem")->size(), 5u);
  EXPECT_FALSE(std::filesystem::exists(elsewhere.root() / "Founders.tem"));
}

TEST(EditTeamFileList, ShowsTheStoredSelectionAndOkStoresTheNewOne) {
  TeamFolders f;
  f.settings.setValue("Settings\\TeamFileList", "Founders.tem", "False");
  whenModal<EditTeamFileListDialog>(
      [](EditTeamFileListDialog& d) {
        QListWidget* list = d.list();
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("Challengers.tem"));
        EXPECT_TRUE(list->item(0)->isSelected());
        EXPECT_FALSE(list->item(1)->isSelected());
        list->item(0)->setSelected(false);
        list->item(1)->setSelected(true);
      },
      "OK");
  EXPECT_TRUE(editTeamFileList(nullptr, f.folders(), f.settings));
  EXPECT_EQ(f.settings.value("Settings\\TeamFileList", "Challengers.tem"), "False");
  EXPECT_EQ(f.settings.value("Settings\\TeamFileList", "Founders.tem"), "True");
}

TEST(EditTeamFileList, CancelStoresNothing) {
  TeamFolders f;
  whenModal<EditTeamFileListDialog>(
      [](EditTeamFileListDialog& d) { d.list()->item(0)->setSelected(false); }, "Cancel");
  EXPECT_FALSE(editTeamFileList(nullptr, f.folders(), f.settings));
  EXPECT_TRUE(f.settings.all().empty());
}

}  // namespace
}  // namespace tarmaq::testing
