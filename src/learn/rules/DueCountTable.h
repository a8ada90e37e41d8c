// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace learn {

// The memory state's due days counted per set (DueCount), so that the due counts shown after
// every reply read a few rows a day, not a row per card.

// How many due entries each named set holds (a card in two sets counts in both), and in all.
struct DueCounts {
    QHash<QString, int> bySet;
    int total = 0;
};
// Counted again first when the sets changed since the last count, or the clock went back
// before it. Throws DbError.
DueCounts dueCounts(const QSqlDatabase& db, qint64 today);
// The total alone: what the status bar shows after every reply, a few rows read.
int dueTotal(const QSqlDatabase& db, qint64 today);

// Counts the whole state afresh, in the caller's transaction. The due days before `today` are
// counted as the day before it: they stay past, and the rows stay few however far back they go.
void recountDue(const QSqlDatabase& db, qint64 today);
// A card and way's due day moved (none: it had or has no state), in the caller's transaction.
// Nothing when the counts are to be made afresh anyway.
void moveDueCount(const QSqlDatabase& db, qint64 cardId, std::optional<qint64> from,
                  std::optional<qint64> to);

} // namespace learn
