// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Capture.h"

#include "data/Sql.h"
#include "sync/Shadow.h"

#include <QHash>
#include <QMap>
#include <QSqlQuery>

namespace syncing {
namespace {

QString optionsOf(const QVariant& showOrder, const QVariant& displayNumber) {
    return weightText(showOrder) + QLatin1Char(',') + weightText(displayNumber);
}

QString nullableText(const QVariant& v) {
    return v.isNull() ? QString() : v.toString();
}

// The name a new set is known by among the machines. Sets made under one name on two
// machines that did not know of each other are joined into one; a set made here under a
// name some set already had is not, so it gets a name no other machine can have made.
QString createdNameFor(const QSqlDatabase& db, const QString& name, const QString& gid) {
    const bool known =
        sqlValue(db, QStringLiteral("SELECT 1 FROM SyncSet WHERE CreatedName = ? COLLATE NOCASE"),
                 {name})
            .isValid();
    return known || name.isEmpty() ? name + QChar(0x1f) + gid : name;
}

// Fills in the card's weights when asked answer first, as its base: none without a row.
void readReverseBase(const QSqlDatabase& db, const QVariant& cardId, CardState& c) {
    data::Statement& q = sqlRun(
        db, QStringLiteral("SELECT Rating, Correct, Incorrect FROM CardReverse WHERE Card_ID = ?"),
        {cardId});
    const bool has = q.next();
    c.rRating = has ? weightText(q.value(0)) : QString();
    c.rCorrect = has ? weightText(q.value(1)) : QString();
    c.rIncorrect = has ? weightText(q.value(2)) : QString();
    q.finish();
}

// A reply's direction as it travels: empty for question first.
QString directionOf(const QVariant& stored) {
    return isReverseReply(nullableText(stored)) ? nullableText(stored) : QStringLiteral("");
}

// A set's direction as its shadow compares it: a set no machine has turned round asks
// question first.
QString effectiveDirection(const QString& shadow) {
    return shadow.isNull() ? QStringLiteral("0") : shadow;
}

CardState newCardState(const QSqlDatabase& db, qint64 cardId, const data::Statement& row,
                       const QString& stamp, const QString& baseAt) {
    CardState c;
    c.gid = newId();
    c.cardId = cardId;
    c.question = nullableText(row.value(0));
    c.answer = nullableText(row.value(1));
    c.options = optionsOf(row.value(2), row.value(3));
    c.answers = answersText(db, cardId);
    c.qAt = c.aAt = c.oAt = c.lAt = stamp;
    c.rating = weightText(row.value(4));
    c.correct = weightText(row.value(5));
    c.incorrect = weightText(row.value(6));
    c.baseAt = baseAt;
    c.picture = nullableText(row.value(7));
    c.sound = nullableText(row.value(8));
    c.pAt = c.sAt = stamp;
    readReverseBase(db, cardId, c);
    return c;
}

const QString kCardRow = QStringLiteral(
    "SELECT Question, Answer, ShowOrder, DisplayQuestionNumber, Rating, Correct, Incorrect, "
    "Picture, Sound FROM Card WHERE Card_ID = ?");

} // namespace

ChangeEvent logEvent(const QString& gid, const QString& cardGid, const QVariant& date,
                     const QVariant& setName, const QVariant& result, const QVariant& judgedBy,
                     const QString& at, const QVariant& direction) {
    return {{QStringLiteral("L"), gid, cardGid, nullableText(date), nullableText(setName),
             nullableText(result), nullableText(judgedBy), at, directionOf(direction)}};
}

std::vector<ChangeEvent> snapshotEverything(const QSqlDatabase& db, Hlc& clock) {
    const QString stamp = clock.next(wallClockMs());
    std::vector<ChangeEvent> events;
    QHash<qint64, QString> setGids, cardGids;
    data::Statement& sets = sqlRun(
        db, QStringLiteral(
                "SELECT Set_ID, SetName, IncludeInDeamons, Direction FROM Set1 ORDER BY Set_ID"));
    while (sets.next()) {
        SetState s;
        s.gid = s.canon = newId();
        s.setId = sets.value(0);
        s.name = nullableText(sets.value(1));
        s.createdName = createdNameFor(db, s.name, s.gid);
        s.flag = weightText(sets.value(2));
        s.direction = weightText(sets.value(3));
        s.createdAt = s.nameAt = s.flagAt = s.directionAt = stamp;
        saveSet(db, s);
        setGids.insert(sets.value(0).toLongLong(), s.gid);
        events.push_back(setEvent(s));
    }
    // Cards no set holds (the placeholder of an emptied collection) stay here.
    data::Statement& cards = sqlRun(
        db, QStringLiteral("SELECT Question, Answer, ShowOrder, DisplayQuestionNumber, Rating, "
                           "Correct, Incorrect, Picture, Sound, Card_ID, (SELECT "
                           "min(lower(SyncSet.CreatedName)) FROM "
                           "Set_Card_rel JOIN SyncSet ON SyncSet.Set_ID = Set_Card_rel.Set_ID "
                           "WHERE Set_Card_rel.Card_ID = Card.Card_ID) FROM Card WHERE Card_ID "
                           "IN (SELECT Card_ID FROM Set_Card_rel) ORDER BY Card_ID"));
    while (cards.next()) {
        const qint64 id = cards.value(9).toLongLong();
        CardState c = newCardState(db, id, cards, stamp, stamp);
        // Joined with a card of the same text in a set of the same name that another machine
        // brings: the first set's name (by letter case ignored) stands for its sets.
        c.joinKey =
            QStringList{cards.value(10).toString().toLower(), c.question, c.answer, c.answers}.join(
                QChar(0x1f));
        saveCard(db, c);
        cardGids.insert(id, c.gid);
        events.push_back(cardEvent(c));
    }
    data::Statement& ties =
        sqlRun(db, QStringLiteral("SELECT DISTINCT Set_ID, Card_ID FROM Set_Card_rel"));
    while (ties.next()) {
        const QString setGid = setGids.value(ties.value(0).toLongLong());
        const QString cardGid = cardGids.value(ties.value(1).toLongLong());
        if (setGid.isEmpty() || cardGid.isEmpty())
            continue;
        const MemberState m{setGid, cardGid, stamp, QStringLiteral("")};
        saveMember(db, m);
        events.push_back(memberEvent(m));
    }
    sqlRun(db,
           QStringLiteral("INSERT INTO SyncLog (Gid, RecID, CardGid, Day, Result, At, "
                          "Direction) SELECT lower(hex(randomblob(16))), RecID, (SELECT Gid "
                          "FROM SyncCard WHERE SyncCard.Card_ID = Log.CardID), "
                          "substr(\"Date\", 1, 10), Result, ?, CASE WHEN Direction = "
                          "'reverse' THEN Direction END FROM Log"),
           {stamp});
    data::Statement& log =
        sqlRun(db, QStringLiteral("SELECT SyncLog.Gid, SyncLog.CardGid, Log.\"Date\", Log.SetName, "
                                  "Log.Result, Log.JudgedBy, Log.Direction FROM SyncLog JOIN Log "
                                  "ON Log.RecID = SyncLog.RecID ORDER BY Log.RecID"));
    while (log.next())
        events.push_back(logEvent(log.value(0).toString(), nullableText(log.value(1)), log.value(2),
                                  log.value(3), log.value(4), log.value(5), stamp, log.value(6)));
    sqlRun(db, QStringLiteral("DELETE FROM SyncOutbox"));
    return events;
}

namespace {

// The stamps of what was noted of one set or card: of any change, and of each field's last.
struct Stamps {
    QString any;
    QString fields[6];
    QString of(int field) const { return fields[field].isEmpty() ? any : fields[field]; }
    void note(int field, const QString& stamp) {
        any = stamp;
        if (field >= 0)
            fields[field] = stamp;
    }
};

struct Noted {
    QString kind;
    qint64 a = 0;
    qint64 b = 0;
    QString stamp;
};

class Collector {
  public:
    Collector(const QSqlDatabase& db, QSet<QString>& weighed) : db_(db), weighed_(weighed) {}

