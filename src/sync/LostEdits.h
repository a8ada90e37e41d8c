// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <vector>

namespace syncing {

// A text overwritten by a later edit from another machine, kept so the learner can look at it
// and bring it back.
struct LostEdit {
    qint64 id = 0;
    QString kind;  // "card" or "set"
    QString about; // the card's question or the set's name as they read here now; empty when gone
    QString field; // Question, Answer, Answers (a JSON array) or SetName
    QString lost, won;
    QString lostOn, wonOn; // the machines' names
    QDateTime lostAt, wonAt;
};

// Newest first. Throws DbError.
std::vector<LostEdit> lostEdits(const QSqlDatabase& db);

// Brings the lost text back as a new edit made here, which the next sync sends like any edit
// (the text it replaces is then kept on the other machines in turn), and forgets the entry.
// Returns why it cannot (the card or set is gone here, or another set has the name), empty
// when done. Throws DbError.
QString useLostEdit(const QSqlDatabase& db, qint64 id);

// Forgets the entry; nothing else changes. Throws DbError.
void forgetLostEdit(const QSqlDatabase& db, qint64 id);

} // namespace syncing
