// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Statement.h"
#include "sync/ChangeFile.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>

namespace syncing {

// While one lives, the statements below are prepared once per connection and text and kept:
// a sync runs the same few statements thousands of times. Not to be nested across threads.
class StatementCache {
  public:
    StatementCache();
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;
};
// data::exec and data::scalar through the cache, which must live. A row set read from sqlRun
// must be read before the same statement runs again. Throw DbError.
// Ends every cached statement's reading, so the connection holds no read snapshot: a write
// after it waits for the lock instead of failing at once.
void finishStatements();

// A write transaction that takes the write lock at its start (waiting for it as the
// connection's busy timeout allows), so it never fails halfway on a snapshot another
// connection has moved past. Rolls back unless committed.
class WriteTransaction {
  public:
    explicit WriteTransaction(const QSqlDatabase& db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void commit();

  private:
    QSqlDatabase db_;
    bool done_ = false;
};

data::Statement& sqlRun(const QSqlDatabase& db, const QString& sql, const QVariantList& binds = {});
QVariant sqlValue(const QSqlDatabase& db, const QString& sql, const QVariantList& binds = {});

// What every machine knows of a set: its global id, the name it was made under (sets made
// under one name on two machines are one set), and each field with the stamp of its last
// change. A set lives while its last deletion is older than its newest change.
struct SetState {
    QString gid;
    QString canon;  // the gid this one was joined into; itself when it was not
    QVariant setId; // the local Set1 row, when there is one
    QString createdName, createdAt;
    QString name, nameAt;
    QString flag, flagAt; // IncludeInDeamons as text
    QString deletedAt;
    // Direction as text; null while no machine has changed it (it is then 0).
    QString direction, directionAt;
    bool alive() const;
};

// A card's texts, options ("ShowOrder,DisplayQuestionNumber"), answer list (a JSON array,
// empty for none) and the weights it had at BaseAt, before the replies stamped after it: asked
// question first (Card) and answer first (CardReverse; null when it had none then).
struct CardState {
    QString gid;
    QVariant cardId;
    QString question, qAt;
    QString answer, aAt;
    QString options, oAt;
    QString answers, lAt;
    QString rating, correct, incorrect, baseAt; // null text for an empty weight
    QString rRating, rCorrect, rIncorrect;
    // Set for the cards a database held when it first synced: cards of one key are one card.
    QString joinKey;
    QString canon; // the gid it was joined into; null for itself
    // The picture's and the sound's Media hash, empty for none (null: not sent in this change).
    QString picture, pAt;
    QString sound, sAt;
    QString lastEdit() const;
};

struct MemberState {
    QString setGid, cardGid;
    QString addAt, delAt;
    bool held() const { return addAt > delAt; }
};

// Change events: full state, so applying one twice, late or out of order comes to the same.
ChangeEvent setEvent(const SetState& s);
ChangeEvent cardEvent(const CardState& c);
ChangeEvent memberEvent(const MemberState& m);
// Reads an event back; nullopt when its fields do not fit its kind. Events of machines whose
// program knew no directions or no media yet are shorter: a set's direction then did not
// change, a card had no reverse weights at its base, and its picture and sound did not change.
std::optional<SetState> setFromEvent(const ChangeEvent& e);
std::optional<CardState> cardFromEvent(const ChangeEvent& e);
std::optional<MemberState> memberFromEvent(const ChangeEvent& e);

// The shadow tables (SyncSet, SyncCard, SyncMember). Throw DbError.
std::optional<SetState> loadSet(const QSqlDatabase& db, const QString& gid);
std::optional<SetState> loadSetByLocal(const QSqlDatabase& db, qint64 setId);
void saveSet(const QSqlDatabase& db, const SetState& s);
std::optional<CardState> loadCard(const QSqlDatabase& db, const QString& gid);
std::optional<CardState> loadCardByLocal(const QSqlDatabase& db, qint64 cardId);
void saveCard(const QSqlDatabase& db, const CardState& c);
std::optional<MemberState> loadMember(const QSqlDatabase& db, const QString& setGid,
                                      const QString& cardGid);
void saveMember(const QSqlDatabase& db, const MemberState& m);

// The gid a set's or card's changes are applied to: the one it was joined into.
QString canonicalSet(const QSqlDatabase& db, const QString& gid);
QString canonicalCard(const QSqlDatabase& db, const QString& gid);

// Notes that the replies of `replica` up to the stamp `upTo` were cleaned from the log.
void noteCleaned(const QSqlDatabase& db, const QString& replica, const QString& upTo);

// A weight as the file and the shadow carry it: null for an empty one, else the number's
// shortest exact text.
QString weightText(const QVariant& stored);
QVariant weightValue(const QString& text);

// A reply's direction as Log, SyncLog and log changes hold it: "reverse" when the card was
// asked answer first, null or empty when question first. Anything else does not fit.
bool isReverseReply(const QString& direction);
bool isKnownDirection(const QString& direction);

// The answer list of a card, in its stored order, as one JSON array text ("" for none).
QString answersText(const QSqlDatabase& db, qint64 cardId);
QStringList answersList(const QString& text);
// Replaces the card's answers with the list `text` holds.
void writeAnswers(const QSqlDatabase& db, const QVariant& cardId, const QString& text);

} // namespace syncing
