// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Apply.h"

#include "data/Sql.h"
#include "sync/Shadow.h"

#include <QHash>
#include <QSqlQuery>
#include <algorithm>

namespace syncing {
namespace {

bool isId(const QString& s) {
    return s.size() == 32;
}

class Applier {
  public:
    Applier(const QSqlDatabase& db, Hlc& clock, Touched& touched)
        : db_(db), clock_(clock), touched_(touched) {}

    ApplyCounts counts;

    void apply(const ChangeEvent& e) {
        const QString kind = e.kind();
        if (kind == QLatin1String("S"))
            set(e);
        else if (kind == QLatin1String("C"))
            card(e);
        else if (kind == QLatin1String("M"))
            member(e);
        else if (kind == QLatin1String("L"))
            reply(e);
        else if (kind == QLatin1String("U") && e.fields.size() == 2 && isId(e.at(1)))
            undo(e.at(1));
        else if (kind == QLatin1String("X") && e.fields.size() % 2 == 0 && !e.at(1).isEmpty())
            cleaning(e);
        else
            throw BadChange(QStringLiteral("a change of an unknown kind"));
    }

  private:
    QSqlDatabase db_;
    Hlc& clock_;
    Touched& touched_;

    void see(const QString& stamp) {
        if (!stamp.isEmpty())
            clock_.observe(stamp);
    }

    void lost(const QString& kind, const QString& gid, const QString& field, const QString& text,
              const QString& at, const QString& won, const QString& wonAt) {
        // Two changes by one machine follow each other; only changes from two machines clash.
        if (text == won || text.isEmpty() || replicaOf(at) == replicaOf(wonAt))
            return;
        const bool known =
            sqlValue(db_,
                     QStringLiteral("SELECT 1 FROM SyncConflict WHERE Gid = ? AND Field = ? "
                                    "AND LostAt = ?"),
                     {gid, field, at})
                .isValid();
        if (known)
            return;
        sqlRun(db_,
               QStringLiteral("INSERT INTO SyncConflict (Kind, Gid, Field, Lost, LostAt, Won, "
                              "WonAt, RecordedAt) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
               {kind, gid, field, text, at, won, wonAt, nowText()});
        ++counts.conflicts;
    }

    // The later of two values of a field; the other one, a text, is kept when it differs.
    void merge(const QString& kind, const QString& gid, const QString& field, QString& value,
               QString& at, const QString& theirs, const QString& theirsAt, bool keepLoser) {
        see(theirsAt);
        if (theirsAt == at)
            return;
        if (theirsAt > at) {
            if (keepLoser && !at.isEmpty())
                lost(kind, gid, field, value, at, theirs, theirsAt);
            value = theirs;
            at = theirsAt;
        } else if (keepLoser && !theirsAt.isEmpty()) {
            lost(kind, gid, field, theirs, theirsAt, value, at);
        }
    }

    void mergeSet(SetState& into, const SetState& from) {
        merge(QStringLiteral("set"), into.gid, QStringLiteral("SetName"), into.name, into.nameAt,
              from.name, from.nameAt, true);
        merge(QStringLiteral("set"), into.gid, QStringLiteral("IncludeInDeamons"), into.flag,
              into.flagAt, from.flag, from.flagAt, false);
        merge(QStringLiteral("set"), into.gid, QStringLiteral("Direction"), into.direction,
              into.directionAt, from.direction, from.directionAt, false);
        see(from.deletedAt);
        see(from.createdAt);
        into.deletedAt = std::max(into.deletedAt, from.deletedAt);
    }

    // Joins the set `from` (a gid made under the same name elsewhere) into `into`: fields,
    // ties and the local rows.
    void join(const QString& from, const QString& into) {
        std::optional<SetState> loser = loadSet(db_, from);
        std::optional<SetState> winner = loadSet(db_, into);
        if (!loser || !winner)
            return;
        if (loser->canon == loser->gid) {
            mergeSet(*winner, *loser);
            ++counts.joinedSets;
            if (loser->setId.isValid() && !loser->setId.isNull()) {
                if (winner->setId.isValid() && !winner->setId.isNull() &&
                    winner->setId != loser->setId) {
                    // Two sets of this file are now one: the cards of the one go to the other.
                    sqlRun(db_,
                           QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) "
                                          "SELECT DISTINCT ?, Card_ID FROM Set_Card_rel "
                                          "WHERE Set_ID = ? AND Card_ID NOT IN (SELECT "
                                          "Card_ID FROM Set_Card_rel WHERE Set_ID = ?)"),
                           {winner->setId, loser->setId, winner->setId});
                    sqlRun(db_, QStringLiteral("DELETE FROM Set1 WHERE Set_ID = ?"),
                           {loser->setId});
                } else {
                    // This file's set now stands for the winner: the cards tied to the winner
                    // alone, which waited for a set here, come into it.
                    winner->setId = loser->setId;
                    data::Statement& cards = sqlRun(
                        db_, QStringLiteral("SELECT CardGid FROM SyncMember WHERE SetGid = ?"),
                        {into});
                    while (cards.next())
                        touched_.cards.insert(cards.value(0).toString());
                }
            }
        }
        loser->canon = into;
        loser->setId = QVariant();
        saveSet(db_, *loser);
        saveSet(db_, *winner);
        // Its ties, whoever sent them, now belong to the set it joined.
        data::Statement& ties = sqlRun(
            db_, QStringLiteral("SELECT CardGid, AddAt, DelAt FROM SyncMember WHERE SetGid = ?"),
            {from});
        std::vector<MemberState> moved;
        while (ties.next())
            moved.push_back({from, ties.value(0).toString(), ties.value(1).toString(),
                             ties.value(2).toString()});
        sqlRun(db_, QStringLiteral("DELETE FROM SyncMember WHERE SetGid = ?"), {from});
        for (const MemberState& m : moved)
            mergeMember(into, m);
        sqlRun(db_, QStringLiteral("UPDATE SyncSet SET Canon = ? WHERE Canon = ?"), {into, from});
        touched_.sets.insert(into);
    }

