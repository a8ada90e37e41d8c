// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/OrderKeys.h"

#include "data/Database.h"
#include "data/FastQuery.h"
#include "data/LockWait.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <limits>
#include <sqlite3.h>

namespace learn {
namespace {

// Why the result equals the rules': the rules give every card, at each end of a bunch or
// learnt set, the key of its id and its rating at that moment. A card whose key was made by
// the same rule and day from the same rating already holds it. The triggers on Card record
// in OrderChanged every card whose rating changed or that is new since the keys were last
// made, so writing those is the rules' result. A pass over every card (other rule or day)
// gives each card up to OrderPass.LastCard the key of the rating it had when the pass was
// ordered: the trigger keeps that rating in OrderHeld before a card beyond the cursor is
// scored again. Cards made after the pass was ordered keep the key they were made with,
// as the rules leave them.
const QString kHeldRating = QStringLiteral(
    "(CASE WHEN Card_ID IN (SELECT Card_ID FROM OrderHeld) "
    "THEN (SELECT h.Rating FROM OrderHeld h WHERE h.Card_ID = Card.Card_ID) ELSE Rating END)");

struct Pass {
    KeyRule rule = KeyRule::None;
    int day = 0;
    QVariant cursor; // null: no pass pending
    qint64 lastCard = 0;
};

Pass readPass(const QSqlDatabase& db) {
    QSqlQuery q =
        data::exec(db, QStringLiteral("SELECT Rule, Day, Cursor, LastCard FROM OrderPass"));
    Pass p;
    if (q.next()) {
        p.rule = static_cast<KeyRule>(q.value(0).toInt());
        p.day = q.value(1).toInt();
        p.cursor = q.value(2);
        p.lastCard = q.value(3).toLongLong();
    }
    return p;
}

// Runs `work` as one transaction of its own, or inside a savepoint as part of the caller's.
// One of its own takes the write lock at its start: it reads before it writes, and a reader
// cannot go on to write once another connection (a sync) has written meanwhile.
template <typename Work> auto inSavepoint(const QSqlDatabase& db, Work work) {
    sqlite3* raw = data::sameLibraryHandle(db);
    const bool own = raw && sqlite3_get_autocommit(raw) != 0;
    data::exec(db,
               own ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT order_keys"));
    try {
        auto result = work();
        data::exec(db, own ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE order_keys"));
        return result;
    } catch (const data::DbError&) {
        if (own) {
            data::exec(db, QStringLiteral("ROLLBACK"));
        } else {
            data::exec(db, QStringLiteral("ROLLBACK TO order_keys"));
            data::exec(db, QStringLiteral("RELEASE order_keys"));
        }
        throw;
    }
}

OrderKeysRunner* liveRunner = nullptr;

} // namespace

void orderKeys(const QSqlDatabase& db, KeyRule rule, int day) {
    inSavepoint(db, [&] {
        const Pass pass = readPass(db);
        // More changed cards than a step takes go to a pass, so the reply stays short.
        const int changed = data::scalar(db,
                                         QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM "
                                                        "OrderChanged LIMIT ?)"),
                                         {kOrderKeyChunk + 1})
                                .toInt();
        if (pass.rule == rule && pass.day == day && changed <= kOrderKeyChunk) {
            // A pending pass of the same rule goes on: each card's rating now is what it
            // needs, so the ratings kept for it go.
            writeOrderKeys(db, rule, day, QStringLiteral("Rating"),
                           QStringLiteral("Card_ID IN (SELECT Card_ID FROM OrderChanged)"));
        } else {
            data::exec(db,
                       QStringLiteral("UPDATE OrderPass SET Rule = ?, Day = ?, "
                                      "Cursor = (SELECT IFNULL(MIN(Card_ID), 1) - 1 FROM Card), "
                                      "LastCard = (SELECT IFNULL(MAX(Card_ID), 0) FROM Card)"),
                       {static_cast<int>(rule), day});
        }
        data::exec(db, QStringLiteral("DELETE FROM OrderChanged"));
        data::exec(db, QStringLiteral("DELETE FROM OrderHeld"));
        return 0;
    });
    OrderKeysRunner::wake();
}

bool advanceOrderKeys(const QSqlDatabase& db, int cards) {
    return inSavepoint(db, [&] {
        const Pass pass = readPass(db);
        if (pass.cursor.isNull())
            return true;
        const qint64 from = pass.cursor.toLongLong();
        const QVariant upTo = data::scalar(
            db,
            QStringLiteral("SELECT MAX(Card_ID) FROM (SELECT Card_ID FROM Card WHERE Card_ID > ? "
                           "AND Card_ID <= ? ORDER BY Card_ID LIMIT ?)"),
            {from, pass.lastCard, cards});
        if (!upTo.isNull())
            writeOrderKeys(db, pass.rule, pass.day, kHeldRating,
                           QStringLiteral("Card_ID > ? AND Card_ID <= ?"), {from, upTo});
        if (upTo.isNull() || upTo.toLongLong() >= pass.lastCard) {
            data::exec(db, QStringLiteral("UPDATE OrderPass SET Cursor = NULL"));
            data::exec(db, QStringLiteral("DELETE FROM OrderHeld"));
            return true;
        }
        data::exec(db, QStringLiteral("UPDATE OrderPass SET Cursor = ?"), {upTo});
        return false;
    });
}

bool orderKeysComplete(const QSqlDatabase& db) {
    return readPass(db).cursor.isNull();
}

void completeOrderKeys(const QSqlDatabase& db) {
    if (orderKeysComplete(db))
        return;
    // In one step: whoever asks is about to read the keys.
    advanceOrderKeys(db, std::numeric_limits<int>::max());
}

void completeOrderKeysOf(const QSqlDatabase& db, const QString& cards) {
    const Pass pass = readPass(db);
    if (pass.cursor.isNull())
        return;
    // The pass gives these cards the same keys again when it reaches them.
    writeOrderKeys(db, pass.rule, pass.day, kHeldRating,
                   QStringLiteral("Card_ID > ? AND Card_ID <= ? AND Card_ID IN (%1)").arg(cards),
                   {pass.cursor, pass.lastCard});
}

OrderKeysRunner::OrderKeysRunner(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { step(); });
    liveRunner = this;
}

OrderKeysRunner::~OrderKeysRunner() {
    if (liveRunner == this)
        liveRunner = nullptr;
}

void OrderKeysRunner::start() {
    started_ = true;
    timer_.start(0);
}

void OrderKeysRunner::wake() {
    if (liveRunner && liveRunner->started_ && !liveRunner->timer_.isActive())
        liveRunner->timer_.start(0);
}

void OrderKeysRunner::step() {
    bool done = false;
    try {
        // The lesson's own connection: a commit from another one would make it drop every
        // page it holds, and each reply during a pass would read its pages again.
        const QSqlDatabase db = data::mainConnection();
        if (!db.isOpen())
            return;
        // Never wait for the lock here: the learner's work goes first, the step comes again.
        const data::NoLockWait noWait(db);
        // Refused while a transaction of the window's is open: tried again later.
        data::exec(db, QStringLiteral("BEGIN IMMEDIATE"));
        try {
            done = advanceOrderKeys(db);
            data::exec(db, QStringLiteral("COMMIT"));
        } catch (const data::DbError&) {
            data::exec(db, QStringLiteral("ROLLBACK"));
            throw;
        }
    } catch (const data::DbError&) {
        // Busy or failing: tried again a little later; the pending work stays recorded.
        timer_.start(200);
        return;
    }
    if (!done)
        timer_.start(0);
}

} // namespace learn
