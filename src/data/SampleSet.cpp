// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SampleSet.h"

#include "data/Sql.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace data {
namespace {

void addCard(const QSqlDatabase& db, qint64 setId, const QString& question, const QString& answer) {
    QSqlQuery q = exec(db, QStringLiteral("INSERT INTO Card (Question, Answer) VALUES (?, ?)"),
                       {question, answer});
    const qint64 cardId = q.lastInsertId().toLongLong();
    exec(db, QStringLiteral("UPDATE Card SET \"Order\" = Card_ID WHERE Card_ID = ?"), {cardId});
    exec(db, QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)"),
         {setId, cardId});
}

} // namespace

void seedNewDatabase(const QSqlDatabase& db) {
    // Load = 1: the state a normal shut-down leaves.
    exec(db, QStringLiteral("INSERT INTO Fields (SetName, Load) VALUES (?, 1)"), {kSampleSetName});
    exec(db, QStringLiteral("INSERT INTO Fields1 (Multi_ID, MultiText, Zad, DemonsNum) "
                            "VALUES (0, 'Multi', 0, 10)"));

    QSqlQuery q =
        exec(db, QStringLiteral("INSERT INTO Set1 (SetName) VALUES (?)"), {kSampleSetName});
    const qint64 setId = q.lastInsertId().toLongLong();

    const std::vector<std::pair<QString, QString>> cards = {
        {QStringLiteral("The capital of France"), QStringLiteral("Paris")},
        {QStringLiteral("The capital of Germany"), QStringLiteral("Berlin")},
        {QStringLiteral("The capital of Italy"), QStringLiteral("Rome")},
        {QStringLiteral("The capital of Spain"), QStringLiteral("Madrid")},
        {QStringLiteral("The capital of Portugal"), QStringLiteral("Lisbon")},
        {QStringLiteral("The capital of Austria"), QStringLiteral("Vienna")},
        {QStringLiteral("The capital of Poland"), QStringLiteral("Warsaw")},
        {QStringLiteral("The capital of Norway"), QStringLiteral("Oslo")},
        {QStringLiteral("The capital of Greece"), QStringLiteral("Athens")},
    };
    for (const auto& [question, answer] : cards)
        addCard(db, setId, question, answer);

    // One multiple-answer card, so the list of replies can be tried at once.
    addCard(db, setId, QStringLiteral("The three Baltic states"), QStringLiteral("Multi"));
    const qint64 multiId = scalar(db, QStringLiteral("SELECT MAX(Card_ID) FROM Card")).toLongLong();
    exec(db, QStringLiteral("UPDATE Card SET DisplayQuestionNumber = 1 WHERE Card_ID = ?"),
         {multiId});
    for (const QString& answer :
         {QStringLiteral("Estonia"), QStringLiteral("Latvia"), QStringLiteral("Lithuania")})
        exec(db, QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)"),
             {multiId, answer});
}

} // namespace data