    void set(const ChangeEvent& e) {
        std::optional<SetState> theirs = setFromEvent(e);
        if (!theirs)
            throw BadChange(QStringLiteral("a set change that does not fit"));
        see(theirs->createdAt);
        std::optional<SetState> known = loadSet(db_, theirs->gid);
        if (!known) {
            SetState fresh = *theirs;
            fresh.nameAt = fresh.flagAt = fresh.deletedAt = fresh.directionAt = QStringLiteral("");
            fresh.name = fresh.flag = fresh.direction = QString();
            saveSet(db_, fresh);
            joinSameName(fresh);
            known = loadSet(db_, theirs->gid);
        }
        std::optional<SetState> target = loadSet(db_, known->canon);
        if (!target)
            throw BadChange(QStringLiteral("a set joined into one that is not known"));
        mergeSet(*target, *theirs);
        saveSet(db_, *target);
        touched_.sets.insert(target->gid);
    }

    // Sets made under one name on machines that did not know of each other are one set: the
    // one made first (then the lower id) stands for all, on every machine alike.
    void joinSameName(const SetState& fresh) {
        if (fresh.createdName.isEmpty())
            return;
        data::Statement& q = sqlRun(
            db_,
            QStringLiteral("SELECT Gid, CreatedAt FROM SyncSet WHERE CreatedName = ? COLLATE "
                           "NOCASE AND Gid = Canon ORDER BY CreatedAt, Gid"),
            {fresh.createdName});
        std::vector<QString> group;
        while (q.next())
            group.push_back(q.value(0).toString());
        if (group.size() < 2)
            return;
        for (size_t i = 1; i < group.size(); ++i)
            join(group[i], group[0]);
    }

