// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/MemoryStore.h"

#include "data/FastQuery.h"
#include "data/LogDates.h"
#include "data/Sql.h"
#include "learn/rules/DueCards.h"
#include "learn/rules/Fsrs.h"

#include <QScopeGuard>
#include <algorithm>

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

// A value that is no number (a file edited by hand) is the usual retention.
double retentionOf(const QVariant& stored) {
    bool number = false;
    const double r = stored.toDouble(&number);
    return boundedRetention(number ? r : kDefaultRetention);
}

double storedRetention(const QSqlDatabase& db) {
    return retentionOf(data::scalar(db, QStringLiteral("SELECT Retention FROM Fields1 LIMIT 1")));
}

// Takes this transaction's change of the log into the state when the state matched the log
// before it: true when it did, and the state is to follow the change.
bool followsTheLog(const QSqlDatabase& db) {
    return data::exec(db, QStringLiteral("UPDATE MemoryMark SET BuiltAt = LogChanges "
                                         "WHERE BuiltAt = LogChanges - 1"))
               .numRowsAffected() > 0;
}

struct StateRow {
    qint64 cardId = 0;
    bool reverse = false;
    fsrs::MemoryState state;
    qint64 lastDay = 0;
    int dueReplies = 0;
    int dueRight = 0;
};

// The due day the card and way has now; none without a state.
std::optional<qint64> dueDayOf(const QSqlDatabase& db, qint64 cardId, bool reverse) {
    const QVariant day = data::scalar(
        db, QStringLiteral("SELECT DueDay FROM MemoryState WHERE Card_ID = ? AND Reverse = ?"),
        {cardId, reverse ? 1 : 0});
    return day.isValid() && !day.isNull() ? std::optional<qint64>(day.toLongLong()) : std::nullopt;
}

// A card deleted meanwhile gets no row.
void writeStateRow(const QSqlDatabase& db, const StateRow& row, double retention) {
    const std::optional<qint64> before = dueDayOf(db, row.cardId, row.reverse);
    const qint64 due = firstDueDay(row.lastDay, row.state.stability, retention);
    const QSqlQuery written = data::exec(
        db,
        QStringLiteral("INSERT OR REPLACE INTO MemoryState (Card_ID, Reverse, Stability, "
                       "Difficulty, LastDay, DueDay, DueReplies, DueRight) SELECT Card_ID, ?, ?, "
                       "?, ?, ?, ?, ? FROM Card WHERE Card_ID = ?"),
        {row.reverse ? 1 : 0, row.state.stability, row.state.difficulty, row.lastDay, due,
         row.dueReplies, row.dueRight, row.cardId});
    if (written.numRowsAffected() > 0)
        moveDueCount(db, row.cardId, before, due);
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
    const double retention = storedRetention(db);
    const std::optional<Replayed> replayed = replayWithDueCounts(history, retention);
    if (!replayed) {
        const std::optional<qint64> before = dueDayOf(db, cardId, reverse);
        data::exec(db, QStringLiteral("DELETE FROM MemoryState WHERE Card_ID = ? AND Reverse = ?"),
                   {cardId, reverse ? 1 : 0});
        moveDueCount(db, cardId, before, std::nullopt);
        return;
    }
    writeStateRow(db,
                  {cardId, reverse, replayed->state, rows.back().day, replayed->dueReplies,
                   replayed->dueRight},
                  retention);
}

} // namespace

ReviewSettings reviewSettings(const QSqlDatabase& db) {
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT ReviewOn, Retention FROM Fields1 LIMIT 1"));
    ReviewSettings settings;
    if (q.next()) {
        settings.on = q.value(0).toInt() != 0;
        settings.retention = retentionOf(q.value(1));
    }
    return settings;
}

double chosenRetention(const QSqlDatabase& db) {
    const bool held = data::scalar(db, QStringLiteral("SELECT COUNT(*) FROM "
                                                      "pragma_table_info('Fields1') WHERE name = "
                                                      "'Retention'"))
                          .toInt() > 0;
    return held ? storedRetention(db) : kDefaultRetention;
}

