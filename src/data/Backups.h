// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/BackupNames.h"

#include <QDateTime>
#include <QString>

namespace data {

// True when the database has no backup, or it changed since the last backup was taken:
// the backups folder keeps a record of the file as it was when that backup began
// ("<file>.last-backup"), so the answer never depends on the clock or on the times in the
// backups' names.
bool backupDue(const QString& databasePath);

// Writes a consistent copy of the database to `target`, which must not exist, through
// VACUUM INTO on a read-only connection of its own: the copy holds every transaction
// committed when it began, and a program writing to the file meanwhile is not held up. The
// copy is written as "<target>.partial", claimed and locked while written (a second backup
// never writes into it, and one left by a killed backup is known by its free lock), and
// appears under its name only once complete. Empty on success, else what failed.
[[nodiscard]] QString copyDatabase(const QString& databasePath, const QString& target);

// Removes the database's ".partial" files (with their journals) that no backup is writing
// any more, and claims of such names an hour old: left by backups that were killed.
int removeStalePartials(const QString& databasePath);

struct BackupResult {
    QString path;         // the new backup, when written
    QString error;        // why none was written, naming the folder
    QString damage;       // the full check found the database damaged; no backup was written
    QString missingMedia; // cards name pictures or sounds the file does not hold (a note)
    int removed = 0;
};

// A backup now into the backups folder, then the rotation (BackupRotation.h).
BackupResult backUp(const QString& databasePath,
                    const QDateTime& now = QDateTime::currentDateTime());

} // namespace data
