// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace syncing {

// Folds this machine's change files that every other machine known here (and not forgotten)
// has read, together with its previous snapshot, into a new snapshot, once there are enough
// of them: the parts, then the manifest, each written whole; only then the folded files and
// the previous snapshot are deleted. A machine alone in the folder folds everything it wrote:
// a machine that joins later reads the snapshot. Anything that cannot be read or written
// leaves the folder as it was. Returns a note for the learner when the folder could not be
// tidied, else empty. Throws DbError.
QString foldOwnChanges(const QSqlDatabase& db, const QString& root, const QString& ownId);

// How far a machine's snapshot in `folder` covers its change files; 0 without one.
qint64 snapshotCoverage(const QString& folder);

// Tests fold after fewer files (0: the usual number) and cut snapshots into smaller parts
// (0: the usual length).
void setFoldThresholdForTesting(int files);
void setSnapshotPartLengthForTesting(qsizetype length);

} // namespace syncing
