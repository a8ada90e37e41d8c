// SPDX-License-Identifier: GPL-3.0-or-later
#include "Machine.h"

#include "data/ClearLog.h"
#include "data/Database.h"
#include "data/SampleSet.h"
#include "data/Sql.h"
#include "learn/rules/ReplyUndo.h"
#include "learn/rules/Scoring.h"
#include "sync/Shadow.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace testing {

Machine::Machine(const QString& dir, const QString& name, bool sample)
    : path_(QDir(dir).filePath(name + QStringLiteral(".mdb"))), name_(name),
      connection_(QStringLiteral("machine-") + QUuid::createUuid().toString(QUuid::Id128)) {
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path_ + suffix);
    reopen();
    data::Transaction t(db());
    data::createSchema(db());
    data::seedNewDatabase(db());
    if (!sample) {
        exec(QStringLiteral("DELETE FROM Set1"));
        exec(QStringLiteral("DELETE FROM MultipleAnswers"));
        exec(QStringLiteral("DELETE FROM Card"));
        exec(QStringLiteral("UPDATE Fields SET SetName = NULL"));
    }
    exec(QStringLiteral("PRAGMA user_version = %1").arg(data::kSchemaVersion));
    t.commit();
}

Machine::Machine(const QString& existingPath)
    : path_(existingPath), name_(QFileInfo(existingPath).baseName()),
      connection_(QStringLiteral("machine-") + QUuid::createUuid().toString(QUuid::Id128)) {
    reopen();
}

Machine::~Machine() {
    close();
}

void Machine::close() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

void Machine::reopen() {
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    if (!db.open())
        qFatal("cannot open %s", qPrintable(path_));
    data::exec(db, QStringLiteral("PRAGMA foreign_keys = ON"));
    data::exec(db, QStringLiteral("PRAGMA journal_mode = WAL"));
    data::exec(db, QStringLiteral("PRAGMA synchronous = OFF"));
}

QSqlDatabase Machine::db() const {
    return QSqlDatabase::database(connection_, false);
}

syncing::SyncSummary Machine::sync(const QString& folder) {
    return syncing::runSync(db(), {folder, name_});
}

QVariant Machine::scalar(const QString& sql, const QVariantList& binds) const {
    return data::scalar(db(), sql, binds);
}

void Machine::exec(const QString& sql, const QVariantList& binds) const {
    data::exec(db(), sql, binds);
}

QStringList Machine::column(const QString& sql, const QVariantList& binds) const {
    QSqlQuery q = data::exec(db(), sql, binds);
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

qint64 Machine::addSet(const QString& name) {
    return data::exec(db(), QStringLiteral("INSERT INTO Set1 (SetName) VALUES (?)"), {name})
        .lastInsertId()
        .toLongLong();
}

qint64 Machine::setId(const QString& name) const {
    return scalar(QStringLiteral("SELECT Set_ID FROM Set1 WHERE SetName = ?"), {name}).toLongLong();
}

void Machine::renameSet(const QString& from, const QString& to) {
    exec(QStringLiteral("UPDATE Set1 SET SetName = ? WHERE SetName = ?"), {to, from});
}

void Machine::turnSet(const QString& name, int direction) {
    exec(QStringLiteral("UPDATE Set1 SET Direction = ? WHERE SetName = ?"), {direction, name});
}

void Machine::deleteSet(const QString& name) {
    // As the set commands delete: the set (its ties go with it), then the cards no set holds.
    data::Transaction t(db());
    exec(QStringLiteral("UPDATE Set1 SET Active = 0 WHERE SetName = ?"), {name});
    exec(QStringLiteral("DELETE FROM Set1 WHERE Active = 0"));
    exec(QStringLiteral("UPDATE Card SET Active = 0 WHERE Card_ID NOT IN (SELECT Card_ID FROM "
                        "Set_Card_rel)"));
    exec(QStringLiteral("DELETE FROM MultipleAnswers WHERE Card_ID IN (SELECT Card_ID FROM Card "
                        "WHERE Active = 0)"));
    exec(QStringLiteral("DELETE FROM Card WHERE Active = 0"));
    t.commit();
}

qint64 Machine::addCard(const QString& set, const QString& question, const QString& answer) {
    const qint64 id =
        data::exec(db(), QStringLiteral("INSERT INTO Card (Question, Answer) VALUES (?, ?)"),
                   {question, answer})
            .lastInsertId()
            .toLongLong();
    exec(QStringLiteral("UPDATE Card SET \"Order\" = Card_ID WHERE Card_ID = ?"), {id});
    tie(set, id);
    return id;
}

qint64 Machine::cardId(const QString& question) const {
    return scalar(QStringLiteral("SELECT Card_ID FROM Card WHERE Question = ?"), {question})
        .toLongLong();
}

void Machine::tie(const QString& set, qint64 cardId) {
    exec(QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)"),
         {setId(set), cardId});
}

