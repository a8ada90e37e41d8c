// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Shadow.h"

#include "data/Sql.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSqlError>
#include <algorithm>
#include <memory>

namespace syncing {
namespace {

thread_local QHash<QString, std::shared_ptr<data::Statement>>* statements = nullptr;

QString text(const data::Statement& q, int i) {
    const QVariant v = q.value(i);
    return v.isNull() ? QString() : v.toString();
}

QVariant nullable(const QString& s) {
    return s.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

const QString kSetColumns = QStringLiteral(
    "Gid, Canon, Set_ID, CreatedName, CreatedAt, Name, NameAt, Flag, FlagAt, DeletedAt, "
    "Direction, DirectionAt");
const QString kCardColumns = QStringLiteral(
    "Gid, Card_ID, Question, QAt, Answer, AAt, Options, OAt, Answers, LAt, Rating, Correct, "
    "Incorrect, BaseAt, JoinKey, Canon, RRating, RCorrect, RIncorrect, Picture, PAt, Sound, SAt");

// A media hash as the shadow keeps it: NULL for none, so only cards with media are indexed.
QVariant noneAsNull(const QString& hash) {
    return hash.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(hash);
}

QString stampText(const QString& at) {
    return at.isNull() ? QStringLiteral("") : at;
}

SetState setFrom(const data::Statement& q) {
    SetState s;
    s.gid = text(q, 0);
    s.canon = text(q, 1);
    s.setId = q.value(2);
    s.createdName = text(q, 3);
    s.createdAt = text(q, 4);
    s.name = text(q, 5);
    s.nameAt = text(q, 6);
    s.flag = text(q, 7);
    s.flagAt = text(q, 8);
    s.deletedAt = text(q, 9);
    s.direction = text(q, 10);
    s.directionAt = text(q, 11);
    return s;
}

CardState cardFrom(const data::Statement& q) {
    CardState c;
    c.gid = text(q, 0);
    c.cardId = q.value(1);
    c.question = text(q, 2);
    c.qAt = text(q, 3);
    c.answer = text(q, 4);
    c.aAt = text(q, 5);
    c.options = text(q, 6);
    c.oAt = text(q, 7);
    c.answers = text(q, 8);
    c.lAt = text(q, 9);
    c.rating = text(q, 10);
    c.correct = text(q, 11);
    c.incorrect = text(q, 12);
    c.baseAt = text(q, 13);
    c.joinKey = text(q, 14);
    c.canon = text(q, 15);
    c.rRating = text(q, 16);
    c.rCorrect = text(q, 17);
    c.rIncorrect = text(q, 18);
    c.picture = text(q, 19);
    c.pAt = text(q, 20);
    c.sound = text(q, 21);
    c.sAt = text(q, 22);
    return c;
}

template <typename T, typename F>
std::optional<T> loadOne(const QSqlDatabase& db, const QString& sql, const QVariant& key, F from) {
    data::Statement& q = sqlRun(db, sql, {key});
    if (!q.next())
        return std::nullopt;
    return from(q);
}

bool stamped(const QString& s) {
    return !s.isEmpty();
}

// The lengths of set and card changes, and the ones written before directions travelled.
constexpr qsizetype kSetFields = 11, kOlderSetFields = 9;
constexpr qsizetype kCardFields = 22, kCardFieldsBeforeMedia = 18, kOlderCardFields = 15;

// A media field as a change carries it: empty for none, else a SHA-256 in lower-case hex.
bool isMediaHash(const QString& s) {
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    return s.isEmpty() || hex.match(s).hasMatch();
}

} // namespace

StatementCache::StatementCache() {
    if (!statements)
        statements = new QHash<QString, std::shared_ptr<data::Statement>>();
}

StatementCache::~StatementCache() {
    delete statements;
    statements = nullptr;
}

void finishStatements() {
    if (statements)
        for (const std::shared_ptr<data::Statement>& q : *statements)
            q->finish();
}

WriteTransaction::WriteTransaction(const QSqlDatabase& db) : db_(db) {
    finishStatements();
    data::exec(db_, QStringLiteral("BEGIN IMMEDIATE"));
}

WriteTransaction::~WriteTransaction() {
    if (done_)
        return;
    finishStatements();
    try {
        data::exec(db_, QStringLiteral("ROLLBACK"));
    } catch (const data::DbError&) {
        // Nothing was written that could stay: SQLite ends a failed transaction itself.
    }
}

void WriteTransaction::commit() {
    finishStatements();
    data::exec(db_, QStringLiteral("COMMIT"));
    done_ = true;
}

data::Statement& sqlRun(const QSqlDatabase& db, const QString& sql, const QVariantList& binds) {
    if (!statements)
        throw data::DbError(QStringLiteral("a sync statement was run outside a sync"));
    const QString key = db.connectionName() + QChar(0x1f) + sql;
    auto it = statements->find(key);
    if (it == statements->end())
        it = statements->insert(key, std::make_shared<data::Statement>(db, sql));
    return it.value()->run(binds);
}

QVariant sqlValue(const QSqlDatabase& db, const QString& sql, const QVariantList& binds) {
    data::Statement& q = sqlRun(db, sql, binds);
    const QVariant value = q.next() ? q.value(0) : QVariant();
    q.finish();
    return value;
}

bool SetState::alive() const {
    return deletedAt < std::max({createdAt, nameAt, flagAt, directionAt});
}

QString CardState::lastEdit() const {
    return std::max({qAt, aAt, oAt, lAt, pAt, sAt});
}

ChangeEvent setEvent(const SetState& s) {
    return {{QStringLiteral("S"), s.gid, s.createdName, s.createdAt, s.name, s.nameAt, s.flag,
             s.flagAt, s.deletedAt, s.direction, s.directionAt}};
}

ChangeEvent cardEvent(const CardState& c) {
    return {{QStringLiteral("C"), c.gid,    c.question, c.qAt,     c.answer,   c.aAt,
             c.options,           c.oAt,    c.answers,  c.lAt,     c.rating,   c.correct,
             c.incorrect,         c.baseAt, c.joinKey,  c.rRating, c.rCorrect, c.rIncorrect,
             c.picture,           c.pAt,    c.sound,    c.sAt}};
}

ChangeEvent memberEvent(const MemberState& m) {
    return {{QStringLiteral("M"), m.setGid, m.cardGid, m.addAt, m.delAt}};
}

std::optional<SetState> setFromEvent(const ChangeEvent& e) {
    if ((e.fields.size() != kOlderSetFields && e.fields.size() != kSetFields) ||
        e.at(1).size() != 32 || !stamped(e.at(3)))
        return std::nullopt;
    SetState s;
    s.gid = e.at(1);
    s.canon = s.gid;
    s.createdName = e.at(2);
    s.createdAt = e.at(3);
    s.name = e.at(4);
    s.nameAt = e.at(5);
    s.flag = e.at(6);
    s.flagAt = e.at(7);
    s.deletedAt = e.at(8);
    s.directionAt = QStringLiteral("");
    if (e.fields.size() == kSetFields) {
        s.direction = e.at(9);
        s.directionAt = e.at(10);
        // Question first, answer first or both; none when it did not change.
        static const QStringList directions = {QStringLiteral("0"), QStringLiteral("1"),
                                               QStringLiteral("2")};
        if (stamped(s.directionAt) != directions.contains(s.direction))
            return std::nullopt;
    }
    return s;
}

std::optional<CardState> cardFromEvent(const ChangeEvent& e) {
    const qsizetype n = e.fields.size();
    if ((n != kOlderCardFields && n != kCardFieldsBeforeMedia && n != kCardFields) ||
        e.at(1).size() != 32)
        return std::nullopt;
    CardState c;
    c.gid = e.at(1);
    c.question = e.at(2);
    c.qAt = e.at(3);
    c.answer = e.at(4);
    c.aAt = e.at(5);
    c.options = e.at(6);
    c.oAt = e.at(7);
    c.answers = e.at(8);
    c.lAt = e.at(9);
    c.rating = e.at(10);
    c.correct = e.at(11);
    c.incorrect = e.at(12);
    c.baseAt = e.at(13);
    c.joinKey = e.at(14);
    if (n >= kCardFieldsBeforeMedia) {
        c.rRating = e.at(15);
        c.rCorrect = e.at(16);
        c.rIncorrect = e.at(17);
    }
    c.pAt = c.sAt = QStringLiteral("");
    if (n == kCardFields) {
        c.picture = e.at(18);
        c.pAt = e.at(19);
        c.sound = e.at(20);
        c.sAt = e.at(21);
        if (!isMediaHash(c.picture) || !isMediaHash(c.sound))
            return std::nullopt;
    }
    return c;
}

std::optional<MemberState> memberFromEvent(const ChangeEvent& e) {
    if (e.fields.size() != 5 || e.at(1).size() != 32 || e.at(2).size() != 32)
        return std::nullopt;
    return MemberState{e.at(1), e.at(2), e.at(3), e.at(4)};
}

std::optional<SetState> loadSet(const QSqlDatabase& db, const QString& gid) {
    return loadOne<SetState>(
        db, QStringLiteral("SELECT %1 FROM SyncSet WHERE Gid = ?").arg(kSetColumns), gid, setFrom);
}

std::optional<SetState> loadSetByLocal(const QSqlDatabase& db, qint64 setId) {
    return loadOne<SetState>(
        db,
        QStringLiteral("SELECT %1 FROM SyncSet WHERE Set_ID = ? AND Gid = Canon").arg(kSetColumns),
        setId, setFrom);
}

void saveSet(const QSqlDatabase& db, const SetState& s) {
    sqlRun(db,
           QStringLiteral("INSERT OR REPLACE INTO SyncSet (%1) VALUES (?, ?, ?, ?, ?, ?, ?, "
                          "?, ?, ?, ?, ?)")
               .arg(kSetColumns),
           {s.gid, s.canon, s.setId, s.createdName, s.createdAt, nullable(s.name), s.nameAt,
            nullable(s.flag), s.flagAt, s.deletedAt, nullable(s.direction),
            s.directionAt.isNull() ? QStringLiteral("") : s.directionAt});
}

std::optional<CardState> loadCard(const QSqlDatabase& db, const QString& gid) {
    return loadOne<CardState>(
        db, QStringLiteral("SELECT %1 FROM SyncCard WHERE Gid = ?").arg(kCardColumns), gid,
        cardFrom);
}

std::optional<CardState> loadCardByLocal(const QSqlDatabase& db, qint64 cardId) {
    return loadOne<CardState>(
        db, QStringLiteral("SELECT %1 FROM SyncCard WHERE Card_ID = ?").arg(kCardColumns), cardId,
        cardFrom);
}

void saveCard(const QSqlDatabase& db, const CardState& c) {
    sqlRun(db,
           QStringLiteral("INSERT OR REPLACE INTO SyncCard (%1) VALUES (?, ?, ?, ?, ?, ?, ?, "
                          "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
               .arg(kCardColumns),
           {c.gid,
            c.cardId,
            nullable(c.question),
            c.qAt,
            nullable(c.answer),
            c.aAt,
            nullable(c.options),
            c.oAt,
            nullable(c.answers),
            c.lAt,
            nullable(c.rating),
            nullable(c.correct),
            nullable(c.incorrect),
            c.baseAt,
            nullable(c.joinKey),
            nullable(c.canon),
            nullable(c.rRating),
            nullable(c.rCorrect),
            nullable(c.rIncorrect),
            noneAsNull(c.picture),
            stampText(c.pAt),
            noneAsNull(c.sound),
            stampText(c.sAt)});
}

std::optional<MemberState> loadMember(const QSqlDatabase& db, const QString& setGid,
                                      const QString& cardGid) {
    data::Statement& q = sqlRun(
        db, QStringLiteral("SELECT AddAt, DelAt FROM SyncMember WHERE SetGid = ? AND CardGid = ?"),
        {setGid, cardGid});
    if (!q.next())
        return std::nullopt;
    return MemberState{setGid, cardGid, text(q, 0), text(q, 1)};
}

void saveMember(const QSqlDatabase& db, const MemberState& m) {
    sqlRun(db,
           QStringLiteral("INSERT OR REPLACE INTO SyncMember (SetGid, CardGid, AddAt, DelAt) "
                          "VALUES (?, ?, ?, ?)"),
           {m.setGid, m.cardGid, m.addAt, m.delAt});
}

QString canonicalSet(const QSqlDatabase& db, const QString& gid) {
    const QVariant canon =
        sqlValue(db, QStringLiteral("SELECT Canon FROM SyncSet WHERE Gid = ?"), {gid});
    return canon.isValid() ? canon.toString() : gid;
}

QString canonicalCard(const QSqlDatabase& db, const QString& gid) {
    const QVariant canon =
        sqlValue(db, QStringLiteral("SELECT Canon FROM SyncCard WHERE Gid = ?"), {gid});
    return canon.isValid() && !canon.isNull() ? canon.toString() : gid;
}

void noteCleaned(const QSqlDatabase& db, const QString& replica, const QString& upTo) {
    sqlRun(db,
           QStringLiteral("INSERT INTO SyncCleaned (Replica, UpTo) VALUES (?, ?) ON CONFLICT "
                          "(Replica) DO UPDATE SET UpTo = max(UpTo, excluded.UpTo)"),
           {replica, upTo});
}

QString weightText(const QVariant& stored) {
    if (stored.isNull())
        return QString();
    if (stored.typeId() == QMetaType::Double || stored.typeId() == QMetaType::LongLong ||
        stored.typeId() == QMetaType::Int)
        return QString::number(stored.toDouble(), 'g', QLocale::FloatingPointShortest);
    return stored.toString();
}

QVariant weightValue(const QString& text) {
    if (text.isNull())
        return QVariant(QMetaType(QMetaType::Double));
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok ? QVariant(number) : QVariant(text);
}

bool isReverseReply(const QString& direction) {
    return direction == QLatin1String("reverse");
}

bool isKnownDirection(const QString& direction) {
    return direction.isEmpty() || isReverseReply(direction);
}

QString answersText(const QSqlDatabase& db, qint64 cardId) {
    data::Statement& q = sqlRun(
        db, QStringLiteral("SELECT M_Answer FROM MultipleAnswers WHERE Card_ID = ? ORDER BY rowid"),
        {cardId});
    QJsonArray list;
    while (q.next())
        list.append(q.value(0).isNull() ? QJsonValue() : QJsonValue(q.value(0).toString()));
    if (list.isEmpty())
        return QStringLiteral("");
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

QStringList answersList(const QString& text) {
    QStringList out;
    const QJsonArray list = QJsonDocument::fromJson(text.toUtf8()).array();
    for (const QJsonValue v : list)
        out << (v.isNull() ? QString() : v.toString());
    return out;
}

void writeAnswers(const QSqlDatabase& db, const QVariant& cardId, const QString& text) {
    sqlRun(db, QStringLiteral("DELETE FROM MultipleAnswers WHERE Card_ID = ?"), {cardId});
    for (const QString& a : answersList(text))
        sqlRun(db, QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)"),
               {cardId, a.isNull() ? QVariant(QMetaType(QMetaType::QString)) : a});
}

} // namespace syncing
