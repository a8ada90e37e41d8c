// SPDX-License-Identifier: GPL-3.0-or-later
#include "multi/rules/AnswerList.h"

#include "data/Sql.h"
#include "learn/rules/LessonRules.h"
#include "multi/rules/MultiRules.h"

#include <QSqlQuery>

namespace multi {
namespace {

QVariant answerOf(const QSqlDatabase& db, const QVariant& cardId) {
    QSqlQuery q =
        data::exec(db, QStringLiteral("SELECT Answer FROM Card WHERE Card_ID = ?"), {cardId});
    // A card that is gone answers with an invalid value, an empty answer with a null one.
    return q.next() ? QVariant(q.value(0).toString()) : QVariant();
}

bool isMarked(const QVariant& answer) {
    return answer.isValid() && learn::isMultiAnswerCard(answer);
}

QVariantList bufferRows(const QSqlDatabase& db) {
    QSqlQuery q =
        data::exec(db, QStringLiteral("SELECT M_Answer FROM MultipleBuffer ORDER BY rowid"));
    QVariantList rows;
    while (q.next())
        rows << q.value(0);
    return rows;
}

} // namespace

bool convertToMultiAnswer(const QSqlDatabase& db, const QVariant& cardId) {
    data::Transaction t(db);
    const QVariant answer = answerOf(db, cardId);
    if (!answer.isValid() || isMarked(answer))
        return false;
    data::exec(db, QStringLiteral("UPDATE Fields1 SET Multi_ID = ?"), {cardId});
    // Answers left behind by a database edited elsewhere would otherwise join the list.
    data::exec(db, QStringLiteral("DELETE FROM MultipleAnswers WHERE Card_ID = ?"), {cardId});
    if (!storableAnswers({answer}).isEmpty())
        data::exec(db,
                   QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)"),
                   {cardId, answer});
    // The mark every part of the program recognises, whatever Fields1.MultiText holds.
    data::exec(db, QStringLiteral("UPDATE Card SET Answer = ? WHERE Card_ID = ?"),
               {learn::kMultiAnswer, cardId});
    t.commit();
    return true;
}

void loadAnswerBuffer(const QSqlDatabase& db, const QVariant& cardId) {
    data::Transaction t(db);
    data::exec(db, QStringLiteral("UPDATE Fields1 SET Multi_ID = ?"), {cardId});
    data::exec(db, QStringLiteral("DELETE FROM MultipleBuffer"));
    data::exec(db, QStringLiteral("DELETE FROM MultipleReply"));
    data::exec(db, QStringLiteral("INSERT INTO MultipleBuffer (M_Answer, Card_ID) "
                                  "SELECT M_Answer, Card_ID FROM qMultiAnswers"));
    t.commit();
}

QStringList storedAnswers(const QSqlDatabase& db, const QVariant& cardId) {
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT M_Answer FROM MultipleAnswers WHERE Card_ID = ? ORDER BY rowid"),
        {cardId});
    QStringList answers;
    while (q.next())
        answers << q.value(0).toString();
    return answers;
}

StoreOutcome storeAnswerList(const QSqlDatabase& db, const QVariant& cardId) {
    data::Transaction t(db);
    if (!isMarked(answerOf(db, cardId)))
        return StoreOutcome::NotMulti;
    const QStringList edited = storableAnswers(bufferRows(db));
    // Checked first: a card that has no answers yet must be told so each time it is left.
    if (edited.isEmpty())
        return StoreOutcome::NoAnswers;
    if (edited == storedAnswers(db, cardId))
        return StoreOutcome::Unchanged;
    // Rows typed in the grid belong to the card being edited.
    data::exec(db, QStringLiteral("UPDATE MultipleBuffer SET Card_ID = ? WHERE Card_ID = 0"),
               {cardId});
    data::exec(db, QStringLiteral("DELETE FROM MultipleAnswers WHERE Card_ID = ?"), {cardId});
    for (const QString& answer : edited)
        data::exec(db,
                   QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)"),
                   {cardId, answer});
    t.commit();
    return StoreOutcome::Stored;
}

CardOptions cardOptions(const QSqlDatabase& db, const QVariant& cardId) {
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT ShowOrder, DisplayQuestionNumber FROM Card WHERE Card_ID = ?"),
        {cardId});
    if (!q.next())
        return {};
    return {q.value(0), q.value(1)};
}

void setCardOption(const QSqlDatabase& db, const QVariant& cardId, CardOption option, bool on) {
    const QString sql =
        option == CardOption::ShowOrder
            ? QStringLiteral("UPDATE Card SET ShowOrder = ? WHERE Card_ID = ?")
            : QStringLiteral("UPDATE Card SET DisplayQuestionNumber = ? WHERE Card_ID = ?");
    data::exec(db, sql, {on ? 1 : 0, cardId});
}

} // namespace multi