    void set(qint64 setId, const Stamps& stamps) {
        const QString& stamp = stamps.any;
        data::Statement& row =
            sqlRun(db_,
                   QStringLiteral(
                       "SELECT SetName, IncludeInDeamons, Direction FROM Set1 WHERE Set_ID = ?"),
                   {setId});
        std::optional<SetState> s = loadSetByLocal(db_, setId);
        if (!row.next()) {
            if (s) {
                s->deletedAt = stamp;
                s->setId = QVariant();
                saveSet(db_, *s);
                sets_[s->gid] |= kDeleted;
            }
            return;
        }
        const QString name = nullableText(row.value(0));
        const QString flag = weightText(row.value(1));
        const QString direction = weightText(row.value(2));
        int changed = 0;
        if (!s) {
            changed = kAll;
            s = SetState{};
            s->gid = s->canon = newId();
            s->setId = setId;
            s->createdName = createdNameFor(db_, name, s->gid);
            s->createdAt = s->nameAt = s->flagAt = s->directionAt = stamp;
            s->name = name;
            s->flag = flag;
            s->direction = direction;
        } else if (s->name == name && s->flag == flag &&
                   effectiveDirection(s->direction) == direction) {
            return;
        }
        // A name differs from its shadow without a rename here when a set was numbered to
        // keep names apart: that number is this machine's view, not a change to send.
        const bool renamed = !stamps.fields[0].isEmpty() || changed == kAll;
        if (s->name != name && renamed) {
            s->name = name;
            s->nameAt = stamps.of(0);
            changed |= kName;
        }
        if (s->flag != flag) {
            s->flag = flag;
            s->flagAt = stamps.of(1);
            changed |= kFlag;
        }
        if (effectiveDirection(s->direction) != direction) {
            s->direction = direction;
            s->directionAt = stamps.of(2);
            changed |= kDirection;
        }
        if (changed == 0)
            return;
        saveSet(db_, *s);
        sets_[s->gid] |= changed;
    }

