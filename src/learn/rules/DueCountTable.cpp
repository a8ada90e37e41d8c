// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/DueCountTable.h"

#include "data/Sql.h"

#include <QSqlQuery>
#include <algorithm>

namespace learn {
namespace {

bool countsMatchTheSets(const QSqlDatabase& db) {
    return data::scalar(db, QStringLiteral("SELECT CountedAt IS SetChanges FROM MemoryMark"))
        .toBool();
}

// The day the counts keep a due day under: the past ones all as one.
qint64 countedDay(qint64 day, qint64 countedFrom) {
    return std::max(day, countedFrom - 1);
}

// The named sets holding the card, and 0 (all sets) when there is one.
QList<qint64> countedIn(const QSqlDatabase& db, qint64 cardId) {
    QList<qint64> sets;
    QSqlQuery q = data::exec(db,
                             QStringLiteral("SELECT DISTINCT r.Set_ID FROM Set_Card_rel r JOIN "
                                            "Set1 s ON s.Set_ID = r.Set_ID WHERE r.Card_ID = ? "
                                            "AND s.SetName <> ''"),
                             {cardId});
    while (q.next())
        sets << q.value(0).toLongLong();
    if (!sets.isEmpty())
        sets << 0;
    return sets;
}

} // namespace

void recountDue(const QSqlDatabase& db, qint64 today) {
    data::exec(db, QStringLiteral("DELETE FROM DueCount"));
    const qint64 past = today - 1;
    data::exec(db,
               QStringLiteral("INSERT INTO DueCount (Set_ID, DueDay, N) SELECT r.Set_ID, "
                              "max(m.DueDay, ?), COUNT(DISTINCT m.Card_ID * 2 + m.Reverse) FROM "
                              "MemoryState m JOIN Set_Card_rel r ON r.Card_ID = m.Card_ID JOIN "
                              "Set1 s ON s.Set_ID = r.Set_ID WHERE s.SetName <> '' GROUP BY "
                              "r.Set_ID, max(m.DueDay, ?)"),
               {past, past});
    data::exec(db,
               QStringLiteral("INSERT INTO DueCount (Set_ID, DueDay, N) SELECT 0, max(m.DueDay, "
                              "?), COUNT(*) FROM MemoryState m WHERE EXISTS (SELECT 1 FROM "
                              "Set_Card_rel r JOIN Set1 s ON s.Set_ID = r.Set_ID WHERE "
                              "r.Card_ID = m.Card_ID AND s.SetName <> '') GROUP BY max(m.DueDay, "
                              "?)"),
               {past, past});
    data::exec(db, QStringLiteral("UPDATE MemoryMark SET CountedAt = SetChanges, CountedFrom = ?"),
               {today});
}

void moveDueCount(const QSqlDatabase& db, qint64 cardId, std::optional<qint64> from,
                  std::optional<qint64> to) {
    if (from == to || !countsMatchTheSets(db))
        return;
    const qint64 countedFrom =
        data::scalar(db, QStringLiteral("SELECT CountedFrom FROM MemoryMark")).toLongLong();
    if (from)
        from = countedDay(*from, countedFrom);
    if (to)
        to = countedDay(*to, countedFrom);
    if (from == to)
        return;
    for (const qint64 set : countedIn(db, cardId)) {
        if (from) {
            data::exec(db,
                       QStringLiteral("UPDATE DueCount SET N = N - 1 WHERE Set_ID = ? AND DueDay "
                                      "= ?"),
                       {set, *from});
            data::exec(db,
                       QStringLiteral("DELETE FROM DueCount WHERE Set_ID = ? AND DueDay = ? AND "
                                      "N <= 0"),
                       {set, *from});
        }
        if (to)
            data::exec(db,
                       QStringLiteral("INSERT INTO DueCount (Set_ID, DueDay, N) VALUES (?, ?, 1) "
                                      "ON CONFLICT (Set_ID, DueDay) DO UPDATE SET N = N + 1"),
                       {set, *to});
    }
}

namespace {

// Counts afresh when the counts no longer match the sets or were made for a later day.
void countIfNeeded(const QSqlDatabase& db, qint64 today) {
    const bool countedLater =
        data::scalar(db, QStringLiteral("SELECT coalesce(CountedFrom > ?, 1) FROM MemoryMark"),
                     {today})
            .toBool();
    if (!countsMatchTheSets(db) || countedLater) {
        data::Transaction t(db);
        recountDue(db, today);
        t.commit();
    }
}

int totalOn(const QSqlDatabase& db, qint64 today) {
    return data::scalar(
               db, QStringLiteral("SELECT total(N) FROM DueCount WHERE Set_ID = 0 AND DueDay <= ?"),
               {today})
        .toInt();
}

} // namespace

int dueTotal(const QSqlDatabase& db, qint64 today) {
    countIfNeeded(db, today);
    return totalOn(db, today);
}

DueCounts dueCounts(const QSqlDatabase& db, qint64 today) {
    countIfNeeded(db, today);
    DueCounts counts;
    QSqlQuery q = data::exec(
        db,
        QStringLiteral("SELECT s.SetName, SUM(d.N) FROM DueCount d JOIN Set1 s ON s.Set_ID = "
                       "d.Set_ID WHERE d.DueDay <= ? AND s.SetName <> '' GROUP BY s.SetName"),
        {today});
    while (q.next())
        counts.bySet.insert(q.value(0).toString(), q.value(1).toInt());
    counts.total = totalOn(db, today);
    return counts;
}

} // namespace learn