void Machine::removeCard(const QString& set, qint64 cardId) {
    // As the card grid deletes a row: untied from this set, gone when no set holds it.
    data::Transaction t(db());
    exec(QStringLiteral("DELETE FROM Set_Card_rel WHERE Card_ID = ? AND Set_ID = ?"),
         {cardId, setId(set)});
    exec(QStringLiteral("DELETE FROM MultipleAnswers WHERE Card_ID = ? AND NOT EXISTS (SELECT 1 "
                        "FROM Set_Card_rel WHERE Card_ID = ?)"),
         {cardId, cardId});
    exec(QStringLiteral("DELETE FROM Card WHERE Card_ID = ? AND NOT EXISTS (SELECT 1 FROM "
                        "Set_Card_rel WHERE Card_ID = ?)"),
         {cardId, cardId});
    t.commit();
}

void Machine::editCard(qint64 cardId, const QString& question, const QString& answer) {
    exec(QStringLiteral("UPDATE Card SET Question = ?, Answer = ? WHERE Card_ID = ?"),
         {question, answer, cardId});
}

void Machine::setAnswers(qint64 cardId, const QStringList& answers) {
    data::Transaction t(db());
    exec(QStringLiteral("DELETE FROM MultipleAnswers WHERE Card_ID = ?"), {cardId});
    for (const QString& a : answers)
        exec(QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)"),
             {cardId, a});
    exec(QStringLiteral("UPDATE Card SET Answer = 'Multi' WHERE Card_ID = ?"), {cardId});
    t.commit();
}

QString Machine::setOf(qint64 cardId) const {
    return scalar(QStringLiteral("SELECT SetName FROM Set1 JOIN Set_Card_rel USING (Set_ID) WHERE "
                                 "Card_ID = ? ORDER BY Set_ID LIMIT 1"),
                  {cardId})
        .toString();
}

qint64 Machine::reply(qint64 cardId, bool correct, const QString& token) {
    data::Transaction t(db());
    const std::optional<learn::StoredWeights> before = learn::readStoredWeights(db(), cardId);
    if (!before)
        return 0;
    const QString set = setOf(cardId);
    if (const std::optional<learn::CardScore> s =
            learn::scoreAfterReply(before->correct, before->incorrect, correct))
        exec(QStringLiteral("UPDATE Card SET Rating = ?, Correct = ?, Incorrect = ? WHERE "
                            "Card_ID = ?"),
             {s->rating, s->correct, s->incorrect, cardId});
    const qint64 row =
        data::exec(db(),
                   QStringLiteral("INSERT INTO Log (\"Date\", SetName, CardID, Result, JudgedBy) "
                                  "VALUES (?, ?, ?, ?, ?)"),
                   {QDate::currentDate().toString(Qt::ISODate), set, cardId,
                    correct ? QStringLiteral("Correct") : QStringLiteral("Wrong"),
                    token.isEmpty() ? QVariant() : QVariant(token)})
            .lastInsertId()
            .toLongLong();
    t.commit();
    undos_.push_back({row, before->rating, before->correct, before->incorrect, cardId, false});
    return row;
}

qint64 Machine::replyReverse(qint64 cardId, bool correct, const QString& token) {
    data::Transaction t(db());
    if (!scalar(QStringLiteral("SELECT 1 FROM Card WHERE Card_ID = ?"), {cardId}).isValid())
        return 0;
    QSqlQuery before = data::exec(
        db(),
        QStringLiteral("SELECT Rating, Correct, Incorrect FROM CardReverse WHERE Card_ID = ?"),
        {cardId});
    Undo undo{0, 0.0, 0.0, 0.0, cardId, true};
    if (before.next())
        undo = {0, before.value(0), before.value(1), before.value(2), cardId, true};
    if (const std::optional<learn::CardScore> s =
            learn::scoreAfterReply(undo.correct, undo.incorrect, correct))
        exec(QStringLiteral("INSERT INTO CardReverse (Card_ID, Rating, Correct, Incorrect) VALUES "
                            "(?, ?, ?, ?) ON CONFLICT (Card_ID) DO UPDATE SET Rating = "
                            "excluded.Rating, Correct = excluded.Correct, Incorrect = "
                            "excluded.Incorrect"),
             {cardId, s->rating, s->correct, s->incorrect});
    undo.row = data::exec(db(),
                          QStringLiteral("INSERT INTO Log (\"Date\", SetName, CardID, Result, "
                                         "JudgedBy, Direction) VALUES (?, ?, ?, ?, ?, 'reverse')"),
                          {QDate::currentDate().toString(Qt::ISODate), setOf(cardId), cardId,
                           correct ? QStringLiteral("Correct") : QStringLiteral("Wrong"),
                           token.isEmpty() ? QVariant() : QVariant(token)})
                   .lastInsertId()
                   .toLongLong();
    t.commit();
    undos_.push_back(undo);
    return undo.row;
}