    // The card's shadow, made when the card is new; none when the card is gone.
    std::optional<CardState> cardShadow(qint64 cardId, const QString& stamp) {
        std::optional<CardState> c = loadCardByLocal(db_, cardId);
        if (c)
            return c;
        data::Statement& row = sqlRun(db_, kCardRow, {cardId});
        if (!row.next())
            return std::nullopt;
        // Its weights already count every reply of this round, all stamped before baseAt.
        c = newCardState(db_, cardId, row, stamp, baseAt_);
        saveCard(db_, *c);
        cards_[c->gid] |= kAll;
        return c;
    }

    void card(qint64 cardId, const Stamps& stamps) {
        const QString& stamp = stamps.any;
        std::optional<CardState> c = loadCardByLocal(db_, cardId);
        data::Statement& row = sqlRun(db_, kCardRow, {cardId});
        if (!row.next()) {
            if (c) {
                c->cardId = QVariant();
                saveCard(db_, *c);
            }
            return;
        }
        if (!c) {
            // A card no set holds yet is given its id once a set takes it.
            if (sqlValue(db_, QStringLiteral("SELECT 1 FROM Set_Card_rel WHERE Card_ID = ?"),
                         {cardId})
                    .isValid())
                cardShadow(cardId, stamp);
            return;
        }
        int changed = 0;
        const auto update = [&](QString& value, QString& at, const QString& now, int field) {
            if (value != now || value.isNull() != now.isNull()) {
                value = now;
                at = stamps.of(field);
                changed |= 1 << field;
            }
        };
        update(c->question, c->qAt, nullableText(row.value(0)), 0);
        update(c->answer, c->aAt, nullableText(row.value(1)), 1);
        update(c->options, c->oAt, optionsOf(row.value(2), row.value(3)), 2);
        update(c->answers, c->lAt, answersText(db_, cardId), 3);
        update(c->picture, c->pAt, nullableText(row.value(7)), 4);
        update(c->sound, c->sAt, nullableText(row.value(8)), 5);
        if (changed) {
            saveCard(db_, *c);
            cards_[c->gid] |= changed;
        }
    }

