// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Reconcile.h"

#include "data/Sql.h"
#include "learn/rules/Scoring.h"
#include "sync/Hlc.h"
#include "sync/SetNames.h"
#include "sync/Shadow.h"

#include <QSqlQuery>
#include <algorithm>

namespace syncing {
namespace {

bool hasRow(const QSqlDatabase& db, const QString& sql, const QVariantList& binds) {
    return sqlValue(db, sql, binds).isValid();
}

bool localSet(const QSqlDatabase& db, const SetState& s) {
    return !s.setId.isNull() && s.setId.isValid() &&
           hasRow(db, QStringLiteral("SELECT 1 FROM Set1 WHERE Set_ID = ?"), {s.setId});
}

bool localCard(const QSqlDatabase& db, const CardState& c) {
    return !c.cardId.isNull() && c.cardId.isValid() &&
           hasRow(db, QStringLiteral("SELECT 1 FROM Card WHERE Card_ID = ?"), {c.cardId});
}

class Reconciler {
  public:
    Reconciler(const QSqlDatabase& db, Touched& touched) : db_(db), touched_(touched) {}

    void set(const QString& gid) {
        std::optional<SetState> s = loadSet(db_, gid);
        if (!s || s->canon != s->gid)
            return;
        const bool here = localSet(db_, *s);
        if (!s->alive()) {
            // A card is wanted back by the sets it left last among the living ones: with
            // this one gone, each of its cards, here or not, is looked at again.
            touchMembers(s->gid);
            if (here) {
                data::Statement& cards = sqlRun(
                    db_,
                    QStringLiteral("SELECT Gid FROM SyncCard WHERE Card_ID IN (SELECT Card_ID "
                                   "FROM Set_Card_rel WHERE Set_ID = ?)"),
                    {s->setId});
                while (cards.next())
                    touched_.cards.insert(cards.value(0).toString());
                sqlRun(db_, QStringLiteral("DELETE FROM Set1 WHERE Set_ID = ?"), {s->setId});
            }
            s->setId = QVariant();
            saveSet(db_, *s);
            return;
        }
        const int flag = s->flag.isNull() ? 1 : s->flag.toInt();
        // No machine has turned the set round while no direction is known.
        const int direction = s->direction.isNull() ? 0 : s->direction.toInt();
        if (!here) {
            s->setId = sqlRun(db_,
                              QStringLiteral("INSERT INTO Set1 (SetName, IncludeInDeamons, "
                                             "Direction) VALUES (?, ?, ?)"),
                              {QStringLiteral("\x01"), flag, direction})
                           .lastInsertId();
            saveSet(db_, *s);
            touchMembers(s->gid);
        }
        sqlRun(db_,
               QStringLiteral("UPDATE Set1 SET IncludeInDeamons = ? WHERE Set_ID = ? AND "
                              "IncludeInDeamons IS NOT ?"),
               {flag, s->setId, flag});
        sqlRun(db_,
               QStringLiteral("UPDATE Set1 SET Direction = ? WHERE Set_ID = ? AND Direction IS "
                              "NOT ?"),
               {direction, s->setId, direction});
    }

