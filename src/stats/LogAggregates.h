// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace stats {

// A span of whole days, both ends included. Empty when the log has nothing to show.
struct DayRange {
    QDate first;
    QDate last;
    bool isEmpty() const { return !first.isValid() || !last.isValid() || first > last; }
    int days() const { return isEmpty() ? 0 : int(first.daysTo(last)) + 1; }
};

// The last `days` days, today the last of them.
DayRange lastDays(int days, const QDate& today);

// What the log's dates let the statistics show: the first and last day holding replies
// among the days a log may carry (data::logDay), and the rows left out for their dates.
constexpr int kNamedDates = 5; // dates a span names of each kind, at most
struct LogSpan {
    DayRange days;               // empty when no row has a day that can be shown
    qint64 outsideRows = 0;      // dated with a real day before 1900 or after 2199
    QStringList outsideDays;     // the first few of those days
    qint64 unreadableRows = 0;   // without a date, or with one that is no real day
    QStringList unreadableDates; // the first few of those dates, as written
    QStringList unshownDays;     // every day text of both kinds, as the log spells it
};
// Reads the log's distinct days only, however many rows each holds. Throws data::DbError.
LogSpan logSpan(const QSqlDatabase& db);

// Every day from the span's first to today (or to its last, when that is later); empty when
// the span is.
DayRange allDays(const LogSpan& span, const QDate& today);
DayRange allDays(const QSqlDatabase& db, const QDate& today);

// The judged replies of one day. Every row of the log is a reply; it is correct when its
// result is "Correct".
struct DayCount {
    QDate day;
    int replies = 0;
    int correct = 0;
    int wrong() const { return replies - correct; }
};

// One entry per day of `range`, oldest first, days without replies as zeros. `setName`
// empty means every set; otherwise the name the log rows carry. Throws data::DbError.
QVector<DayCount> repliesPerDay(const QSqlDatabase& db, const DayRange& range,
                                const QString& setName = {});

// The same in slots of `slotDays` days each, from the range's first day (the last slot may
// be shorter); a slot's `day` is its first. A chart of years takes few slots, and its size
// does not grow with the span of its dates.
QVector<DayCount> repliesPerSlot(const QSqlDatabase& db, const DayRange& range,
                                 const QString& setName, int slotDays);
// The days a slot covers so that `range` takes at most `most` slots: 1, or whole weeks.
int slotDaysFor(const DayRange& range, int most);

// One set name: what the set holds now (`cards`, `answered`, `meanRating`; zeros and no
// mean when no set has that name now) and what the log holds for the name in the range.
struct SetSummary {
    QString name;
    int cards = 0;
    int answered = 0; // cards answered at least once, by their counters
    int replies = 0;
    int correct = 0;
    std::optional<double> meanRating;
};

// What every set holds now, by name (no log figures). Throws data::DbError.
using SetsNow = QMap<QString, SetSummary>;
SetsNow setsNow(const QSqlDatabase& db, const QString& setName = {});

// One entry per name that has log rows in the range or names a set now, in name order;
// with `setName` only that name. `now`, when given, stands for setsNow() read earlier, so
// that a change of range reads the log only; `span`, when given, for logSpan() read earlier,
// so that the days no chart shows are not looked for again. Throws data::DbError.
QVector<SetSummary> setSummaries(const QSqlDatabase& db, const DayRange& range,
                                 const QString& setName = {}, const SetsNow* now = nullptr,
                                 const LogSpan* span = nullptr);

// Every name of a set now or in the log, in name order.
QStringList setNames(const QSqlDatabase& db);

// Whether a set of that name exists now or log rows carry it.
bool setNameKnown(const QSqlDatabase& db, const QString& setName);

// Days learnt in a row: the run that ends today (or yesterday, while today has no reply
// yet) and the longest run among `days`.
struct Runs {
    int current = 0;
    int longest = 0;
};
Runs runsOfDays(const QVector<DayCount>& days, const QDate& today);

// A card of a set that was answered wrongly at least once, in the order the Demons take them;
// a card asked answer to question is listed for that way too, with its values of that way.
struct HardCard {
    qint64 cardId = 0;
    QString question;
    QString answer;
    double rating = 0;
    int correct = 0;
    int incorrect = 0;
    bool reverse = false; // the values of the way answer to question
};
QVector<HardCard> hardestCards(const QSqlDatabase& db, const QString& setName, int limit = 10);

} // namespace stats