    void member(qint64 setId, qint64 cardId, const QString& stamp) {
        const std::optional<SetState> s = loadSetByLocal(db_, setId);
        if (!s)
            return; // the set's own deletion says it all
        const std::optional<CardState> c = cardShadow(cardId, stamp);
        if (!c)
            return;
        const bool held = sqlValue(db_,
                                   QStringLiteral("SELECT 1 FROM Set_Card_rel WHERE Set_ID = ? AND "
                                                  "Card_ID = ?"),
                                   {setId, cardId})
                              .isValid();
        MemberState m =
            loadMember(db_, s->gid, c->gid)
                .value_or(MemberState{s->gid, c->gid, QStringLiteral(""), QStringLiteral("")});
        // A card taken out here of a set its shadow says it left already is sent all the same:
        // it was back in the set because it was edited after it left, and stays out now.
        if (held == m.held() && (held || m.addAt.isEmpty()))
            return;
        (held ? m.addAt : m.delAt) = stamp;
        saveMember(db_, m);
        members_.push_back(m);
    }

    void reply(qint64 recId, const QString& stamp) {
        data::Statement& row =
            sqlRun(db_,
                   QStringLiteral("SELECT \"Date\", SetName, CardID, Result, "
                                  "JudgedBy, Direction FROM Log WHERE RecID = ?"),
                   {recId});
        if (!row.next() ||
            sqlValue(db_, QStringLiteral("SELECT 1 FROM SyncLog WHERE RecID = ?"), {recId})
                .isValid())
            return;
        QString cardGid;
        if (!row.value(2).isNull()) {
            if (const std::optional<CardState> c = loadCardByLocal(db_, row.value(2).toLongLong()))
                cardGid = c->gid;
        }
        const QString gid = newId();
        const QString direction = directionOf(row.value(5));
        sqlRun(db_,
               QStringLiteral("INSERT INTO SyncLog (Gid, RecID, CardGid, Day, Result, At, "
                              "Direction) VALUES (?, ?, ?, substr(?, 1, 10), ?, ?, ?)"),
               {gid, recId, cardGid.isEmpty() ? QVariant() : QVariant(cardGid), row.value(0),
                row.value(3), stamp, direction.isEmpty() ? QVariant() : QVariant(direction)});
        if (!cardGid.isEmpty())
            weighed_.insert(cardGid);
        log_.push_back(logEvent(gid, cardGid, row.value(0), row.value(1), row.value(3),
                                row.value(4), stamp, row.value(5)));
    }

    void undo(qint64 recId, const QString& stamp) {
        data::Statement& row =
            sqlRun(db_,
                   QStringLiteral("SELECT Gid, CardGid FROM SyncLog WHERE RecID = ? AND NOT EXISTS "
                                  "(SELECT 1 FROM Log WHERE Log.RecID = SyncLog.RecID)"),
                   {recId});
        if (!row.next())
            return;
        const QString gid = row.value(0).toString();
        rebaseIfCounted(gid, stamp);
        sqlRun(db_, QStringLiteral("DELETE FROM SyncLog WHERE Gid = ?"), {gid});
        sqlRun(db_, QStringLiteral("INSERT OR IGNORE INTO SyncGone (Gid) VALUES (?)"), {gid});
        if (!row.value(1).isNull())
            weighed_.insert(row.value(1).toString());
        log_.push_back({{QStringLiteral("U"), gid}});
    }

