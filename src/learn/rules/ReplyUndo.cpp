// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/ReplyUndo.h"

#include "data/Sql.h"
#include "learn/rules/MemoryStore.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

} // namespace

std::optional<StoredWeights> readStoredWeights(const QSqlDatabase& db, const QVariant& cardId,
                                               bool reverse) {
    if (reverse) {
        QSqlQuery q = data::exec(db,
                                 QStringLiteral("SELECT r.Card_ID IS NOT NULL, r.Rating, "
                                                "r.Correct, r.Incorrect FROM Card c LEFT JOIN "
                                                "CardReverse r ON r.Card_ID = c.Card_ID WHERE "
                                                "c.Card_ID = ?"),
                                 {cardId});
        if (!q.next())
            return std::nullopt;
        if (!q.value(0).toBool())
            return StoredWeights{{}, {}, {}, false};
        return StoredWeights{q.value(1), q.value(2), q.value(3), true};
    }
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT Rating, Correct, Incorrect FROM Card WHERE Card_ID = ?"),
        {cardId});
    if (!q.next())
        return std::nullopt;
    return StoredWeights{q.value(0), q.value(1), q.value(2)};
}

void undoStoredReply(const QSqlDatabase& db, const QVariant& cardId, const StoredWeights& before,
                     qint64 logRowId, bool reverse) {
    data::Transaction t(db);
    QSqlQuery removed =
        data::exec(db, QStringLiteral("DELETE FROM Log WHERE RecID = ?"), {logRowId});
    // A log cleaned meanwhile: the reply is no longer there to take back.
    if (removed.numRowsAffected() != 1)
        throw data::DbError(Text::tr("the reply's log row is gone"));
    noteReplyTakenBack(db, cardId.toLongLong(), reverse);
    if (reverse && !before.held) {
        data::exec(db, QStringLiteral("DELETE FROM CardReverse WHERE Card_ID = ?"), {cardId});
    } else {
        data::exec(db,
                   QStringLiteral("UPDATE %1 SET Rating = ?, Correct = ?, Incorrect = ? WHERE "
                                  "Card_ID = ?")
                       .arg(reverse ? QStringLiteral("CardReverse") : QStringLiteral("Card")),
                   {before.rating, before.correct, before.incorrect, cardId});
    }
    t.commit();
}

} // namespace learn
