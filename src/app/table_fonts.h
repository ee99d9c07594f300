// The two faces of the standings and starting-grid tables: a condensed heavy face for
// the place numbers and a book face for the headers. The program's own faces are used
// when installed; otherwise the nearest free faces on the system, and at worst the
// default face made condensed and bold.
#pragma once

#include <QFont>
#include <QStringList>

namespace tarmaq {

// The families tried in order for each face.
const QStringList& heavyTableFamilies();
const QStringList& bookTableFamilies();

// The first family of `candidates` that the system has; empty when none.
QString firstInstalledFamily(const QStringList& candidates);

// The place numbers ("Futura XBlkCn BT" or the nearest face).
QFont heavyTableFont(int pointSize);
// The headers ("Futura Bk BT" or the nearest face).
QFont bookTableFont(int pointSize);

}  // namespace tarmaq