    void mergeMember(const QString& setGid, const MemberState& theirs) {
        see(theirs.addAt);
        see(theirs.delAt);
        MemberState m = loadMember(db_, setGid, theirs.cardGid)
                            .value_or(MemberState{setGid, theirs.cardGid, QStringLiteral(""),
                                                  QStringLiteral("")});
        m.addAt = std::max(m.addAt, theirs.addAt);
        m.delAt = std::max(m.delAt, theirs.delAt);
        saveMember(db_, m);
        touched_.cards.insert(theirs.cardGid);
    }

    void mergeCard(CardState& c, const CardState& theirs) {
        const QString card = QStringLiteral("card");
        merge(card, c.gid, QStringLiteral("Question"), c.question, c.qAt, theirs.question,
              theirs.qAt, true);
        merge(card, c.gid, QStringLiteral("Answer"), c.answer, c.aAt, theirs.answer, theirs.aAt,
              true);
        merge(card, c.gid, QStringLiteral("Options"), c.options, c.oAt, theirs.options, theirs.oAt,
              false);
        merge(card, c.gid, QStringLiteral("Answers"), c.answers, c.lAt, theirs.answers, theirs.lAt,
              true);
        merge(card, c.gid, QStringLiteral("Picture"), c.picture, c.pAt, theirs.picture, theirs.pAt,
              false);
        merge(card, c.gid, QStringLiteral("Sound"), c.sound, c.sAt, theirs.sound, theirs.sAt,
              false);
        see(theirs.baseAt);
        if (theirs.baseAt > c.baseAt) {
            c.rating = theirs.rating;
            c.correct = theirs.correct;
            c.incorrect = theirs.incorrect;
            c.rRating = theirs.rRating;
            c.rCorrect = theirs.rCorrect;
            c.rIncorrect = theirs.rIncorrect;
            c.baseAt = theirs.baseAt;
        }
    }

    void card(const ChangeEvent& e) {
        const std::optional<CardState> theirs = cardFromEvent(e);
        if (!theirs)
            throw BadChange(QStringLiteral("a card change that does not fit"));
        std::optional<CardState> known = loadCard(db_, canonicalCard(db_, theirs->gid));
        if (!known) {
            CardState fresh = *theirs;
            for (const QString& at : {theirs->qAt, theirs->aAt, theirs->oAt, theirs->lAt,
                                      theirs->pAt, theirs->sAt, theirs->baseAt})
                see(at);
            saveCard(db_, fresh);
            if (!fresh.joinKey.isEmpty())
                joinSameText(fresh.joinKey);
        } else {
            mergeCard(*known, *theirs);
            saveCard(db_, *known);
        }
        const QString gid = canonicalCard(db_, theirs->gid);
        touched_.cards.insert(gid);
        touched_.weighed.insert(gid);
    }

    // Cards two machines held when they first synced, of the same text in sets of the same
    // name, are one card: the lowest id stands for them on every machine.
    void joinSameText(const QString& key) {
        data::Statement& q = sqlRun(
            db_,
            QStringLiteral("SELECT Gid FROM SyncCard WHERE JoinKey = ? AND Canon IS NULL ORDER BY "
                           "Gid"),
            {key});
        std::vector<QString> group;
        while (q.next())
            group.push_back(q.value(0).toString());
        for (size_t i = 1; i < group.size(); ++i)
            joinCard(group[i], group[0]);
    }

