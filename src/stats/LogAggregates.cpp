// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/LogAggregates.h"

#include "data/LogDates.h"
#include "data/Sql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <algorithm>

namespace stats {
namespace {

// The log is read through LogDays, its replies per day and set name, which triggers keep
// exact. Its days are the dates' first ten characters, so a range is the texts from its
// first day's "YYYY-MM-DD" to its last day's, both included.
QVariantList bounds(const DayRange& range) {
    return {range.first.toString(Qt::ISODate), range.last.toString(Qt::ISODate)};
}

// Every distinct day text of the log, or of those from `from` to `to`, in order: one index
// step each rather than a walk over every row of every day.
QStringList distinctDays(const QSqlDatabase& db, const QVariantList& fromTo = {}) {
    const bool within = fromTo.size() == 2;
    QSqlQuery q = data::exec(
        db,
        QStringLiteral("WITH RECURSIVE d(day) AS (SELECT (SELECT min(Day) FROM LogDays%1) "
                       "UNION ALL SELECT (SELECT min(Day) FROM LogDays WHERE Day > d.day) "
                       "FROM d WHERE d.day IS NOT NULL) "
                       "SELECT day FROM d WHERE day IS NOT NULL%2")
            .arg(within ? QStringLiteral(" WHERE Day >= ?") : QString(),
                 within ? QStringLiteral(" AND day <= ?") : QString()),
        fromTo);
    QStringList days;
    while (q.next())
        days << q.value(0).toString();
    return days;
}

// The day texts within `range` that are no day at all ("1999-02-30"): the statistics leave
// their rows out, as the days of the charts do. Taken from `span` when it was read already.
QStringList unreadableWithin(const QSqlDatabase& db, const DayRange& range, const LogSpan* span) {
    const QVariantList fromTo = bounds(range);
    QStringList bad;
    if (span) {
        for (const QString& day : span->unshownDays)
            if (day >= fromTo[0].toString() && day <= fromTo[1].toString())
                bad << day;
        return bad;
    }
    for (const QString& day : distinctDays(db, fromTo))
        if (!data::logDay(day).isValid())
            bad << day;
    return bad;
}

// The same as a JSON array, for "Day NOT IN (SELECT value FROM json_each(?))".
QString jsonArray(const QStringList& texts) {
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact));
}

// The first day a chart could show, as the log spells it; empty when there is none.
QString firstShownDay(const QSqlDatabase& db) {
    return data::scalar(db, QStringLiteral("SELECT min(Day) FROM LogDays WHERE Day >= ?"),
                        {data::firstLogDay().toString(Qt::ISODate)})
        .toString();
}

qint64 repliesOn(const QSqlDatabase& db, const QString& day) {
    return data::scalar(db, QStringLiteral("SELECT sum(Replies) FROM LogDays WHERE Day = ?"), {day})
        .toLongLong();
}

} // namespace

DayRange lastDays(int days, const QDate& today) {
    if (days < 1)
        return {};
    return {today.addDays(-(days - 1)), today};
}

LogSpan logSpan(const QSqlDatabase& db) {
    LogSpan span;
    for (const QString& day : distinctDays(db)) {
        const QDate shown = data::logDay(day);
        if (shown.isValid()) {
            if (!span.days.first.isValid())
                span.days.first = shown;
            span.days.last = shown;
            continue;
        }
        span.unshownDays << day;
        const bool realDay = QDate::fromString(day, Qt::ISODate).isValid();
        const qint64 rows = repliesOn(db, day);
        (realDay ? span.outsideRows : span.unreadableRows) += rows;
        QStringList& named = realDay ? span.outsideDays : span.unreadableDates;
        if (named.size() < kNamedDates)
            named << day;
    }
    return span;
}

DayRange allDays(const LogSpan& span, const QDate& today) {
    if (span.days.isEmpty())
        return {};
    return {span.days.first, span.days.last > today ? span.days.last : today};
}