    // A reply counted in its card's shared weights cannot be taken out of them by working them
    // out again: the card's weights as the undo left them become its new shared weights.
    void rebaseIfCounted(const QString& replyGid, const QString& stamp) {
        data::Statement& q = sqlRun(
            db_,
            QStringLiteral("SELECT SyncCard.Gid FROM SyncLog JOIN SyncCard ON SyncCard.Gid = "
                           "SyncLog.CardGid WHERE SyncLog.Gid = ? AND SyncLog.At <= "
                           "SyncCard.BaseAt"),
            {replyGid});
        if (!q.next())
            return;
        std::optional<CardState> c = loadCard(db_, q.value(0).toString());
        if (!c || c->cardId.isNull() || !c->cardId.isValid())
            return;
        data::Statement& w = sqlRun(
            db_, QStringLiteral("SELECT Rating, Correct, Incorrect FROM Card WHERE Card_ID = ?"),
            {c->cardId});
        if (!w.next())
            return;
        c->rating = weightText(w.value(0));
        c->correct = weightText(w.value(1));
        c->incorrect = weightText(w.value(2));
        w.finish();
        readReverseBase(db_, c->cardId, *c);
        c->baseAt = stamp;
        saveCard(db_, *c);
        cards_[c->gid] |= kBase;
    }

    // A cleaning names, per machine, the newest of its replies it took: every machine takes
    // those and the ones before them, and keeps any given after.
    void cleaning(const QString& stamp) {
        ChangeEvent e{{QStringLiteral("X"), stamp}};
        data::Statement& q = sqlRun(
            db_, QStringLiteral("SELECT substr(At, 17), max(At) FROM SyncLog WHERE RecID IS NOT "
                                "NULL AND RecID NOT IN (SELECT RecID FROM Log) GROUP BY 1"));
        while (q.next()) {
            e.fields << q.value(0).toString() << q.value(1).toString();
            noteCleaned(db_, q.value(0).toString(), q.value(1).toString());
        }
        // The replies stay known for the weights; they only leave the log.
        sqlRun(db_, QStringLiteral("UPDATE SyncLog SET RecID = NULL WHERE RecID IS NOT NULL "
                                   "AND RecID NOT IN (SELECT RecID FROM Log)"));
        log_.push_back(e);
    }

    void setBaseAt(const QString& baseAt) { baseAt_ = baseAt; }

    // Only the fields changed here travel (the others with no stamp), so a value another
    // machine has since replaced is not sent again to lose a second time.
    std::vector<ChangeEvent> events() const {
        std::vector<ChangeEvent> out;
        for (auto it = sets_.begin(); it != sets_.end(); ++it)
            if (std::optional<SetState> s = loadSet(db_, it.key())) {
                keepOnly(*s, it.value());
                out.push_back(setEvent(*s));
            }
        for (auto it = cards_.begin(); it != cards_.end(); ++it)
            if (std::optional<CardState> c = loadCard(db_, it.key())) {
                keepOnly(*c, it.value());
                out.push_back(cardEvent(*c));
            }
        for (const MemberState& m : members_)
            if (const std::optional<MemberState> now = loadMember(db_, m.setGid, m.cardGid))
                out.push_back(memberEvent(*now));
        out.insert(out.end(), log_.begin(), log_.end());
        return out;
    }

  private:
    QSqlDatabase db_;
    QSet<QString>& weighed_;
    QString baseAt_;
    // A set's changed fields; a card's are 1 << its field's number (0 to 5), then its base.
    static constexpr int kName = 1, kFlag = 2, kDeleted = 4, kDirection = 8, kBase = 64, kAll = 127;
    QMap<QString, int> sets_, cards_;

