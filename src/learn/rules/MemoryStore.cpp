// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/MemoryStore.h"

#include "data/FastQuery.h"
#include "data/LogDates.h"
#include "data/Sql.h"
#include "learn/rules/DueCards.h"
#include "learn/rules/Fsrs.h"

#include <QScopeGuard>
#include <algorithm>
#include <array>

namespace learn {
namespace {

double boundedRetention(double retention) {
    // NaN, from a file edited by hand, is the usual retention.
    if (!(retention >= kLowestRetention && retention <= kHighestRetention))
        return retention < kLowestRetention    ? kLowestRetention
               : retention > kHighestRetention ? kHighestRetention
                                               : kDefaultRetention;
    return retention;
}

double storedRetention(const QSqlDatabase& db) {
    const QVariant r = data::scalar(db, QStringLiteral("SELECT Retention FROM Fields1 LIMIT 1"));
    return boundedRetention(r.isNull() ? kDefaultRetention : r.toDouble());
}

// Takes this transaction's change of the log into the state when the state matched the log
// before it: true when it did, and the state is to follow the change.
bool followsTheLog(const QSqlDatabase& db) {
    return data::exec(db, QStringLiteral("UPDATE MemoryMark SET BuiltAt = LogChanges "
                                         "WHERE BuiltAt = LogChanges - 1"))
               .numRowsAffected() > 0;
}

void writeState(data::Prepared& insert, qint64 cardId, bool reverse, const fsrs::MemoryState& state,
                qint64 lastDay, double retention) {
    insert.run({cardId, reverse ? 1 : 0, state.stability, state.difficulty, lastDay,
                firstDueDay(lastDay, state.stability, retention)});
}

const QString kInsertState = QStringLiteral(
    "INSERT OR REPLACE INTO MemoryState (Card_ID, Reverse, Stability, Difficulty, LastDay, "
    "DueDay) SELECT Card_ID, ?, ?, ?, ?, ? FROM Card WHERE Card_ID = ?");

// The INSERT above takes the card id last, so that a card deleted meanwhile gets no row.
void writeStateRow(const QSqlDatabase& db, qint64 cardId, bool reverse,
                   const fsrs::MemoryState& state, qint64 lastDay, double retention) {
    data::exec(db, kInsertState,
               {reverse ? 1 : 0, state.stability, state.difficulty, lastDay,
                firstDueDay(lastDay, state.stability, retention), cardId});
}

void replayCardWay(const QSqlDatabase& db, qint64 cardId, bool reverse) {
    struct Row {
        qint64 day;
        qint64 recId;
        bool correct;
    };
    std::vector<Row> rows;
    QSqlQuery q = data::exec(
        db,
        QStringLiteral("SELECT \"Date\", RecID, Result = 'Correct' FROM Log WHERE CardID = ? AND "
                       "(Direction IS 'reverse') = ? AND Result IN ('Correct', 'Wrong')"),
        {cardId, reverse ? 1 : 0});
    while (q.next()) {
        const QDate day = data::logDay(q.value(0).toString());
        if (day.isValid())
            rows.push_back({day.toJulianDay(), q.value(1).toLongLong(), q.value(2).toBool()});
    }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return a.day != b.day ? a.day < b.day : a.recId < b.recId;
    });
    std::vector<fsrs::Reply> history;
    history.reserve(rows.size());
    for (const Row& r : rows)
        history.push_back({r.day, r.correct});
    const std::optional<fsrs::MemoryState> state = fsrs::replay(history);
    if (!state) {
        data::exec(db, QStringLiteral("DELETE FROM MemoryState WHERE Card_ID = ? AND Reverse = ?"),
                   {cardId, reverse ? 1 : 0});
        return;
    }
    writeStateRow(db, cardId, reverse, *state, rows.back().day, storedRetention(db));
}

} // namespace

ReviewSettings reviewSettings(const QSqlDatabase& db) {
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT ReviewOn, Retention FROM Fields1 LIMIT 1"));
    ReviewSettings settings;
    if (q.next()) {
        settings.on = q.value(0).toInt() != 0;
        settings.retention =
            boundedRetention(q.value(1).isNull() ? kDefaultRetention : q.value(1).toDouble());
    }
    return settings;
}

