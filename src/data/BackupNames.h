// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace data {

// Backups live in a folder "backups" beside the database, one file per backup named
// "<file>-<yyyy-MM-dd-HHmmss>.mdb" after the database's whole file name and the local time
// the backup was taken; a second backup within the same second is "...-2.mdb", and so on.
// Each backup also carries the database's identity (a random id stored inside it), so that
// two databases in one folder never take each other's backups.
QString backupFolder(const QString& databasePath);
QString timeStamp(const QDateTime& t);
QString backupFileName(const QString& databasePath, const QDateTime& taken, int sequence = 1);

// The id stored inside the database file; empty when it has none (made before ids were
// stored) or cannot be read. Only reads.
QString databaseId(const QString& path);

struct BackupFile {
    // A backup in the backups folder, or a copy kept beside the database by a restore or by
    // the damaged-file offer (keptCopies()).
    enum class Kind { Backup, BeforeRestore, Damaged };
    QString path;
    QDateTime taken;
    qint64 size = 0;
    int sequence = 1; // 2, 3, ... for later backups within the same second
    Kind kind = Kind::Backup;
};

// The backups that belong to the database, newest first. A backup belongs when its name
// carries the database's whole file name and it holds the database's id (or no id, or the
// database's own id cannot be read). Backups named after the file name without its
// extension, made before ids were stored, belong while no other database in the folder
// shares that name. Other files in the folder are never listed.
QList<BackupFile> listBackups(const QString& databasePath);

// A name as backups of this database are named: the stamp, and the sequence when not 1;
// invalid when `fileName` is no such name (`suffix` follows ".mdb", as ".partial" does).
QDateTime backupNameTime(const QString& databasePath, const QString& fileName,
                         const QString& suffix = {}, int* sequence = nullptr);

// Copies of the database left beside it by a restore or by a damaged start:
// "<file>.restoring", "<file>.before-restore-<time>" and "<file>.damaged-<time>" (also
// under the names used before, after the name without its extension). Newest first.
QStringList copiesBeside(const QString& databasePath);

// The copies that restores ("<file>.before-restore-<time>") and the damaged-file offer
// ("<file>.damaged-<time>") kept beside the database, newest first, each taken at the time in
// its name (else when it was last written). A restore in progress (".restoring") is not one.
QList<BackupFile> keptCopies(const QString& databasePath);

} // namespace data
