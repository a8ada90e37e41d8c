// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/ChangeFile.h"
#include "sync/Hlc.h"

#include <QSet>
#include <QSqlDatabase>
#include <vector>

namespace syncing {

// Gives every set, card, tie and log row of the file a global id and returns the whole
// collection as changes: what this machine brings to the folder when sync is first set up.
// Inside the caller's transaction; throws DbError.
std::vector<ChangeEvent> snapshotEverything(const QSqlDatabase& db, Hlc& clock);

// Turns what the triggers noted since the last sync into changes, field by field against the
// last known values, and empties the note. `weighed` gets the cards whose replies changed,
// so their weights are worked out again. Inside the caller's transaction; throws DbError.
std::vector<ChangeEvent> collectChanges(const QSqlDatabase& db, Hlc& clock, QSet<QString>& weighed);

// A log row as a change; `direction` as Log holds it.
ChangeEvent logEvent(const QString& gid, const QString& cardGid, const QVariant& date,
                     const QVariant& setName, const QVariant& result, const QVariant& judgedBy,
                     const QString& at, const QVariant& direction);

} // namespace syncing