void storeReviewSettings(const QSqlDatabase& db, const ReviewSettings& settings) {
    const double retention = boundedRetention(settings.retention);
    data::Transaction t(db);
    data::exec(db, QStringLiteral("UPDATE Fields1 SET ReviewOn = ?, Retention = ?"),
               {settings.on ? 1 : 0, retention});
    if (data::scalar(db, QStringLiteral("SELECT Retention IS NOT ? FROM MemoryMark"), {retention})
            .toBool()) {
        data::Prepared update(db, QStringLiteral("UPDATE MemoryState SET DueDay = ? WHERE "
                                                 "Card_ID = ? AND Reverse = ?"));
        data::FastQuery q(db, QStringLiteral("SELECT Card_ID, Reverse, Stability, LastDay "
                                             "FROM MemoryState"));
        std::vector<std::array<qint64, 3>> changed;
        while (q.next())
            changed.push_back(
                {firstDueDay(q.value(3).toLongLong(), q.value(2).toDouble(), retention),
                 q.value(0).toLongLong(), q.value(1).toLongLong()});
        for (const auto& [due, card, reverse] : changed)
            update.run({due, card, reverse});
        data::exec(db, QStringLiteral("UPDATE MemoryMark SET Retention = ?"), {retention});
    }
    t.commit();
}

bool memoryStateIsCurrent(const QSqlDatabase& db) {
    return data::scalar(db, QStringLiteral("SELECT BuiltAt IS LogChanges AND Retention IS (SELECT "
                                           "Retention FROM Fields1 LIMIT 1) FROM MemoryMark"))
        .toBool();
}

bool rebuildMemoryState(const QSqlDatabase& db, qint64 today,
                        const std::function<void()>& afterRead) {
    qint64 builtAt = 0;
    double retention = kDefaultRetention;
    std::vector<CardMemory> cards;
    {
        // One snapshot, without the write lock: the count of changes and the rows it counts
        // agree, and replies are stored meanwhile.
        data::exec(db, QStringLiteral("BEGIN DEFERRED"));
        const auto end = qScopeGuard([&] { QSqlQuery(db).exec(QStringLiteral("COMMIT")); });
        builtAt =
            data::scalar(db, QStringLiteral("SELECT LogChanges FROM MemoryMark")).toLongLong();
        retention = storedRetention(db);
        cards = cardMemories(db, today, retention);
    }
    if (afterRead)
        afterRead();
    data::Transaction write(db);
    if (data::scalar(db, QStringLiteral("SELECT LogChanges FROM MemoryMark")).toLongLong() !=
        builtAt)
        return false;
    data::exec(db, QStringLiteral("DELETE FROM MemoryState"));
    {
        data::Prepared insert(db, QStringLiteral("INSERT INTO MemoryState (Card_ID, Reverse, "
                                                 "Stability, Difficulty, LastDay, DueDay) "
                                                 "VALUES (?, ?, ?, ?, ?, ?)"));
        for (const CardMemory& c : cards)
            writeState(insert, c.cardId, c.reverse, c.state, c.lastDay, retention);
    }
    data::exec(db, QStringLiteral("UPDATE MemoryMark SET BuiltAt = ?, Retention = ?"),
               {builtAt, retention});
    write.commit();
    return true;
}

void noteReplyInMemory(const QSqlDatabase& db, qint64 cardId, bool reverse, qint64 day,
                       const QString& result) {
    const bool correct = result == QLatin1String("Correct");
    if (!followsTheLog(db) || (!correct && result != QLatin1String("Wrong")))
        return;
    QSqlQuery q = data::exec(db,
                             QStringLiteral("SELECT Stability, Difficulty, LastDay FROM "
                                            "MemoryState WHERE Card_ID = ? AND Reverse = ?"),
                             {cardId, reverse ? 1 : 0});
    const fsrs::Grade grade = correct ? fsrs::Grade::Good : fsrs::Grade::Again;
    if (!q.next()) {
        writeStateRow(db, cardId, reverse, fsrs::initialState(grade), day, storedRetention(db));
        return;
    }
    const qint64 lastDay = q.value(2).toLongLong();
    // A clock set back puts the reply before others: its place in the history is found anew.
    if (day < lastDay) {
        replayCardWay(db, cardId, reverse);
        return;
    }
    const fsrs::MemoryState before{q.value(0).toDouble(), q.value(1).toDouble()};
    writeStateRow(db, cardId, reverse,
                  fsrs::nextState(before, static_cast<int>(day - lastDay), grade), day,
                  storedRetention(db));
}

