// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/Fsrs.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

namespace learn {

// The desired retention when the learner has chosen none: recall at 90% when a card comes due.
constexpr double kDefaultRetention = 0.90;
// The longest interval a card is given: a hundred years.
constexpr int kLongestIntervalDays = 36500;

// What the model knows of one card asked one way, worked out from its log rows.
struct CardMemory {
    qint64 cardId = 0;
    bool reverse = false;
    QString setName; // the set it is taken from: its first by name; empty for a card in no set
    QString question;
    fsrs::MemoryState state;
    qint64 lastDay = 0;        // the day of its last reply (QDate::toJulianDay)
    double retrievability = 0; // its predicted recall today
    qint64 nextDay = 0;        // the day recall falls to the desired retention
    qint64 dueDay = 0;         // the first day its recall is below the desired retention
    // Replies given when the card was due (the first of a day, its recall below the desired
    // retention), and how many of them were right: the retention the learner really has.
    int dueReplies = 0;
    int dueRight = 0;
};

// A card's history replayed: its state after the replies, and the replies given when it was
// due (the first of a day, its recall then below `desiredRetention`) with how many were right.
struct Replayed {
    fsrs::MemoryState state;
    int dueReplies = 0;
    int dueRight = 0;
};
std::optional<Replayed> replayWithDueCounts(const std::vector<fsrs::Reply>& replies,
                                            double desiredRetention);

// Every card and way that has replies in the log, by card then way (forward first), each from
// its rows in order of day then RecID: "Correct" is Good, "Wrong" Again; rows of cards no
// longer there, rows without a readable day and other results are left out. With `setName`,
// only the cards of that set, named by it. Without `cardTexts`, no set name and no question
// (quicker, for a build of the memory state). Throws DbError.
std::vector<CardMemory> cardMemories(const QSqlDatabase& db, qint64 today, double desiredRetention,
                                     const QString& setName = {}, bool cardTexts = true);

// The first day after `lastDay` on which recall is below `desiredRetention`, at most a hundred
// years on.
qint64 firstDueDay(qint64 lastDay, double stability, double desiredRetention);

// Due: in a set, and its recall today below the desired retention.
bool isDue(const CardMemory& card, double desiredRetention);

// How many cards in a set come due on each of `days` days from `today` on; those due already
// count on today.
std::vector<int> dueForecast(const std::vector<CardMemory>& cards, qint64 today, int days = 30);

} // namespace learn
