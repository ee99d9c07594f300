#include <gtest/gtest.h>

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/aux_windows.h"
#include "app/pictures.h"
#include "app/track_view_widget.h"
#include "app/widget_support.h"
#include "track/track_info.h"

namespace tarmaq::testing {
namespace {

QPushButton* buttonOf(QWidget* dialog, const QString& text) {
  for (QPushButton* b : dialog->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

// Runs `look` on the modal dialog that the next call opens.
void onNextDialog(std::function<void(QDialog*)> look) {
  QTimer::singleShot(0, [look] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "no dialog was opened";
    look(dialog);
  });
}

TEST(CheatDialog, ShiftDOffersTheDieValueAndOkTakesTheTextAsItIs) {
  const struct {
    const char* typed;
    const char* button;
    bool dieChanges;
    int move;  // the roll afterwards; -1 unchanged
  } cases[] = {
      {"7", "OK", true, 7},
      {"7", "Cancel", false, -1},
      {"x7", "OK", true, -1},  // not a number: the die shows it, the roll stays
  };
  for (const auto& c : cases) {
    WindowFixture f;
    f.newGame();
    MainWindow& w = *f.window;
    w.show();
    Game& g = w.game();
    const std::string before = g.controls.diePanel.valueText;
    const int moveBefore = g.snapshot.move;
    QString offered;
    onNextDialog([&](QDialog* dialog) {
      EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Testing/Debug Cheat"));
      EXPECT_NE(dialog->findChild<QLabel*>(), nullptr);
      EXPECT_EQ(dialog->findChild<QLabel*>()->text(), QStringLiteral("Enter the roll value"));
      auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("CheatTxt"));
      ASSERT_NE(text, nullptr);
      offered = text->text();
      text->setText(QString::fromLatin1(c.typed));
      QPushButton* b = buttonOf(dialog, QString::fromLatin1(c.button));
      ASSERT_NE(b, nullptr);
      EXPECT_EQ(b->isDefault(), std::string(c.button) == "OK");
      b->click();
    });
    w.keyDown(68, 1);
    EXPECT_EQ(offered.toStdString(), before) << c.typed << " " << c.button;
    EXPECT_EQ(g.controls.diePanel.valueText, c.dieChanges ? c.typed : before);
    EXPECT_EQ(g.snapshot.move, c.move < 0 ? moveBefore : c.move);
    EXPECT_EQ(g.log.rows.back().text, "     Ann Able has cheated!");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
}

TEST(CornerProperties, AClickOnACornerSignShowsThatCorner) {
  WindowFixture f;
  f.newGame();
  MainWindow& w = *f.window;
  w.resize(1000, 720);
  w.show();
  QApplication::processEvents();
  Game& g = w.game();
  ASSERT_GE(g.track.corners.size(), 2u);
  const int k = 1;
  const Corner& corner = g.track.corners[k];
  // Bring the sign into the middle of the view and click it.
  ViewState& v = g.view;
  const float cx = (corner.signLeft + corner.signRight) / 2;
  const float cy = (corner.signTop + corner.signBottom) / 2;
  v.offsetX = v.width / 2 - cx * v.zoom;
  v.offsetY = v.height / 2 - cy * v.zoom;
  const QPoint at(qRound(v.toScreenX(cx) / v.twipsPerPixelX),
                  qRound(v.toScreenY(cy) / v.twipsPerPixelY));
  const auto stepsBefore = g.gameLogArray;
  std::vector<std::pair<QString, QString>> shown;
  QString title;
  onNextDialog([&](QDialog* dialog) {
    title = dialog->windowTitle();
    auto* form = dialog->findChild<QFormLayout*>();
    ASSERT_NE(form, nullptr);
    for (int r = 0; r < form->rowCount(); ++r) {
      auto* label = qobject_cast<QLabel*>(form->itemAt(r, QFormLayout::LabelRole)->widget());
      auto* value = qobject_cast<QLabel*>(form->itemAt(r, QFormLayout::FieldRole)->widget());
      ASSERT_TRUE(label && value);
      shown.emplace_back(label->text(), value->text());
    }
    buttonOf(dialog, QStringLiteral("OK"))->click();
  });
  QTest::mouseClick(w.trackView(), Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(title, QStringLiteral("Corner Properties"));
  std::vector<std::pair<QString, QString>> expected;
  for (const InfoField& field : cornerProperties(corner))
    expected.emplace_back(QString::fromStdString(field.caption),
                          QString::fromStdString(field.value));
  EXPECT_EQ(shown, expected);
  ASSERT_EQ(expected.size(), 4u);
  EXPECT_EQ(expected[0].first, QStringLiteral("Corner Name"));
  // Looking at a corner changes nothing in the race.
  EXPECT_EQ(g.gameLogArray, stepsBefore);
}

TEST(StartDialog, StandsOnBlack) {
  StartDialog dialog(true);
  dialog.show();
  QApplication::processEvents();
  const QImage shot = dialog.grab().toImage();
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(shot.pixelColor(2, shot.height() - 3).rgb(), QColor(Qt::black).rgb());
}

TEST(ViewCursors, EachModeHasItsOwnPointerDrawnAtTheScreensDensity) {
  const ViewCursorPicture all[] = {ViewCursorPicture::Select, ViewCursorPicture::ZoomView,
                                   ViewCursorPicture::TranslateView, ViewCursorPicture::Resize};
  for (ViewCursorPicture p : all) {
    for (qreal ratio : {1.0, 2.0}) {
      const QCursor c = viewCursor(p, ratio);
      EXPECT_EQ(c.shape(), Qt::BitmapCursor);
      const QPixmap pixmap = c.pixmap();
      EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
      // Drawn with the screen's own pixels: twice as many on a double-density screen.
      EXPECT_EQ(pixmap.size(), QSize(24, 24) * ratio);
      // Something is drawn, and not a filled square.
      const QImage image = pixmap.toImage();
      int opaque = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (qAlpha(image.pixel(x, y)) > 128) ++opaque;
      EXPECT_GT(opaque, image.width() * image.height() / 20);
      EXPECT_LT(opaque, image.width() * image.height() * 3 / 4);
    }
  }
  // The select arrow points with its tip, the others act from their centre.
  EXPECT_EQ(viewCursor(ViewCursorPicture::Select, 1.0).hotSpot(), QPoint(3, 1));
  EXPECT_EQ(viewCursor(ViewCursorPicture::ZoomView, 1.0).hotSpot(), QPoint(12, 12));
}

TEST(ViewCursors, TheViewShowsThePointerOfItsModeAndTheResizeEdge) {
  WindowFixture f;
  f.newGame();
  MainWindow& w = *f.window;
  w.resize(1000, 720);
  w.show();
  QApplication::processEvents();
  TrackViewWidget* view = w.trackView();
  auto sameAs = [](const QCursor& a, ViewCursorPicture p) {
    return a.pixmap().toImage() == viewCursor(p, a.pixmap().devicePixelRatio()).pixmap().toImage();
  };
  const struct {
    const char* mode;
    ViewCursorPicture picture;
  } cases[] = {{"ZoomView", ViewCursorPicture::ZoomView},
               {"TranslateView", ViewCursorPicture::TranslateView},
               {"Select", ViewCursorPicture::Select}};
  for (const auto& c : cases) {
    w.toolbarAction(c.mode)->trigger();
    QTest::mouseMove(view, view->rect().center());
    EXPECT_TRUE(sameAs(view->cursor(), c.picture)) << c.mode;
    // The bottom edge of the view resizes it, whatever the mode.
    QTest::mouseMove(view, QPoint(view->width() / 2, view->height() - 3));
    EXPECT_TRUE(sameAs(view->cursor(), ViewCursorPicture::Resize)) << c.mode;
  }
}

}  // namespace
}  // namespace tarmaq::testing
