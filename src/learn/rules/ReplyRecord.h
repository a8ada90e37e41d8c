// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RecordsetFamily.h"
#include "learn/rules/Scoring.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

namespace learn {

// A judged reply waiting to be stored: the card as it was noted when the reply was judged
// (so a reordering in between does not change which card is meant) and its new score, if
// the card is scored at all.
struct JudgedReply {
    QVariant cardId;
    QVariant setName;
    std::optional<CardScore> score;
    QString judgedBy;     // the forgiving rule that accepted it; empty for an exact reply
    bool reverse = false; // asked from the answer: scored into the card's reverse values
};

// Stores the card's new score (through Fields1.CardNum and qCurCardRating; a reply asked the
// other way round into CardReverse) and appends its Log row, in one transaction: either both are
// written or neither. Throws data::DbError. Reads no whole table, so the cost does not grow with
// the Card or Log table. Returns the RecID of the new log row.
qint64 recordReply(data::RecordsetFamily& rs, const JudgedReply& reply, const QString& result,
                   const QDate& date);

} // namespace learn
