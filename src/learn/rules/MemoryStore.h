// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/DueCountTable.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <vector>

namespace learn {

// The retention a learner may choose: below it reviews come too seldom to help, above it
// their number grows past what anyone keeps up with.
constexpr double kLowestRetention = 0.70;
constexpr double kHighestRetention = 0.97;

struct ReviewSettings {
    bool on = false;
    double retention = 0.90;
};
// The learner's choice (Fields1), the retention kept within the range above. Throws DbError.
ReviewSettings reviewSettings(const QSqlDatabase& db);
// The retention chosen, read from a file of any version (one older than due review has the
// usual retention). Throws DbError.
double chosenRetention(const QSqlDatabase& db);
// Stores the choice; another retention leaves the state to be built again for it.
void storeReviewSettings(const QSqlDatabase& db, const ReviewSettings& settings);

// The memory state (MemoryState) is a cache of the log: it matches while no change of the log
// has come since it was built (MemoryMark) and its due days are for the chosen retention.
bool memoryStateIsCurrent(const QSqlDatabase& db);
// Works the state out afresh from the whole log, for a thread and connection of their own: the
// log is read without a lock held, then the rows are written in one short transaction. False,
// writing nothing, when the log changed in between (build again); `afterRead` runs in between
// (tests change the log there). Throws DbError.
bool rebuildMemoryState(const QSqlDatabase& db, qint64 today,
                        const std::function<void()>& afterRead = {});
// In the reply's own transaction, after its log row: the card asked that way steps on by that
// reply (`day` a Julian day, `result` as logged: "Correct" or "Wrong" count). Nothing when the
// state did not match the log before (it is being built again) or the card is gone.
void noteReplyInMemory(const QSqlDatabase& db, qint64 cardId, bool reverse, qint64 day,
                       const QString& result);
// In the undo's own transaction, after the reply's log row went: that card and way are worked
// out again from the rows they have left.
void noteReplyTakenBack(const QSqlDatabase& db, qint64 cardId, bool reverse);

// A card asked one way that is due: its recall today below the retention, and in a set.
struct DueEntry {
    qint64 cardId = 0;
    bool reverse = false;
    QString setName; // its first set by name
    double retrievability = 0;
};
// Every due entry, lowest recall first (then by card and way). Throws DbError.
std::vector<DueEntry> dueEntries(const QSqlDatabase& db, qint64 today);

// What the state says of the days ahead for the cards of all sets (or of one): how many come due
// on each of `days` days from today (those due already count today), and the replies given
// when due, with how many were right. Throws DbError.
struct DueOutlook {
    std::vector<int> perDay;
    int dueReplies = 0;
    int dueRight = 0;
};
DueOutlook dueOutlook(const QSqlDatabase& db, qint64 today, const QString& setName = {},
                      int days = 30);

// The stability of every card and way in a set, for reviewsPerDay. Throws DbError.
std::vector<double> stabilitiesInSets(const QSqlDatabase& db);
// How many reviews a day the cards ask for at `retention`, as the model sees them now: each is
// due again once its interval (at least a day) has passed.
double reviewsPerDay(const std::vector<double>& stabilities, double retention);

} // namespace learn
