// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/ReplyRecord.h"

#include "data/LogDates.h"
#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "learn/rules/MemoryStore.h"

#include <QCoreApplication>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

void writeScore(data::RecordsetFamily& rs, const JudgedReply& reply) {
    if (rs.fields1.isEmpty())
        throw data::DbError(Text::tr("The settings row Fields1 is missing"));
    rs.fields1.moveFirst();
    rs.fields1.setValue(data::column::CardNum, reply.cardId);
    rs.fields1.update();
    // qCurCardRating now yields the card named by CardNum.
    rs.curCardRating.requery();
    if (rs.curCardRating.isEmpty())
        return; // the card was deleted meanwhile: nothing to score
    rs.curCardRating.moveFirst();
    rs.curCardRating.setValue(QStringLiteral("Rating"), reply.score->rating);
    rs.curCardRating.setValue(QStringLiteral("Correct"), reply.score->correct);
    rs.curCardRating.setValue(QStringLiteral("Incorrect"), reply.score->incorrect);
    rs.curCardRating.update();
}

// The card's first reverse reply makes its row, without a key until the next reordering; a
// card deleted meanwhile gets none.
void writeReverseScore(const QSqlDatabase& db, const JudgedReply& reply) {
    data::exec(db,
               QStringLiteral("INSERT INTO CardReverse (Card_ID, Rating, Correct, Incorrect) "
                              "SELECT Card_ID, ?, ?, ? FROM Card WHERE Card_ID = ? ON CONFLICT "
                              "(Card_ID) DO UPDATE SET Rating = "
                              "excluded.Rating, Correct = excluded.Correct, Incorrect = "
                              "excluded.Incorrect"),
               {reply.score->rating, reply.score->correct, reply.score->incorrect, reply.cardId});
}

qint64 appendLogRow(const QSqlDatabase& db, const JudgedReply& reply, const QString& result,
                    const QDate& date) {
    // A plain INSERT: naming a field of the Log record set would read the whole table first.
    return data::exec(db,
                      QStringLiteral("INSERT INTO Log (\"Date\", SetName, CardID, Result, "
                                     "JudgedBy, Direction) VALUES (?, ?, ?, ?, ?, ?)"),
                      {date.toString(Qt::ISODate), reply.setName, reply.cardId, result,
                       reply.judgedBy.isEmpty() ? QVariant() : QVariant(reply.judgedBy),
                       reply.reverse ? QVariant(QStringLiteral("reverse")) : QVariant()})
        .lastInsertId()
        .toLongLong();
}

} // namespace

qint64 recordReply(data::RecordsetFamily& rs, const JudgedReply& reply, const QString& result,
                   const QDate& date) {
    // A clock far off would date the reply where no statistics could show it.
    if (!data::logDay(date.toString(Qt::ISODate)).isValid())
        throw data::DbError(Text::tr("the computer's clock says it is %1, not a day from "
                                     "%2 to %3 as a log row needs; set the clock.")
                                .arg(date.toString(Qt::ISODate),
                                     data::firstLogDay().toString(Qt::ISODate),
                                     data::lastLogDay().toString(Qt::ISODate)));
    try {
        data::Transaction transaction(rs.connection());
        if (reply.score && reply.reverse)
            writeReverseScore(rs.connection(), reply);
        else if (reply.score)
            writeScore(rs, reply);
        const qint64 logRow = appendLogRow(rs.connection(), reply, result, date);
        noteReplyInMemory(rs.connection(), reply.cardId.toLongLong(), reply.reverse,
                          date.toJulianDay(), result);
        transaction.commit();
        if (rs.log.isOpen())
            rs.log.requery(); // a snapshot read earlier would miss the new row
        return logRow;
    } catch (...) {
        // The cached rows may hold values that were just rolled back.
        rs.UnloadAll();
        rs.LoadAll();
        throw;
    }
}

} // namespace learn
