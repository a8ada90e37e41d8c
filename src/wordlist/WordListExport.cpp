// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist/WordListExport.h"

#include "data/RegularFile.h"
#include "data/Sql.h"
#include "exchange/ValueForms.h"
#include "sets/rules/SetRules.h"
#include "wordlist/WordListRules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>

namespace wordlist {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(WordList)
};
} // namespace

QString listExportNote(const ListExportOutcome& outcome) {
    QStringList notes;
    if (outcome.textsChanged > 0)
        notes << Text::tr("%n texts held line breaks or control characters, which a word "
                          "list cannot carry: each line break was written as a blank, the "
                          "other characters left out.",
                          nullptr, outcome.textsChanged);
    if (outcome.mediaLeftOut > 0)
        notes << (outcome.mediaLeftOut == 1
                      ? Text::tr("A word list carries no pictures or sounds: 1 card was written "
                                 "without them (File > Export or Export set as KVTML keeps "
                                 "them).")
                      : Text::tr("A word list carries no pictures or sounds: %n cards were "
                                 "written without them (File > Export or Export set as KVTML "
                                 "keeps them).",
                                 nullptr, outcome.mediaLeftOut));
    return notes.join(QLatin1Char(' '));
}

ListExportOutcome exportList(const QSqlDatabase& db, const QString& setName, const QString& path) {
    const QVariant setId = data::scalar(
        db, QStringLiteral("SELECT Set_ID FROM Set1 WHERE SetName = ? ORDER BY Set_ID LIMIT 1"),
        {setName});
    if (!setId.isValid())
        throw WordListError(Text::tr("There is no set named \"%1\".").arg(setName));

    QSqlQuery cards = data::exec(
        db,
        QStringLiteral("SELECT Card.Card_ID, Card.Question, Card.Answer, Card.Picture IS NOT NULL "
                       "OR Card.Sound IS NOT NULL FROM Set_Card_rel "
                       "JOIN Card ON Card.Card_ID = Set_Card_rel.Card_ID "
                       "WHERE Set_Card_rel.Set_ID = ? ORDER BY Card.Card_ID"),
        {setId});
    // The header names as many answer columns as the widest card has.
    const int answerColumns = std::max(
        1, data::scalar(db,
                        QStringLiteral("SELECT MAX(n) FROM (SELECT COUNT(*) AS n FROM "
                                       "MultipleAnswers m JOIN Set_Card_rel r ON r.Card_ID = "
                                       "m.Card_ID JOIN Card c ON c.Card_ID = m.Card_ID "
                                       "WHERE r.Set_ID = ? AND c.Answer = 'Multi' "
                                       "GROUP BY m.Card_ID)"),
                        {setId})
               .toInt());
    QSqlQuery answers(db);
    answers.prepare(
        QStringLiteral("SELECT M_Answer FROM MultipleAnswers WHERE Card_ID = ? ORDER BY rowid"));

    const QString refused = data::specialFileRefusal(path, data::FileUse::Write);
    if (!refused.isEmpty())
        throw WordListError(refused);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw WordListError(Text::tr("%1 cannot be written: %2")
                                .arg(QFileInfo(path).fileName(), out.errorString()));
    ListExportOutcome outcome;
    QByteArray chunk = listHeaderLine(answerColumns).toUtf8() + '\n';
    while (cards.next()) {
        QStringList cardAnswers;
        if (sets::isMultiAnswer(cards.value(2))) {
            answers.bindValue(0, cards.value(0));
            if (!answers.exec())
                throw data::DbError(Text::tr("The answers could not be read."));
            while (answers.next())
                cardAnswers << answers.value(0).toString();
        } else {
            cardAnswers << cards.value(2).toString();
        }
        bool changed = false;
        for (QString& answer : cardAnswers)
            answer = exchange::lineText(answer, &changed);
        const QString question = exchange::lineText(cards.value(1).toString(), &changed);
        outcome.textsChanged += changed;
        outcome.mediaLeftOut += cards.value(3).toBool() ? 1 : 0;
        chunk += listLine(question, cardAnswers).toUtf8();
        chunk += '\n';
        ++outcome.cards;
        if (chunk.size() > qsizetype(64) * 1024) {
            out.write(chunk);
            chunk.clear();
        }
    }
    out.write(chunk);
    if (!out.commit())
        throw WordListError(Text::tr("%1 cannot be written: %2")
                                .arg(QFileInfo(path).fileName(), out.errorString()));
    return outcome;
}

} // namespace wordlist
