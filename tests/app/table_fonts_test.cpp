#include "app/table_fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPushButton>
#include <QTableWidget>

#include "app/info_grids.h"
#include "app/info_panel.h"
#include "app/widget_support.h"

namespace tarmaq::testing {
namespace {

TEST(TableFonts, TheProgramsFacesComeFirstThenTheNearestInstalled) {
  EXPECT_EQ(heavyTableFamilies().front(), QStringLiteral("Futura XBlkCn BT"));
  EXPECT_EQ(bookTableFamilies().front(), QStringLiteral("Futura Bk BT"));
  EXPECT_EQ(firstInstalledFamily({QStringLiteral("No Such Face Anywhere")}), QString());
  // The machine's fonts: whichever face is found is one of the list, and it is really
  // the face the text is drawn in.
  const struct {
    QFont font;
    const QStringList& families;
    bool heavy;
  } cases[] = {{heavyTableFont(10), heavyTableFamilies(), true},
               {bookTableFont(7), bookTableFamilies(), false}};
  for (const auto& c : cases) {
    const QString chosen = firstInstalledFamily(c.families);
    ASSERT_FALSE(chosen.isEmpty()) << "none of " << c.families.join(", ").toStdString();
    EXPECT_EQ(c.font.family(), chosen);
    EXPECT_EQ(QFontInfo(c.font).family(), chosen);
    EXPECT_EQ(c.font.weight() >= QFont::Bold, c.heavy) << chosen.toStdString();
  }
  EXPECT_EQ(heavyTableFont(10).pointSize(), 10);
}

TEST(TableFonts, TheStandingsUseThemForPlacesAndHeaders) {
  WindowFixture f;
  f.newGame();
  MainWindow& w = *f.window;
  w.show();
  w.infoPanel()->button(InfoPanel::StandingsView)->click();
  QTableWidget* standings = w.infoPanel()->standings();
  ASSERT_GE(standings->rowCount(), 3);
  ASSERT_NE(standings->item(2, 1), nullptr);
  EXPECT_EQ(standings->item(2, 1)->font(), heavyTableFont(10));
  EXPECT_EQ(standings->item(2, 1)->text(), QStringLiteral("1"));
  ASSERT_NE(standings->item(0, 2), nullptr);
  EXPECT_EQ(standings->item(0, 2)->font(), bookTableFont(7));
}

}  // namespace
}  // namespace tarmaq::testing