    void card(const QString& gid) {
        std::optional<CardState> c = loadCard(db_, gid);
        if (!c || !c->canon.isEmpty())
            return;
        struct Tie {
            MemberState m;
            QVariant setId;
        };
        std::vector<Tie> ties;
        data::Statement& q = sqlRun(
            db_,
            QStringLiteral("SELECT m.SetGid, m.AddAt, m.DelAt FROM SyncMember m WHERE m.CardGid "
                           "= ?"),
            {gid});
        while (q.next()) {
            const std::optional<SetState> s = loadSet(db_, q.value(0).toString());
            if (s && s->canon == s->gid && s->alive() && localSet(db_, *s))
                ties.push_back(
                    {{s->gid, gid, q.value(1).toString(), q.value(2).toString()}, s->setId});
        }
        std::vector<bool> held;
        held.reserve(ties.size());
        for (const Tie& t : ties)
            held.push_back(t.m.held());
        // A card that left every set, then was changed on another machine after that, comes
        // back into the sets it left last.
        if (!ties.empty() && std::none_of(held.begin(), held.end(), [](bool h) { return h; })) {
            QString lastRemoval;
            for (const Tie& t : ties)
                lastRemoval = std::max(lastRemoval, t.m.delAt);
            if (c->lastEdit() > lastRemoval) {
                for (size_t i = 0; i < ties.size(); ++i)
                    held[i] = ties[i].m.delAt == lastRemoval;
            }
        }
        const bool wanted = std::any_of(held.begin(), held.end(), [](bool h) { return h; });
        const bool here = localCard(db_, *c);
        if (wanted && !here)
            create(*c);
        else if (wanted)
            update(*c);
        if (wanted) {
            for (size_t i = 0; i < ties.size(); ++i)
                tie(ties[i].setId, c->cardId, held[i]);
            return;
        }
        if (!here)
            return;
        for (const Tie& t : ties)
            tie(t.setId, c->cardId, false);
        if (!hasRow(db_, QStringLiteral("SELECT 1 FROM Set_Card_rel WHERE Card_ID = ?"),
                    {c->cardId})) {
            sqlRun(db_, QStringLiteral("DELETE FROM MultipleAnswers WHERE Card_ID = ?"),
                   {c->cardId});
            sqlRun(db_, QStringLiteral("DELETE FROM Card WHERE Card_ID = ?"), {c->cardId});
            c->cardId = QVariant();
            saveCard(db_, *c);
        }
    }

  private:
    QSqlDatabase db_;
    Touched& touched_;

    void touchMembers(const QString& setGid) {
        data::Statement& cards = sqlRun(
            db_, QStringLiteral("SELECT CardGid FROM SyncMember WHERE SetGid = ?"), {setGid});
        while (cards.next())
            touched_.cards.insert(cards.value(0).toString());
    }

    static QVariant option(const QString& options, int i) {
        const QString part = options.section(QLatin1Char(','), i, i);
        return part.isEmpty() ? QVariant(0) : QVariant(part.toInt());
    }

    void create(CardState& c) {
        c.cardId =
            sqlRun(db_,
                   QStringLiteral("INSERT INTO Card (Question, Answer, ShowOrder, "
                                  "DisplayQuestionNumber, Rating, Correct, Incorrect) VALUES "
                                  "(?, ?, ?, ?, ?, ?, ?)"),
                   {c.question, c.answer, option(c.options, 0), option(c.options, 1),
                    weightValue(c.rating), weightValue(c.correct), weightValue(c.incorrect)})
                .lastInsertId();
        sqlRun(db_, QStringLiteral("UPDATE Card SET \"Order\" = Card_ID WHERE Card_ID = ?"),
               {c.cardId});
        writeAnswers(db_, c.cardId, c.answers);
        if (!c.picture.isEmpty() || !c.sound.isEmpty())
            placeMedia(c);
        saveCard(db_, c);
        // Replies that came before their card point at it now.
        sqlRun(db_,
               QStringLiteral("UPDATE Log SET CardID = ? WHERE RecID IN (SELECT RecID FROM "
                              "SyncLog WHERE CardGid = ? AND RecID IS NOT NULL)"),
               {c.cardId, c.gid});
        touched_.weighed.insert(c.gid);
    }