void storeReviewSettings(const QSqlDatabase& db, const ReviewSettings& settings) {
    // Another retention makes the state out of date: it is built again for it.
    data::exec(db, QStringLiteral("UPDATE Fields1 SET ReviewOn = ?, Retention = ?"),
               {settings.on ? 1 : 0, boundedRetention(settings.retention)});
}

bool memoryStateIsCurrent(const QSqlDatabase& db) {
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT BuiltAt IS LogChanges, Retention FROM MemoryMark LIMIT 1"));
    // Compared as the state was built for it: a retention out of range is built for its bound.
    return q.next() && q.value(0).toBool() && !q.value(1).isNull() &&
           q.value(1).toDouble() == storedRetention(db);
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
        cards = cardMemories(db, today, retention, {}, false);
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
                                                 "Stability, Difficulty, LastDay, DueDay, "
                                                 "DueReplies, DueRight) VALUES (?, ?, ?, ?, ?, ?, "
                                                 "?, ?)"));
        for (const CardMemory& c : cards)
            insert.run({c.cardId, c.reverse ? 1 : 0, c.state.stability, c.state.difficulty,
                        c.lastDay, c.dueDay, c.dueReplies, c.dueRight});
    }
    recountDue(db, today);
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
    QSqlQuery q =
        data::exec(db,
                   QStringLiteral("SELECT Stability, Difficulty, LastDay, DueReplies, DueRight "
                                  "FROM MemoryState WHERE Card_ID = ? AND Reverse = ?"),
                   {cardId, reverse ? 1 : 0});
    const double retention = storedRetention(db);
    const fsrs::Grade grade = correct ? fsrs::Grade::Good : fsrs::Grade::Again;
    if (!q.next()) {
        writeStateRow(db, {cardId, reverse, fsrs::initialState(grade), day, 0, 0}, retention);
        return;
    }
    const qint64 lastDay = q.value(2).toLongLong();
    // A clock set back puts the reply before others: its place in the history is found anew.
    if (day < lastDay) {
        replayCardWay(db, cardId, reverse);
        return;
    }
    const fsrs::MemoryState before{q.value(0).toDouble(), q.value(1).toDouble()};
    const int elapsed = static_cast<int>(day - lastDay);
    StateRow row{cardId,
                 reverse,
                 fsrs::nextState(before, elapsed, grade),
                 day,
                 q.value(3).toInt(),
                 q.value(4).toInt()};
    // The same rule as the replay's: the first reply of a day, recall below the retention.
    if (elapsed > 0 && fsrs::retrievability(elapsed, before.stability) < retention) {
        ++row.dueReplies;
        row.dueRight += correct ? 1 : 0;
    }
    writeStateRow(db, row, retention);
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

DueOutlook dueOutlook(const QSqlDatabase& db, qint64 today, const QString& setName, int days) {
    // In a set with a name; with `setName`, in that one. Takes the name twice.
    const QString inSet = QStringLiteral(
        "EXISTS (SELECT 1 FROM Set_Card_rel r JOIN Set1 s ON s.Set_ID = r.Set_ID WHERE "
        "r.Card_ID = m.Card_ID AND s.SetName <> '' AND (? = '' OR s.SetName = ?))");
    const QString name = setName.isNull() ? QStringLiteral("") : setName;
    DueOutlook outlook;
    outlook.perDay.assign(static_cast<size_t>(std::max(days, 0)), 0);
    QSqlQuery q = data::exec(db,
                             QStringLiteral("SELECT max(m.DueDay, ?), COUNT(*) FROM MemoryState m "
                                            "WHERE m.DueDay < ? AND %1 GROUP BY 1")
                                 .arg(inSet),
                             {today, today + days, name, name});
    while (q.next()) {
        const qint64 offset = q.value(0).toLongLong() - today;
        if (offset >= 0 && offset < days)
            outlook.perDay[static_cast<size_t>(offset)] = q.value(1).toInt();
    }
    QSqlQuery sums = data::exec(
        db,
        QStringLiteral("SELECT total(m.DueReplies), total(m.DueRight) FROM MemoryState m WHERE %1")
            .arg(inSet),
        {name, name});
    if (sums.next()) {
        outlook.dueReplies = sums.value(0).toInt();
        outlook.dueRight = sums.value(1).toInt();
    }
    return outlook;
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
