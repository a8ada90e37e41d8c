// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/LessonState.h"

#include <QSqlDatabase>
#include <QString>

namespace learn {

struct LessonTakeIn {
    bool setGone = false;         // the chosen set is no longer in the file: the lesson ends
    bool currentCardGone = false; // the card at Row is gone; Row is where the next one stands
    bool cardsCameOrWent = false;
};

// Brings the lesson's card array up to date after another machine's changes came in: its
// cards' texts and weights as the file has them now, cards gone left out, and cards new in
// the chosen set added at the end, to be asked in this pass. What the lesson knows of each
// card (asked or learnt in this pass) and its order stay. A set lesson reads `source`
// ("qCurrentSet" or "qCurrentSetKids"); a Demons lesson keeps its cards and only drops the
// ones gone. Throws DbError, leaving the lesson as it was.
LessonTakeIn takeInChanges(const QSqlDatabase& db, LessonState& lesson, const QString& source);

} // namespace learn
