// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/LogAggregates.h"

#include "data/Sql.h"

#include <QMap>
#include <algorithm>

namespace stats {
namespace {

// The log is read through LogDays, its replies per day and set name, which triggers keep
// exact. Its days are the dates' first ten characters, so a range is the texts from
// "YYYY-MM-DD" up to, not including, the next day's.
QVariantList bounds(const DayRange& range) {
    return {range.first.toString(Qt::ISODate), range.last.addDays(1).toString(Qt::ISODate)};
}

QDate dayOf(const QVariant& date) {
    return QDate::fromString(date.toString().left(10), Qt::ISODate);
}

// The first dated log row's day; invalid when there is none.
QDate firstLogDay(const QSqlDatabase& db) {
    return dayOf(
        data::scalar(db, QStringLiteral("SELECT min(Day) FROM LogDays WHERE Day >= '0001-01-01'")));
}

QDate lastLogDay(const QSqlDatabase& db) {
    return dayOf(
        data::scalar(db, QStringLiteral("SELECT max(Day) FROM LogDays WHERE Day < '9999-99-99'")));
}

} // namespace

DayRange lastDays(int days, const QDate& today) {
    if (days < 1)
        return {};
    return {today.addDays(-(days - 1)), today};
}

DayRange allDays(const QSqlDatabase& db, const QDate& today) {
    const QDate first = firstLogDay(db);
    if (!first.isValid())
        return {};
    const QDate last = lastLogDay(db);
    return {first, last.isValid() && last > today ? last : today};
}

QVector<DayCount> repliesPerDay(const QSqlDatabase& db, const DayRange& range,
                                const QString& setName) {
    QVector<DayCount> days;
    if (range.isEmpty())
        return days;
    days.reserve(range.days());
    for (QDate d = range.first; d <= range.last; d = d.addDays(1))
        days.push_back({d, 0, 0});

    QVariantList binds = bounds(range);
    QString sql;
    if (setName.isEmpty()) {
        sql = QStringLiteral("SELECT Day, sum(Replies), sum(Correct) FROM LogDays "
                             "WHERE Day >= ? AND Day < ? GROUP BY Day");
    } else {
        sql = QStringLiteral("SELECT Day, Replies, Correct FROM LogDays INDEXED BY LogDays_Set "
                             "WHERE SetName = ? AND Day >= ? AND Day < ?");
        binds.prepend(setName);
    }
    QSqlQuery q = data::exec(db, sql, binds);
    while (q.next()) {
        const QDate day = dayOf(q.value(0));
        if (!day.isValid() || day < range.first || day > range.last)
            continue;
        DayCount& count = days[int(range.first.daysTo(day))];
        count.replies += q.value(1).toInt();
        count.correct += q.value(2).toInt();
    }
    return days;
}

SetsNow setsNow(const QSqlDatabase& db, const QString& setName) {
    SetsNow byName;
    const QString oneSet = setName.isEmpty() ? QString() : QStringLiteral("WHERE s.SetName = ? ");
    const QVariantList nameBind =
        setName.isEmpty() ? QVariantList() : QVariantList{QVariant(setName)};

    QSqlQuery cards =
        data::exec(db,
                   QStringLiteral("SELECT s.SetName, count(c.Card_ID), "
                                  "coalesce(sum(c.Correct + c.Incorrect > 0), 0), avg(c.Rating) "
                                  "FROM Set1 s LEFT JOIN Set_Card_rel r ON r.Set_ID = s.Set_ID "
                                  "LEFT JOIN Card c ON c.Card_ID = r.Card_ID ") +
                       oneSet + QStringLiteral("GROUP BY s.SetName"),
                   nameBind);
    while (cards.next()) {
        SetSummary& s = byName[cards.value(0).toString()];
        s.name = cards.value(0).toString();
        s.cards = cards.value(1).toInt();
        s.answered = cards.value(2).toInt();
        if (!cards.value(3).isNull())
            s.meanRating = cards.value(3).toDouble();
    }
    return byName;
}

QVector<SetSummary> setSummaries(const QSqlDatabase& db, const DayRange& range,
                                 const QString& setName, const SetsNow* now) {
    SetsNow byName;
    if (!now)
        byName = setsNow(db, setName);
    else if (setName.isEmpty())
        byName = *now;
    else if (now->contains(setName))
        byName.insert(setName, now->value(setName));
    if (!range.isEmpty()) {
        QVariantList binds = bounds(range);
        QString sql = QStringLiteral("SELECT SetName, sum(Replies), sum(Correct) FROM LogDays ");
        if (!setName.isEmpty()) {
            sql += QStringLiteral("INDEXED BY LogDays_Set WHERE SetName = ? AND ");
            binds.prepend(setName);
        } else if (range.first <= firstLogDay(db)) {
            // The whole log: read in name order, no sorting.
            sql += QStringLiteral("INDEXED BY LogDays_Set WHERE ");
        } else {
            // A part of the log: only its days are read, then sorted by name.
            sql += QStringLiteral("WHERE ");
        }
        sql += QStringLiteral("Day >= ? AND Day < ? GROUP BY SetName");
        QSqlQuery log = data::exec(db, sql, binds);
        while (log.next()) {
            SetSummary& s = byName[log.value(0).toString()];
            s.name = log.value(0).toString();
            s.replies += log.value(1).toInt();
            s.correct += log.value(2).toInt();
        }
    }
    return QVector<SetSummary>(byName.cbegin(), byName.cend());
}

QStringList setNames(const QSqlDatabase& db) {
    // The log's names one index step each, rather than a walk over every day of each.
    // A row without a set name cannot be chosen, so '' is left out.
    QSqlQuery q = data::exec(
        db, QStringLiteral("WITH RECURSIVE n(name) AS ("
                           "SELECT (SELECT min(SetName) FROM LogDays INDEXED BY LogDays_Set "
                           "WHERE SetName > '') "
                           "UNION ALL SELECT (SELECT min(SetName) FROM LogDays "
                           "INDEXED BY LogDays_Set WHERE SetName > n.name) "
                           "FROM n WHERE n.name IS NOT NULL) "
                           "SELECT name FROM n WHERE name IS NOT NULL "
                           "UNION SELECT SetName FROM Set1 WHERE SetName IS NOT NULL "
                           "ORDER BY 1"));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

bool setNameKnown(const QSqlDatabase& db, const QString& setName) {
    return data::scalar(db,
                        QStringLiteral("SELECT EXISTS (SELECT 1 FROM Set1 WHERE SetName = ?) "
                                       "OR EXISTS (SELECT 1 FROM LogDays INDEXED BY LogDays_Set "
                                       "WHERE SetName = ?)"),
                        {setName, setName})
        .toBool();
}

Runs runsOfDays(const QVector<DayCount>& days, const QDate& today) {
    Runs runs;
    int run = 0;
    for (const DayCount& d : days) {
        run = d.replies > 0 ? run + 1 : 0;
        runs.longest = std::max(runs.longest, run);
    }
    // Walk back from today; a today without replies yet does not break yesterday's run.
    int i = int(days.size()) - 1;
    while (i >= 0 && days[i].day > today)
        --i;
    if (i >= 0 && days[i].day == today && days[i].replies == 0)
        --i;
    if (i >= 0 && days[i].day < today.addDays(-1))
        return runs;
    while (i >= 0 && days[i].replies > 0) {
        ++runs.current;
        --i;
    }
    return runs;
}

QVector<HardCard> hardestCards(const QSqlDatabase& db, const QString& setName, int limit) {
    QSqlQuery q = data::exec(
        db,
        QStringLiteral("SELECT DISTINCT c.Card_ID, c.Question, c.Answer, c.Rating, c.Correct, "
                       "c.Incorrect FROM Card c "
                       "JOIN Set_Card_rel r ON r.Card_ID = c.Card_ID "
                       "JOIN Set1 s ON s.Set_ID = r.Set_ID "
                       "WHERE s.SetName = ? AND c.Incorrect > 0 "
                       "ORDER BY c.Rating, c.Incorrect DESC, c.Card_ID LIMIT ?"),
        {setName, limit});
    QVector<HardCard> cards;
    while (q.next())
        cards.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toDouble(), q.value(4).toInt(), q.value(5).toInt()});
    return cards;
}

} // namespace stats