void noteReplyTakenBack(const QSqlDatabase& db, qint64 cardId, bool reverse) {
    if (followsTheLog(db))
        replayCardWay(db, cardId, reverse);
}

std::vector<DueEntry> dueEntries(const QSqlDatabase& db, qint64 today) {
    std::vector<DueEntry> due;
    QSqlQuery q = data::exec(
        db,
        QStringLiteral("SELECT m.Card_ID, m.Reverse, m.Stability, m.LastDay, (SELECT "
                       "MIN(s.SetName) FROM Set_Card_rel r JOIN Set1 s ON s.Set_ID = r.Set_ID "
                       "WHERE r.Card_ID = m.Card_ID) FROM MemoryState m WHERE m.DueDay <= ?"),
        {today});
    while (q.next()) {
        const QString setName = q.value(4).toString();
        if (setName.isEmpty())
            continue;
        const double elapsed =
            static_cast<double>(std::max<qint64>(today - q.value(3).toLongLong(), 0));
        due.push_back({q.value(0).toLongLong(), q.value(1).toInt() != 0, setName,
                       fsrs::retrievability(elapsed, q.value(2).toDouble())});
    }
    std::sort(due.begin(), due.end(), [](const DueEntry& a, const DueEntry& b) {
        if (a.retrievability != b.retrievability)
            return a.retrievability < b.retrievability;
        return a.cardId != b.cardId ? a.cardId < b.cardId : a.reverse < b.reverse;
    });
    return due;
}

DueCounts dueCounts(const QSqlDatabase& db, qint64 today) {
    DueCounts counts;
    QSqlQuery q = data::exec(
        db,
        QStringLiteral("SELECT s.SetName, COUNT(DISTINCT m.Card_ID * 2 + m.Reverse) FROM "
                       "MemoryState m JOIN Set_Card_rel r ON r.Card_ID = m.Card_ID JOIN Set1 s "
                       "ON s.Set_ID = r.Set_ID WHERE m.DueDay <= ? AND s.SetName <> '' GROUP BY "
                       "s.SetName"),
        {today});
    while (q.next())
        counts.bySet.insert(q.value(0).toString(), q.value(1).toInt());
    counts.total = data::scalar(db,
                                QStringLiteral("SELECT COUNT(*) FROM MemoryState m WHERE m.DueDay "
                                               "<= ? AND EXISTS (SELECT 1 FROM Set_Card_rel r "
                                               "JOIN Set1 s ON s.Set_ID = r.Set_ID WHERE "
                                               "r.Card_ID = m.Card_ID AND s.SetName <> '')"),
                                {today})
                       .toInt();
    return counts;
}

std::vector<double> stabilitiesInSets(const QSqlDatabase& db) {
    std::vector<double> stabilities;
    data::FastQuery q(db, QStringLiteral("SELECT m.Stability FROM MemoryState m WHERE EXISTS "
                                         "(SELECT 1 FROM Set_Card_rel r JOIN Set1 s ON s.Set_ID = "
                                         "r.Set_ID WHERE r.Card_ID = m.Card_ID AND s.SetName <> "
                                         "'')"));
    while (q.next())
        stabilities.push_back(q.value(0).toDouble());
    return stabilities;
}

double reviewsPerDay(const std::vector<double>& stabilities, double retention) {
    double perDay = 0;
    for (const double s : stabilities)
        perDay += 1.0 / std::max(1.0, fsrs::intervalDays(s, retention));
    return perDay;
}

} // namespace learn
