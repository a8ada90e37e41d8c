// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace learn {

// The most Demons a learner may ask for: more cards than anyone learns as one set, and small
// enough that the count never overflows.
constexpr int kMaxDemonsNum = 1000000;

// What the Demons Manager says when the number typed cannot be used.
QString demonsNumRangeMessage();

// The number of Demons as typed: a whole number from 0 to kMaxDemonsNum (blanks around it are
// allowed); nothing for anything else.
std::optional<int> parseDemonsNum(const QString& typed);

// Fields1.DemonsNum as stored: a whole number of 0 or more (10.0 is 10); nothing for an empty,
// negative, fractional or text value, which a database edited elsewhere may hold.
std::optional<int> demonsCount(const QVariant& stored);

// DemonsNum as the Demons Manager shows it: a whole number without its ".0", anything else
// as it is stored, so the learner sees what is wrong.
QString demonsNumText(const QVariant& stored);

// Clears every Demons mark ("Update Card Set Demons=0"), of both ways.
void clearDemonMarks(const QSqlDatabase& db);

// Marks the first `count` candidates of qSortedCards, in its order; returns how many were
// marked. One statement, so a failure marks none of them. Where sets feeding the Demons are
// learnt answer to question, the reverse values of their cards compete too, by the same
// measures, and a way taken is marked in CardReverse (two statements: call it in a
// transaction).
int markDemons(const QSqlDatabase& db, int count);

// A marked Demon as the Demons Manager lists it: the card's question, and whether it is a
// Demon asked answer to question.
struct MarkedDemon {
    QString question;
    bool reverse = false;
};
// The Demons marked now, forward ones first, each by its key as the lesson asks them.
std::vector<MarkedDemon> markedDemons(const QSqlDatabase& db);

// For each marked card, the set it became a Demon from: the first set by Set_ID that feeds
// the Demons, or its first set at all when none does any longer.
QHash<qint64, QString> demonSetNames(const QSqlDatabase& db);

} // namespace learn
