// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDatabase.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <QStringList>

namespace testing {

TempDatabase::TempDatabase(bool sample) {
    path_ = dir_.filePath(QStringLiteral("VIze.mdb"));
    const data::OpenOutcome outcome = data::openDatabase(path_);
    if (!outcome.ok)
        qFatal("cannot create the test database: %s", qPrintable(outcome.message));
    if (!sample) {
        // The sample set would get in the way of exact counts; keep only the settings rows.
        exec(QStringLiteral("DELETE FROM Set1"));
        exec(QStringLiteral("DELETE FROM Card"));
        exec(QStringLiteral("DELETE FROM MultipleAnswers"));
        exec(QStringLiteral("UPDATE Fields SET SetName = NULL"));
    }
}

TempDatabase::~TempDatabase() {
    data::closeAllConnections();
}

QSqlDatabase TempDatabase::db() const {
    return data::mainConnection();
}

QVariant TempDatabase::scalar(const QString& sql, const QVariantList& binds) const {
    return data::scalar(db(), sql, binds);
}

void TempDatabase::exec(const QString& sql, const QVariantList& binds) const {
    data::exec(db(), sql, binds);
}

QStringList TempDatabase::column(const QString& sql, const QVariantList& binds) const {
    QSqlQuery q = data::exec(db(), sql, binds);
    QStringList values;
    while (q.next())
        values << q.value(0).toString();
    return values;
}

qint64 TempDatabase::addSet(const QString& name, bool includeInDemons) {
    QSqlQuery q = data::exec(
        db(), QStringLiteral("INSERT INTO Set1 (SetName, IncludeInDeamons) VALUES (?, ?)"),
        {name, includeInDemons ? 1 : 0});
    return q.lastInsertId().toLongLong();
}

qint64 TempDatabase::addCard(const QString& question, const QString& answer, qint64 setId) {
    QSqlQuery q =
        data::exec(db(), QStringLiteral("INSERT INTO Card (Question, Answer) VALUES (?, ?)"),
                   {question, answer});
    const qint64 id = q.lastInsertId().toLongLong();
    exec(QStringLiteral("UPDATE Card SET \"Order\" = Card_ID WHERE Card_ID = ?"), {id});
    if (setId > 0)
        relate(setId, id);
    return id;
}

void TempDatabase::relate(qint64 setId, qint64 cardId) {
    exec(QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)"),
         {setId, cardId});
}

void TempDatabase::addAnswers(qint64 cardId, const QStringList& answers) {
    for (const QString& a : answers)
        exec(QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)"),
             {cardId, a});
}

void TempDatabase::chooseSet(const QString& name) {
    exec(QStringLiteral("UPDATE Fields SET SetName = ?"), {name});
}

} // namespace testing
