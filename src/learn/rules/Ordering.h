// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/LessonState.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

namespace learn {

// Rearranges rows 1 to CurRowLim after a bunch: the first N-1 reversed, the last kept.
void SubReorderArray(CardArray& CSarray, int CurRowLim);

// Recomputes Card.Order of every card at the end of a bunch, and the keys of the cards asked
// the other way round (CardReverse). Only the cards whose key can
// have changed are written at once; a pass over every card is left to completeOrderKeys or
// the OrderKeysRunner (OrderKeys.h).
void SubReorder(const QSqlDatabase& db);

// Recomputes Card.Order of every card after a learnt set; depends on the day of the month.
// Written as SubReorder's.
void SubUpdateOrder1(const QSqlDatabase& db);

// The two rules of the order key; None stands for keys made by neither (a new database, or
// a file from before the keys were tracked).
enum class KeyRule { None = 0, Bunch = 1, LearntSet = 2 };

// The key of `rule` as an SQL expression over Card_ID and `rating` (an SQL expression).
QString orderKeySql(KeyRule rule, int day, const QString& rating);

// Writes the key of `rule` into the "Order" of the cards matching `where`, each from the
// rating the expression `rating` gives it: in Card, or in CardReverse for the keys of the
// cards' other direction.
void writeOrderKeys(const QSqlDatabase& db, KeyRule rule, int day, const QString& rating,
                    const QString& where, const QVariantList& binds = {},
                    const QString& table = QStringLiteral("Card"));

// The keys are computed by SQL functions when Qt's SQLite driver is the SQLite library this
// program links, and card by card in the program otherwise. Tests force the second way.
void setKeysInProgramForTesting(bool inProgram);

} // namespace learn
