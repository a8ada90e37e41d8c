#pragma once

#include <QDateTime>
#include <QString>

namespace data {

struct RestoreOutcome {
    bool ok = false;
    QString keptAs;  // where the replaced database now is
    QString message; // why nothing was restored
};

// Puts a copy of the backup in place of the database. Every connection is closed first (they
// keep their names, so the handles the windows hold work again afterwards); the database and
// its -wal and -shm files are renamed to "<name>.<tag>-<time>" beside it (with "-wal" and
// "-shm" after that), so no stale log is replayed onto the copy and nothing is deleted; the
// connections that were open are then reopened on the copy. A backup that fails the check is
// refused; on any failure the files are put back as they were.
RestoreOutcome restoreBackup(const QString& databasePath, const QString& backupPath,
                             const QString& tag,
                             const QDateTime& now = QDateTime::currentDateTime());

// "<name>.<tag>-<time>" beside the database, not yet taken.
QString keptName(const QString& databasePath, const QString& tag, const QDateTime& now);

} // namespace data
