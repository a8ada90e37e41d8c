#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace data {

// Backups live in a folder "backups" beside the database, one file per backup named
// "<name>-<yyyy-MM-dd-HHmmss>.mdb" after the database's name without its extension and the
// local time the backup was taken.
QString backupFolder(const QString& databasePath);
QString timeStamp(const QDateTime& t);
QString backupFileName(const QString& databasePath, const QDateTime& taken);
// When the backup named `fileName` was taken; invalid for any other file.
QDateTime backupTakenAt(const QString& databasePath, const QString& fileName);

struct BackupFile {
    QString path;
    QDateTime taken;
    qint64 size = 0;
};

// The database's backups, newest first. Other files in the folder are not listed.
QList<BackupFile> listBackups(const QString& databasePath);

// True when there is no backup, or the database or its write-ahead log was written after the
// newest one was taken.
bool backupDue(const QString& databasePath);

// Writes a consistent copy of the database to `target`, which must not exist, through
// VACUUM INTO on a read-only connection of its own: the copy holds every transaction
// committed when it began, and a program writing to the file meanwhile is not held up. The
// copy appears under its name only once complete. Empty on success, else the reason.
QString copyDatabase(const QString& databasePath, const QString& target);

struct BackupResult {
    QString path;   // the new backup, when written
    QString error;  // why none was written, naming the folder
    QString damage; // the full check found the database damaged; no backup was written
    int removed = 0;
};

// A backup now into the backups folder, then the rotation (BackupRotation.h).
BackupResult backUp(const QString& databasePath,
                    const QDateTime& now = QDateTime::currentDateTime());

} // namespace data
