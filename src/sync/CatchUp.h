// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/Hlc.h"
#include "sync/Sync.h"

#include <QSqlDatabase>
#include <QString>

namespace syncing {

// Reads another machine's snapshot (in `folder`) when this one needs it: it has read nothing
// of that machine yet, or the next change file it wants was folded away. Every part is
// checked against the manifest before any is applied; they are applied in short
// transactions, and how far this machine has read the other moves to the snapshot's end only
// once all are in (the changes are applied alike twice, so a sync stopped halfway does no
// harm). A part missing, cut or damaged counts as skipped and is tried at the next sync.
// Throws DbError.
void catchUpFromSnapshot(const QSqlDatabase& db, Hlc& clock, SyncSummary& sum,
                         const QString& replica, const QString& folder);

} // namespace syncing