    void update(const CardState& c) {
        sqlRun(db_,
               QStringLiteral("UPDATE Card SET Question = ?, Answer = ? WHERE Card_ID = ? AND "
                              "(Question IS NOT ? OR Answer IS NOT ?)"),
               {c.question, c.answer, c.cardId, c.question, c.answer});
        sqlRun(db_,
               QStringLiteral("UPDATE Card SET ShowOrder = ?, DisplayQuestionNumber = ? "
                              "WHERE Card_ID = ? AND (ShowOrder IS NOT ? OR "
                              "DisplayQuestionNumber IS NOT ?)"),
               {option(c.options, 0), option(c.options, 1), c.cardId, option(c.options, 0),
                option(c.options, 1)});
        if (answersText(db_, c.cardId.toLongLong()) != c.answers)
            writeAnswers(db_, c.cardId, c.answers);
        placeMedia(c);
    }

    // A picture or sound whose bytes the folder has not brought yet leaves the card as it is;
    // it is named once they are here (bringInMedia).
    void placeMedia(const CardState& c) {
        const auto ready = [&](const QString& hash) {
            return hash.isEmpty() ||
                   hasRow(db_, QStringLiteral("SELECT 1 FROM Media WHERE Hash = ?"), {hash});
        };
        const auto value = [](const QString& hash) {
            return hash.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(hash);
        };
        const bool picture = ready(c.picture);
        const bool sound = ready(c.sound);
        if (!picture && !sound)
            return;
        sqlRun(db_,
               QStringLiteral("UPDATE Card SET Picture = CASE WHEN ?1 THEN ?2 ELSE Picture END, "
                              "Sound = CASE WHEN ?3 THEN ?4 ELSE Sound END WHERE Card_ID = ?5 "
                              "AND ((?1 AND Picture IS NOT ?2) OR (?3 AND Sound IS NOT ?4))"),
               {picture, value(c.picture), sound, value(c.sound), c.cardId});
    }

    void tie(const QVariant& setId, const QVariant& cardId, bool held) {
        const bool has = hasRow(
            db_, QStringLiteral("SELECT 1 FROM Set_Card_rel WHERE Set_ID = ? AND Card_ID = ?"),
            {setId, cardId});
        if (held && !has)
            sqlRun(db_, QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)"),
                   {setId, cardId});
        else if (!held && has)
            sqlRun(db_, QStringLiteral("DELETE FROM Set_Card_rel WHERE Set_ID = ? AND Card_ID = ?"),
                   {setId, cardId});
    }
};

bool sameWeight(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return weightText(a) == weightText(b);
}

struct Weights {
    QVariant rating, correct, incorrect;
    bool operator==(const Weights& o) const {
        return sameWeight(rating, o.rating) && sameWeight(correct, o.correct) &&
               sameWeight(incorrect, o.incorrect);
    }
    // Counts one reply by the scoring rules; unscored weights stay as they are.
    void count(bool correctReply) {
        if (const std::optional<learn::CardScore> score =
                learn::scoreAfterReply(correct, incorrect, correctReply))
            *this = {score->rating, score->correct, score->incorrect};
    }
};

// Three weights of a row from `first` on: as the file holds them, or as the shadow's texts.
Weights stored(const data::Statement& q, int first) {
    return {q.value(first), q.value(first + 1), q.value(first + 2)};
}
Weights shared(const data::Statement& q, int first) {
    const auto weight = [&](int column) {
        const QVariant v = q.value(column);
        return weightValue(v.isNull() ? QString() : v.toString());
    };
    return {weight(first), weight(first + 1), weight(first + 2)};
}

} // namespace