void Machine::undo(qint64 logRow) {
    for (const Undo& u : undos_) {
        if (u.row != logRow)
            continue;
        if (!u.reverse) {
            learn::undoStoredReply(db(), u.card, {u.rating, u.correct, u.incorrect}, logRow);
            continue;
        }
        data::Transaction t(db());
        exec(QStringLiteral("UPDATE CardReverse SET Rating = ?, Correct = ?, Incorrect = ? WHERE "
                            "Card_ID = ?"),
             {u.rating, u.correct, u.incorrect, u.card});
        exec(QStringLiteral("DELETE FROM Log WHERE RecID = ?"), {logRow});
        t.commit();
    }
}

void Machine::cleanLog() {
    data::clearLog(db());
}

namespace {

// A card's picture and sound by the start of their hashes; nothing for a card without.
QString mediaMark(const QString& picture, const QString& sound) {
    if (picture.isEmpty() && sound.isEmpty())
        return {};
    return QStringLiteral(" media %1|%2").arg(picture.left(8), sound.left(8));
}

} // namespace

QString Machine::digest() const {
    const syncing::StatementCache statements; // the answers are read as a sync reads them
    QStringList lines;
    QSqlQuery sets = data::exec(
        db(),
        QStringLiteral(
            "SELECT Set_ID, SetName, IncludeInDeamons, Direction FROM Set1 ORDER BY SetName"));
    while (sets.next()) {
        lines << QStringLiteral("set %1 %2 %3")
                     .arg(sets.value(1).toString(), sets.value(2).toString(),
                          sets.value(3).toString());
        QStringList cards;
        QSqlQuery q = data::exec(
            db(),
            QStringLiteral("SELECT Card.Card_ID, Question, Answer, Card.Rating, Card.Correct, "
                           "Card.Incorrect, coalesce(r.Rating, 0), coalesce(r.Correct, 0), "
                           "coalesce(r.Incorrect, 0), coalesce(Picture, ''), coalesce(Sound, "
                           "'') FROM Card JOIN Set_Card_rel USING (Card_ID) "
                           "LEFT JOIN CardReverse r ON r.Card_ID = Card.Card_ID WHERE Set_ID = ?"),
            {sets.value(0)});
        while (q.next())
            cards << QStringLiteral("  card %1|%2|%3|%4|%5|%6 reverse %7|%8|%9")
                             .arg(q.value(1).toString(), q.value(2).toString(),
                                  syncing::answersText(db(), q.value(0).toLongLong()),
                                  syncing::weightText(q.value(3)), syncing::weightText(q.value(4)),
                                  syncing::weightText(q.value(5)), syncing::weightText(q.value(6)),
                                  syncing::weightText(q.value(7)),
                                  syncing::weightText(q.value(8))) +
                         mediaMark(q.value(9).toString(), q.value(10).toString());
        cards.sort();
        lines += cards;
    }
    QStringList log;
    QSqlQuery q = data::exec(
        db(), QStringLiteral("SELECT Log.\"Date\", Log.SetName, coalesce(Card.Question, ''), "
                             "Log.Result, coalesce(Log.JudgedBy, ''), coalesce(Log.Direction, '') "
                             "FROM Log LEFT JOIN Card ON Card.Card_ID = Log.CardID"));
    while (q.next())
        log << QStringLiteral("log %1|%2|%3|%4|%5|%6")
                   .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                        q.value(3).toString(), q.value(4).toString(), q.value(5).toString());
    log.sort();
    lines += log;
    return lines.join(QLatin1Char('\n'));
}

void settle(const QString& folder, std::initializer_list<Machine*> machines,
            const std::function<void(const syncing::SyncSummary&)>& check) {
    for (int round = 0; round < 3; ++round)
        for (Machine* m : machines) {
            const syncing::SyncSummary s = m->sync(folder);
            QVERIFY2(s.error.isEmpty(), qPrintable(s.error));
            if (check)
                check(s);
        }
}

} // namespace testing
