// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Error.h"
#include "sync/ChangeFile.h"
#include "sync/Hlc.h"

#include <QSet>
#include <QSqlDatabase>
#include <vector>

namespace syncing {

// What a round of changes touched: the sets and cards to bring in line with what every
// machine knows, and the cards whose weights to work out again from their replies.
struct Touched {
    QSet<QString> sets, cards, weighed;
};

// Changes are applied a step at a time (a change file, or as many changes of a snapshot),
// each step whole or not at all and brought in line at once, so a reply that comes to wait
// for the lock waits for one step. Steps go together in one write transaction until a reply
// (or any other write of this program) waits, or it has run kBatchMs: one commit for many
// steps is what makes a large sync fast, as each commit writes every page it touched and
// random ids touch many. Another process cannot say that it waits: its write waits for the
// batch, at most about kBatchMs, well within its lock wait.
constexpr size_t kChangesPerStep = 128;
constexpr qint64 kBatchMs = 1000;

// A change file whose changes do not fit their kinds: it is not applied at all.
class BadChange : public data::Error {
  public:
    using Error::Error;
};

// Merges another machine's changes into what this one knows (the shadow tables and the
// log), by the rules every machine applies alike: the later stamp wins field by field, the
// text that lost is kept in SyncConflict, replies are a union, an undone reply is gone
// everywhere and a cleaning takes only the rows stamped before it. Inside the caller's
// transaction. Throws BadChange or DbError.
struct ApplyCounts {
    int conflicts = 0;   // texts that lost
    int joinedSets = 0;  // sets of this file joined with another machine's of the same name
    int joinedCards = 0; // cards so joined, by their text
    int renamed = 0;     // sets renamed to keep names apart, when brought in line
    void add(const ApplyCounts& other) {
        conflicts += other.conflicts;
        joinedSets += other.joinedSets;
        joinedCards += other.joinedCards;
        renamed += other.renamed;
    }
};
ApplyCounts applyChanges(const QSqlDatabase& db, Hlc& clock, const std::vector<ChangeEvent>& events,
                         Touched& touched);

} // namespace syncing