void reweigh(const QSqlDatabase& db, const QString& cardGid) {
    // The weights at the base both ways and the ones the card holds now, in one reading.
    data::Statement& card = sqlRun(
        db,
        QStringLiteral("SELECT s.Card_ID, s.BaseAt, s.Rating, s.Correct, s.Incorrect, s.RRating, "
                       "s.RCorrect, s.RIncorrect, c.Rating, c.Correct, c.Incorrect, r.Card_ID, "
                       "r.Rating, r.Correct, r.Incorrect FROM SyncCard s JOIN Card c ON "
                       "c.Card_ID = s.Card_ID LEFT JOIN CardReverse r ON r.Card_ID = s.Card_ID "
                       "WHERE s.Gid = ?"),
        {cardGid});
    if (!card.next())
        return;
    const QVariant cardId = card.value(0);
    const QString baseAt = card.value(1).toString();
    Weights forward = shared(card, 2);
    // A card first asked answer first after its base starts from nothing that way.
    bool askedReverse =
        !card.value(5).isNull() || !card.value(6).isNull() || !card.value(7).isNull();
    Weights reverse = askedReverse ? shared(card, 5) : Weights{0.0, 0.0, 0.0};
    const Weights forwardNow = stored(card, 8);
    const bool hasReverseRow = !card.value(11).isNull();
    const Weights reverseNow = stored(card, 12);
    card.finish();
    data::Statement& replies = sqlRun(db,
                                      QStringLiteral("SELECT Result, Direction FROM SyncLog WHERE "
                                                     "CardGid = ? AND At > ? ORDER BY Day, At"),
                                      {cardGid, baseAt});
    while (replies.next()) {
        const bool correct = replies.value(0).toString() == QLatin1String("Correct");
        if (isReverseReply(replies.value(1).toString())) {
            askedReverse = true;
            reverse.count(correct);
        } else {
            forward.count(correct);
        }
    }
    if (!(forward == forwardNow))
        sqlRun(db,
               QStringLiteral("UPDATE Card SET Rating = ?, Correct = ?, Incorrect = ? WHERE "
                              "Card_ID = ?"),
               {forward.rating, forward.correct, forward.incorrect, cardId});
    // A card never asked answer first anywhere keeps no reverse row.
    if (hasReverseRow ? reverse == reverseNow : !askedReverse)
        return;
    sqlRun(db,
           QStringLiteral("INSERT INTO CardReverse (Card_ID, Rating, Correct, Incorrect) VALUES "
                          "(?, ?, ?, ?) ON CONFLICT (Card_ID) DO UPDATE SET Rating = "
                          "excluded.Rating, Correct = excluded.Correct, Incorrect = "
                          "excluded.Incorrect"),
           {cardId, reverse.rating, reverse.correct, reverse.incorrect});
}

int reconcile(const QSqlDatabase& db, Touched& touched) {
    Reconciler r(db, touched);
    for (const QString& gid : QSet<QString>(touched.sets))
        r.set(gid);
    // A set made, renamed or gone can free or take a name another set wants.
    const int renamed = touched.sets.isEmpty() ? 0 : nameSetsApart(db);
    for (const QString& gid : QSet<QString>(touched.cards))
        r.card(gid);
    for (const QString& gid : QSet<QString>(touched.weighed))
        reweigh(db, gid);
    return renamed;
}

ApplyCounts applyStep(const QSqlDatabase& db, Hlc& clock, const std::vector<ChangeEvent>& events) {
    Touched touched;
    ApplyCounts counts = applyChanges(db, clock, events, touched);
    counts.renamed = reconcile(db, touched);
    return counts;
}

int reconcileOwn(const QSqlDatabase& db, const std::vector<ChangeEvent>& events) {
    Touched touched;
    for (const ChangeEvent& e : events) {
        if (e.kind() == QLatin1String("S"))
            touched.sets.insert(canonicalSet(db, e.at(1)));
        else if (e.kind() == QLatin1String("C"))
            touched.cards.insert(canonicalCard(db, e.at(1)));
        else if (e.kind() == QLatin1String("M"))
            touched.cards.insert(canonicalCard(db, e.at(2)));
    }
    if (touched.sets.isEmpty() && touched.cards.isEmpty())
        return 0;
    sqlRun(db, QStringLiteral("UPDATE SyncReplica SET Capture = 0"));
    const int renamed = reconcile(db, touched);
    sqlRun(db, QStringLiteral("UPDATE SyncReplica SET Capture = 1"));
    return renamed;
}

} // namespace syncing