    void joinCard(const QString& from, const QString& into) {
        std::optional<CardState> loser = loadCard(db_, from);
        std::optional<CardState> winner = loadCard(db_, into);
        if (!loser || !winner)
            return;
        mergeCard(*winner, *loser);
        const bool loserHere = loser->cardId.isValid() && !loser->cardId.isNull();
        const bool winnerHere = winner->cardId.isValid() && !winner->cardId.isNull();
        if (loserHere && winnerHere && loser->cardId != winner->cardId) {
            // Two cards of this file are one now: the sets and replies of the one go to the other.
            sqlRun(db_,
                   QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) SELECT DISTINCT "
                                  "Set_ID, ? FROM Set_Card_rel WHERE Card_ID = ? AND Set_ID "
                                  "NOT IN (SELECT Set_ID FROM Set_Card_rel WHERE Card_ID = "
                                  "?)"),
                   {winner->cardId, loser->cardId, winner->cardId});
            sqlRun(db_, QStringLiteral("UPDATE Log SET CardID = ? WHERE CardID = ?"),
                   {winner->cardId, loser->cardId});
            sqlRun(db_, QStringLiteral("DELETE FROM Set_Card_rel WHERE Card_ID = ?"),
                   {loser->cardId});
            sqlRun(db_, QStringLiteral("DELETE FROM MultipleAnswers WHERE Card_ID = ?"),
                   {loser->cardId});
            sqlRun(db_, QStringLiteral("DELETE FROM Card WHERE Card_ID = ?"), {loser->cardId});
        } else if (loserHere) {
            winner->cardId = loser->cardId;
        }
        loser->canon = into;
        loser->cardId = QVariant();
        saveCard(db_, *loser);
        saveCard(db_, *winner);
        data::Statement& ties = sqlRun(
            db_, QStringLiteral("SELECT SetGid, AddAt, DelAt FROM SyncMember WHERE CardGid = ?"),
            {from});
        std::vector<MemberState> moved;
        while (ties.next())
            moved.push_back({ties.value(0).toString(), into, ties.value(1).toString(),
                             ties.value(2).toString()});
        sqlRun(db_, QStringLiteral("DELETE FROM SyncMember WHERE CardGid = ?"), {from});
        for (const MemberState& m : moved)
            mergeMember(m.setGid, m);
        sqlRun(db_, QStringLiteral("UPDATE SyncLog SET CardGid = ? WHERE CardGid = ?"),
               {into, from});
        sqlRun(db_, QStringLiteral("UPDATE SyncCard SET Canon = ? WHERE Canon = ?"), {into, from});
        touched_.cards.insert(into);
        touched_.weighed.insert(into);
        ++counts.joinedCards;
    }

    void member(const ChangeEvent& e) {
        const std::optional<MemberState> theirs = memberFromEvent(e);
        if (!theirs)
            throw BadChange(QStringLiteral("a tie between a set and a card that does not fit"));
        MemberState m = *theirs;
        m.cardGid = canonicalCard(db_, m.cardGid);
        mergeMember(canonicalSet(db_, m.setGid), m);
    }

    void reply(const ChangeEvent& e) {
        // A machine whose program knew no directions sends a reply without one: question first.
        if ((e.fields.size() != 8 && e.fields.size() != 9) || !isId(e.at(1)) || e.at(7).isEmpty() ||
            !isKnownDirection(e.at(8)))
            throw BadChange(QStringLiteral("a reply that does not fit"));
        const QString gid = e.at(1), at = e.at(7);
        const QVariant direction =
            isReverseReply(e.at(8)) ? QVariant(e.at(8)) : QVariant(QMetaType(QMetaType::QString));
        const auto [cardGid, cardId, baseAt] = cardOfReply(e.at(2));
        see(at);
        const bool known = sqlValue(db_,
                                    QStringLiteral("SELECT 1 FROM SyncLog WHERE Gid = ? UNION ALL "
                                                   "SELECT 1 FROM SyncGone WHERE Gid = ?"),
                                    {gid, gid})
                               .isValid();
        if (known)
            return;
        QVariant recId;
        // A reply some machine had when it cleaned its log counts for the weights but stays
        // out of the log.
        if (at > cleanedUpTo(replicaOf(at))) {
            recId = sqlRun(db_,
                           QStringLiteral("INSERT INTO Log (\"Date\", SetName, CardID, "
                                          "Result, JudgedBy, Direction) VALUES (?, ?, ?, ?, ?, ?)"),
                           {e.at(3), e.at(4), cardId, e.at(5), e.at(6), direction})
                        .lastInsertId();
        }
        sqlRun(
            db_,
            QStringLiteral("INSERT INTO SyncLog (Gid, RecID, CardGid, Day, Result, At, Direction) "
                           "VALUES (?, ?, ?, substr(?, 1, 10), ?, ?, ?)"),
            {gid, recId, cardGid.isEmpty() ? QVariant() : QVariant(cardGid), e.at(3), e.at(5), at,
             direction});
        // A reply stamped before the weights the card came with is in them already.
        if (!cardGid.isEmpty() && at > baseAt)
            touched_.weighed.insert(cardGid);
    }

    // The card a reply is for (the one it was joined into), its row here if any, and the
    // stamp of the weights it came with.
    struct ReplyCard {
        QString gid;
        QVariant cardId;
        QString baseAt;
    };
    ReplyCard cardOfReply(const QString& gid) {
        if (gid.isEmpty())
            return {gid, QVariant(), QString()};
        data::Statement& q =
            sqlRun(db_,
                   QStringLiteral("SELECT c.Gid, c.Card_ID, c.BaseAt FROM SyncCard s JOIN "
                                  "SyncCard c ON c.Gid = coalesce(s.Canon, s.Gid) WHERE s.Gid = ?"),
                   {gid});
        ReplyCard found{gid, QVariant(), QString()};
        if (q.next())
            found = {q.value(0).toString(), q.value(1), q.value(2).toString()};
        q.finish();
        return found;
    }

    // How far each machine's replies were cleaned from the log; asked once per file.
    QHash<QString, QString> cleaned_;
    QString cleanedUpTo(const QString& replica) {
        auto it = cleaned_.find(replica);
        if (it == cleaned_.end())
            it = cleaned_.insert(
                replica,
                sqlValue(db_, QStringLiteral("SELECT UpTo FROM SyncCleaned WHERE Replica = ?"),
                         {replica})
                    .toString());
        return it.value();
    }

    void undo(const QString& gid) {
        data::Statement& row =
            sqlRun(db_, QStringLiteral("SELECT RecID, CardGid FROM SyncLog WHERE Gid = ?"), {gid});
        if (row.next()) {
            if (!row.value(0).isNull())
                sqlRun(db_, QStringLiteral("DELETE FROM Log WHERE RecID = ?"), {row.value(0)});
            if (!row.value(1).isNull())
                touched_.weighed.insert(row.value(1).toString());
            sqlRun(db_, QStringLiteral("DELETE FROM SyncLog WHERE Gid = ?"), {gid});
        }
        sqlRun(db_, QStringLiteral("INSERT OR IGNORE INTO SyncGone (Gid) VALUES (?)"), {gid});
    }

    void cleaning(const ChangeEvent& e) {
        see(e.at(1));
        for (int i = 2; i + 1 < e.fields.size(); i += 2) {
            const QString replica = e.at(i), upTo = e.at(i + 1);
            if (upTo.isEmpty())
                throw BadChange(QStringLiteral("a cleaning that does not fit"));
            noteCleaned(db_, replica, upTo);
            cleaned_.remove(replica);
            const QString taken = QStringLiteral("WHERE substr(At, 17) = ? AND At <= ? AND RecID "
                                                 "IS NOT NULL");
            sqlRun(db_,
                   QStringLiteral("DELETE FROM Log WHERE RecID IN (SELECT RecID FROM SyncLog "
                                  "%1)")
                       .arg(taken),
                   {replica, upTo});
            sqlRun(db_, QStringLiteral("UPDATE SyncLog SET RecID = NULL %1").arg(taken),
                   {replica, upTo});
        }
    }
};

} // namespace

ApplyCounts applyChanges(const QSqlDatabase& db, Hlc& clock, const std::vector<ChangeEvent>& events,
                         Touched& touched) {
    Applier applier(db, clock, touched);
    for (const ChangeEvent& e : events)
        applier.apply(e);
    return applier.counts;
}

} // namespace syncing
