// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/rules/NewSet.h"

#include "sets/rules/SetRules.h"
#include "sets/rules/StoredText.h"

namespace sets {

NewSetWriter::NewSetWriter(const QSqlDatabase& db)
    : db_(db), addSet_(db, QStringLiteral("INSERT INTO Set1 (SetName) VALUES (?)")),
      addCard_(db, QStringLiteral("INSERT INTO Card (Question, Answer, ShowOrder) VALUES "
                                  "(?, ?, ?)")),
      relate_(db, QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)")),
      addAnswer_(db,
                 QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)")) {}

QVariant NewSetWriter::addSet(const QString& name) {
    return addSet_.run({storableSetName(name)});
}

bool NewSetWriter::addCard(const QVariant& setId, const QString& question,
                           const QStringList& answers, bool orderImportant) {
    const QString storedQuestion = storableText(question);
    QStringList stored;
    for (const QString& answer : answers) {
        if (QString a = storableText(answer); !a.isEmpty())
            stored << a;
    }
    // A lone answer "Multi" would mark a multiple-answer card that has no answers.
    if (storedQuestion.isEmpty() || stored.isEmpty() ||
        (stored.size() == 1 && isMultiAnswer(stored.first())))
        return false;
    // A multiple-answer card carries the mark "Multi" where the answer would stand.
    const bool multi = stored.size() > 1;
    const QVariant cardId = addCard_.run(
        {storedQuestion, multi ? QStringLiteral("Multi") : stored.first(), orderImportant ? 1 : 0});
    relate_.run({setId, cardId});
    lastCardId_ = cardId;
    if (multi) {
        for (const QString& answer : stored)
            addAnswer_.run({cardId, answer});
    }
    return true;
}

void NewSetWriter::finishSet(const QVariant& setId) {
    data::exec(db_,
               QStringLiteral("UPDATE Card SET \"Order\" = Card_ID WHERE Card_ID IN "
                              "(SELECT Card_ID FROM Set_Card_rel WHERE Set_ID = ?)"),
               {setId});
}

} // namespace sets
