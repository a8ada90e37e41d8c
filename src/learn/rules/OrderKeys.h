// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/Ordering.h"

#include <QObject>
#include <QSqlDatabase>
#include <QTimer>

namespace learn {

// How many cards one step of a pass over every card takes: a few milliseconds of write lock.
constexpr int kOrderKeyChunk = 1000;

// Applies the order-key rule at the end of a bunch or after a learnt set. When the rule and
// day are those the keys were last made by, only the cards whose rating changed or that are
// new since get a new key, at once; otherwise a pass over every card is recorded in the
// database and done later in steps (advanceOrderKeys), each card from the rating it had now.
void orderKeys(const QSqlDatabase& db, KeyRule rule, int day);

// One step of a pending pass over at most `cards` cards, in a savepoint of its own. True
// when no pass is pending any more.
bool advanceOrderKeys(const QSqlDatabase& db, int cards = kOrderKeyChunk);

// True when every key is what the rules give (no pass pending).
bool orderKeysComplete(const QSqlDatabase& db);

// Finishes a pending pass now. Called before anything reads the keys: loading a set, the
// Demons, export.
void completeOrderKeys(const QSqlDatabase& db);

// Gives the cards the SQL query `cards` selects (by Card_ID) their keys of a pending pass,
// so that a set is loaded in the rules' order without waiting for the whole pass.
void completeOrderKeysOf(const QSqlDatabase& db, const QString& cards);

// Does a pending pass between events on the main connection, one short transaction per
// step, so that no reply waits for work over the whole database. It also finishes what a
// run that was killed left pending.
class OrderKeysRunner : public QObject {
  public:
    explicit OrderKeysRunner(QObject* parent = nullptr);
    ~OrderKeysRunner() override;
    OrderKeysRunner(const OrderKeysRunner&) = delete;
    OrderKeysRunner& operator=(const OrderKeysRunner&) = delete;

    // Looks for pending work from now on.
    void start();
    // Tells the running runner, if any, that a pass was ordered.
    static void wake();

  private:
    void step();

    QTimer timer_;
    bool started_ = false;
};

} // namespace learn
