#include "app/table_fonts.h"

#include <QFontDatabase>

namespace tarmaq {

const QStringList& heavyTableFamilies() {
  static const QStringList families = {
      QStringLiteral("Futura XBlkCn BT"),
      // Free faces of the same build: narrow and heavy.
      QStringLiteral("Nimbus Sans Narrow"),
      QStringLiteral("DejaVu Sans Condensed"),
  };
  return families;
}

const QStringList& bookTableFamilies() {
  static const QStringList families = {
      QStringLiteral("Futura Bk BT"),
      // A geometric book face, then a plain one.
      QStringLiteral("URW Gothic"),
      QStringLiteral("DejaVu Sans"),
  };
  return families;
}

QString firstInstalledFamily(const QStringList& candidates) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : candidates)
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  return {};
}

QFont heavyTableFont(int pointSize) {
  QFont f;
  const QString family = firstInstalledFamily(heavyTableFamilies());
  if (!family.isEmpty()) f.setFamily(family);
  // The program's own face is heavy in itself; the others are asked for their boldest.
  if (family != heavyTableFamilies().front()) {
    f.setWeight(QFont::Bold);
    if (family.isEmpty()) f.setStretch(QFont::Condensed);
  }
  f.setPointSize(pointSize);
  return f;
}

QFont bookTableFont(int pointSize) {
  QFont f;
  const QString family = firstInstalledFamily(bookTableFamilies());
  if (!family.isEmpty()) f.setFamily(family);
  f.setWeight(QFont::Normal);
  f.setPointSize(pointSize);
  return f;
}

}  // namespace tarmaq
