// The program's pictures, drawn from the SVG resources at the screen's pixel density so
// they stay crisp on high-density screens.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tarmaq {

// Makes the pictures available; every function here calls it first.
void initPictures();

// The resource path of a picture.
QString picturePath(const QString& name);

// A resource picture by name ("log_08", "card_SlashedTire", "toolbar_SaveGame").
QIcon pictureIcon(const QString& name);
// The picture drawn at a size in logical pixels for a device pixel ratio.
QPixmap picturePixmap(const QString& name, QSize size, qreal devicePixelRatio = 1.0);

// Game-log icon 1-43; a null icon for any other number.
QIcon logIcon(int number);
// A driver-card image by key ("Tire", "SlashedTire", ..., "GreyStop").
QIcon driverCardImage(const QString& key);
// The small die of a gear (1-6), greyed when the gear cannot be chosen.
QIcon dieIcon(int gear, bool greyed);
// The big die of a kind: 0 the event die, 1-6 the gear dice.
QString diePictureName(int kind);

// The track view's pointers: the three pointer modes and the edge that resizes the view.
enum class ViewCursorPicture { Select, ZoomView, TranslateView, Resize };
// The pointer drawn for a screen's device pixel ratio.
QCursor viewCursor(ViewCursorPicture picture, qreal devicePixelRatio);

}  // namespace tarmaq
