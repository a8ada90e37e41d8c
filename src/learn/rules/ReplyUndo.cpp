// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/ReplyUndo.h"

#include "data/Sql.h"

#include <QSqlQuery>

namespace learn {

std::optional<StoredWeights> readStoredWeights(const QSqlDatabase& db, const QVariant& cardId) {
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT Rating, Correct, Incorrect FROM Card WHERE Card_ID = ?"),
        {cardId});
    if (!q.next())
        return std::nullopt;
    return StoredWeights{q.value(0), q.value(1), q.value(2)};
}

void undoStoredReply(const QSqlDatabase& db, const QVariant& cardId, const StoredWeights& before,
                     qint64 logRowId) {
    data::Transaction t(db);
    QSqlQuery removed =
        data::exec(db, QStringLiteral("DELETE FROM Log WHERE RecID = ?"), {logRowId});
    // A log cleaned meanwhile: the reply is no longer there to take back.
    if (removed.numRowsAffected() != 1)
        throw data::DbError(QStringLiteral("the reply's log row is gone"));
    data::exec(
        db,
        QStringLiteral("UPDATE Card SET Rating = ?, Correct = ?, Incorrect = ? WHERE Card_ID = ?"),
        {before.rating, before.correct, before.incorrect, cardId});
    t.commit();
}

} // namespace learn
