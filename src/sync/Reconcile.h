// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/Apply.h"

#include <QSqlDatabase>
#include <vector>

namespace syncing {

// Brings this file's sets, ties, cards and answers in line with what the shadow tables say
// every machine knows, for the touched ones only, and works the touched cards' weights out
// again, and keeps set names apart (nameSetsApart). Returns how many sets were numbered.
// Inside the caller's transaction, with capture off; throws DbError.
int reconcile(const QSqlDatabase& db, Touched& touched);

// One step: the changes merged, and what they touched brought in line at once. Inside the
// caller's transaction, with capture off; throws BadChange or DbError.
ApplyCounts applyStep(const QSqlDatabase& db, Hlc& clock, const std::vector<ChangeEvent>& events);

// The same for what this machine's own changes touched: a change here can decide a card
// elsewhere in the collection (a set deleted here may be the one a card left last), and
// each machine must come to what the others do. Capture is turned off meanwhile.
int reconcileOwn(const QSqlDatabase& db, const std::vector<ChangeEvent>& events);

// A card's Rating, Correct and Incorrect: from the weights it shared with every machine at
// its base, each reply stamped after that counted in the order of its day, then its stamp
// (the reading, then the replica id), by the scoring rules. The same for its CardReverse row
// from the reverse replies alone; the forward weights count the other replies.
void reweigh(const QSqlDatabase& db, const QString& cardGid);

} // namespace syncing
