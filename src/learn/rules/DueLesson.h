// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/LessonState.h"

#include <QSqlDatabase>
#include <QString>
#include <vector>

namespace learn {

// The cards due for review as a lesson's entries (index 0 unused, as the card array's rows):
// each in the way it is due, lowest recall first, each naming the set it is taken from (its
// first by name), nothing counted in this lesson yet. Throws DbError.
std::vector<CardArray::CardRow> dueLessonEntries(const QSqlDatabase& db, qint64 today);

// The extra status-bar text while due review is on.
QString duePanelText(int total);

} // namespace learn
