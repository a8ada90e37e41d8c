// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/LessonState.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace learn {

// Reads the cards the current-set query `source` yields ("qCurrentSet" or "qCurrentSetKids")
// into rows 1 to n of the card array, in the query's order, in one pass, and returns n.
// Empty for any other source.
std::optional<int> readCurrentSetCards(const QSqlDatabase& db, const QString& source,
                                       CardArray& cards);

} // namespace learn