    static void blank(QString& value, QString& at) {
        value = QString();
        at = QStringLiteral("");
    }
    // Blanks the fields of a set or card that did not change here (`changed`: their bits).
    static void keepOnly(SetState& s, int changed) {
        if (!(changed & kName))
            blank(s.name, s.nameAt);
        if (!(changed & kFlag))
            blank(s.flag, s.flagAt);
        if (!(changed & kDeleted))
            blank(s.deletedAt, s.deletedAt);
        if (!(changed & kDirection))
            blank(s.direction, s.directionAt);
    }
    static void keepOnly(CardState& c, int changed) {
        if (!(changed & 1))
            blank(c.question, c.qAt);
        if (!(changed & 2))
            blank(c.answer, c.aAt);
        if (!(changed & 4))
            blank(c.options, c.oAt);
        if (!(changed & 8))
            blank(c.answers, c.lAt);
        if (!(changed & 16))
            blank(c.picture, c.pAt);
        if (!(changed & 32))
            blank(c.sound, c.sAt);
        if (!(changed & kBase)) {
            blank(c.rating, c.baseAt);
            c.correct = c.incorrect = c.rRating = c.rCorrect = c.rIncorrect = QString();
        }
    }
    std::vector<MemberState> members_;
    std::vector<ChangeEvent> log_;
};

// Notes the changed sets, ties and cards with the stamps of their changed fields.
void collectRows(const std::vector<Noted>& noted, Collector& collect) {
    QMap<qint64, Stamps> sets, cards;
    QMap<QPair<qint64, qint64>, QString> ties;
    static const QString setKinds = QStringLiteral("NFD"), cardKinds = QStringLiteral("QWOAPR");
    for (const Noted& n : noted) {
        if (n.kind == QLatin1String("S") || setKinds.contains(n.kind))
            sets[n.a].note(static_cast<int>(setKinds.indexOf(n.kind)), n.stamp);
        else if (n.kind == QLatin1String("C") || cardKinds.contains(n.kind)) {
            cards[n.a].note(static_cast<int>(cardKinds.indexOf(n.kind)), n.stamp);
            if (n.kind == QLatin1String("A") && n.b != 0 && n.b != n.a)
                cards[n.b].note(3, n.stamp); // an answer moved to another card
        } else if (n.kind == QLatin1String("M"))
            ties[{n.a, n.b}] = n.stamp;
    }
    for (auto it = sets.begin(); it != sets.end(); ++it)
        collect.set(it.key(), it.value());
    for (auto it = ties.begin(); it != ties.end(); ++it)
        collect.member(it.key().first, it.key().second, it.value());
    for (auto it = cards.begin(); it != cards.end(); ++it)
        collect.card(it.key(), it.value());
}

} // namespace

std::vector<ChangeEvent> collectChanges(const QSqlDatabase& db, Hlc& clock,
                                        QSet<QString>& weighed) {
    std::vector<Noted> noted;
    data::Statement& q =
        sqlRun(db, QStringLiteral("SELECT Kind, A, B, Ms FROM SyncOutbox ORDER BY Seq"));
    while (q.next())
        noted.push_back({q.value(0).toString(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                         clock.next(q.value(3).toLongLong() + clockShift())});
    if (noted.empty())
        return {};
    Collector collect(db, weighed);
    collect.setBaseAt(clock.next(wallClockMs()));
    // Sets first, then ties (a card that left its last set is still known by its id), then
    // cards; the log in the order it was written.
    collectRows(noted, collect);
    for (const Noted& n : noted) {
        // A reply taken back before it was sent left weights that may not count what came
        // from other machines meanwhile: its card's weights are worked out again too.
        if ((n.kind == QLatin1String("L") || n.kind == QLatin1String("U")) && n.b != 0)
            if (const std::optional<CardState> c = loadCardByLocal(db, n.b))
                weighed.insert(c->gid);
        if (n.kind == QLatin1String("L"))
            collect.reply(n.a, n.stamp);
        else if (n.kind == QLatin1String("U"))
            collect.undo(n.a, n.stamp);
        else if (n.kind == QLatin1String("X"))
            collect.cleaning(n.stamp);
    }
    sqlRun(db, QStringLiteral("DELETE FROM SyncOutbox"));
    return collect.events();
}

} // namespace syncing