DayRange allDays(const QSqlDatabase& db, const QDate& today) {
    return allDays(logSpan(db), today);
}

QVector<DayCount> repliesPerDay(const QSqlDatabase& db, const DayRange& range,
                                const QString& setName) {
    return repliesPerSlot(db, range, setName, 1);
}

QVector<DayCount> repliesPerSlot(const QSqlDatabase& db, const DayRange& range,
                                 const QString& setName, int slotDays) {
    QVector<DayCount> counts;
    if (range.isEmpty() || slotDays < 1)
        return counts;
    counts.reserve((range.days() + slotDays - 1) / slotDays);
    for (QDate d = range.first; d <= range.last; d = d.addDays(slotDays))
        counts.push_back({d, 0, 0});

    QVariantList binds = bounds(range);
    QString sql;
    if (setName.isEmpty()) {
        sql = QStringLiteral("SELECT Day, sum(Replies), sum(Correct) FROM LogDays "
                             "WHERE Day >= ? AND Day <= ? GROUP BY Day");
    } else {
        sql = QStringLiteral("SELECT Day, Replies, Correct FROM LogDays INDEXED BY LogDays_Set "
                             "WHERE SetName = ? AND Day >= ? AND Day <= ?");
        binds.prepend(setName);
    }
    QSqlQuery q = data::exec(db, sql, binds);
    while (q.next()) {
        const QDate day = data::logDay(q.value(0).toString());
        if (!day.isValid() || day < range.first || day > range.last)
            continue;
        DayCount& count = counts[int(range.first.daysTo(day) / slotDays)];
        count.replies += q.value(1).toInt();
        count.correct += q.value(2).toInt();
    }
    return counts;
}

int slotDaysFor(const DayRange& range, int most) {
    const qint64 days = range.days();
    if (most < 1 || days <= most)
        return 1;
    const qint64 weeks = (days + 7LL * most - 1) / (7LL * most);
    return int(weeks * 7);
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
                                 const QString& setName, const SetsNow* now, const LogSpan* span) {
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
        } else if (range.first.toString(Qt::ISODate) <= firstShownDay(db)) {
            // The whole log: read in name order, no sorting.
            sql += QStringLiteral("INDEXED BY LogDays_Set WHERE ");
        } else {
            // A part of the log: only its days are read, then sorted by name.
            sql += QStringLiteral("WHERE ");
        }
        sql += QStringLiteral("Day >= ? AND Day <= ? ");
        // Rows whose date is no day are left out here as from the days.
        if (const QStringList bad = unreadableWithin(db, range, span); !bad.isEmpty()) {
            sql += QStringLiteral("AND Day NOT IN (SELECT value FROM json_each(?)) ");
            binds << jsonArray(bad);
        }
        sql += QStringLiteral("GROUP BY SetName");
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
        QStringLiteral("SELECT c.Card_ID, c.Question, c.Answer, v.Rating, v.Correct, v.Incorrect, "
                       "v.Reverse FROM (SELECT Card_ID, Rating, Correct, Incorrect, 0 AS Reverse "
                       "FROM Card UNION ALL SELECT Card_ID, Rating, Correct, Incorrect, 1 FROM "
                       "CardReverse) v JOIN Card c ON c.Card_ID = v.Card_ID "
                       "WHERE v.Incorrect > 0 AND c.Card_ID IN (SELECT r.Card_ID FROM "
                       "Set_Card_rel r JOIN Set1 s ON s.Set_ID = r.Set_ID WHERE s.SetName = ?) "
                       "ORDER BY v.Rating, v.Incorrect DESC, c.Card_ID, v.Reverse LIMIT ?"),
        {setName, limit});
    QVector<HardCard> cards;
    while (q.next())
        cards.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toDouble(), q.value(4).toInt(), q.value(5).toInt(),
                         q.value(6).toBool()});
    return cards;
}

} // namespace stats
