// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/NewSet.h"

namespace sets {

NewSetWriter::NewSetWriter(const QSqlDatabase& db)
    : db_(db), addSet_(db, QStringLiteral("INSERT INTO Set1 (SetName) VALUES (?)")),
      addCard_(db, QStringLiteral("INSERT INTO Card (Question, Answer, ShowOrder) VALUES "
                                  "(?, ?, ?)")),
      relate_(db, QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)")),
      addAnswer_(db,
                 QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)")) {}

QVariant NewSetWriter::addSet(const QString& name) {
    return addSet_.run({name});
}

void NewSetWriter::addCard(const QVariant& setId, const QString& question,
                           const QStringList& answers, bool orderImportant) {
    // A multiple-answer card carries the mark "Multi" where the answer would stand.
    const bool multi = answers.size() > 1;
    const QVariant cardId = addCard_.run(
        {question, multi ? QStringLiteral("Multi") : answers.first(), orderImportant ? 1 : 0});
    relate_.run({setId, cardId});
    if (multi) {
        for (const QString& answer : answers)
            addAnswer_.run({cardId, answer});
    }
}

void NewSetWriter::finishSet(const QVariant& setId) {
    data::exec(db_,
               QStringLiteral("UPDATE Card SET \"Order\" = Card_ID WHERE Card_ID IN "
                              "(SELECT Card_ID FROM Set_Card_rel WHERE Set_ID = ?)"),
               {setId});
}

} // namespace sets
