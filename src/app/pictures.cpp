#include "app/pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in the shell library: a static library's resources are registered
// by hand before the first picture is drawn.
static void registerPictures() { Q_INIT_RESOURCE(pictures); }

namespace tarmaq {

void initPictures() {
  static const bool done = (registerPictures(), true);
  (void)done;
}

QString picturePath(const QString& name) {
  initPictures();
  return QStringLiteral(":/pictures/%1.svg").arg(name);
}

QPixmap picturePixmap(const QString& name, QSize size, qreal devicePixelRatio) {
  QSvgRenderer renderer{picturePath(name)};
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.fill(Qt::transparent);
  if (renderer.isValid()) {
    QPainter painter(&pixmap);
    renderer.render(&painter);
  }
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

QIcon pictureIcon(const QString& name) {
  // Icons are asked for on every redraw: keep each one, the SVG is parsed once.
  static QHash<QString, QIcon> cache;
  auto it = cache.find(name);
  if (it != cache.end()) return *it;
  QIcon icon;
  if (QFile::exists(picturePath(name))) icon = QIcon(picturePath(name));
  cache.insert(name, icon);
  return icon;
}

QIcon logIcon(int number) {
  if (number < 1 || number > 43) return {};
  return pictureIcon(QStringLiteral("log_%1").arg(number, 2, 10, QLatin1Char('0')));
}

QIcon driverCardImage(const QString& key) { return pictureIcon(QStringLiteral("card_") + key); }

QIcon dieIcon(int gear, bool greyed) {
  return pictureIcon(QStringLiteral("dieicon_%1%2").arg(gear).arg(greyed ? "_grey" : ""));
}

QString diePictureName(int kind) {
  return QStringLiteral("die_%1").arg(kind < 0 || kind > 6 ? 0 : kind);
}

QCursor viewCursor(ViewCursorPicture picture, qreal devicePixelRatio) {
  static const char* names[] = {"cursor_select", "cursor_zoom", "cursor_translate",
                                "cursor_resize"};
  const int i = static_cast<int>(picture);
  if (i < 0 || i > 3 || devicePixelRatio <= 0) return QCursor(Qt::ArrowCursor);
  // Drawn once per picture and pixel density: the pointer moves often.
  static QHash<QPair<int, int>, QCursor> cache;
  const QPair<int, int> key(i, qRound(devicePixelRatio * 100));
  auto it = cache.find(key);
  if (it != cache.end()) return *it;
  // The pictures are drawn on a grid of 32; the cursor is 24 logical pixels, drawn at
  // the screen's density so it stays sharp.
  constexpr int size = 24;
  const QPixmap pixmap =
      picturePixmap(QString::fromLatin1(names[i]), QSize(size, size), devicePixelRatio);
  // The select arrow points with its tip; the others act from their centre.
  const QCursor cursor = picture == ViewCursorPicture::Select ? QCursor(pixmap, 3, 1)
                                                              : QCursor(pixmap, size / 2, size / 2);
  cache.insert(key, cursor);
  return cursor;
}

}  // namespace tarmaq
