// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

namespace data {

struct RestoreOutcome {
    bool ok = false;
    QString keptAs;  // where the replaced database now is
    QString message; // why nothing was restored
};

// What the restored backup replaces: a sound file has its write-ahead log folded in first;
// a damaged one is kept exactly as it is, its -wal and -shm files moved along with it.
enum class Replacing { SoundFile, DamagedFile };

// Puts a copy of the backup in place of the database, so that the database's name always
// holds either the old file or the new one, whenever the program is stopped:
//  1. every connection is closed and, for a sound file, its log folded in: nothing goes on
//     unless no -wal with content is left;
//  2. the backup is copied to "<file>.restoring" beside it, brought to this version, given
//     the database's identity and checked;
//  3. the current file is kept as "<file>.before-restore-<time>" (or ".damaged-<time>"),
//     a copy of its own (made as "<file>.keeping" and renamed);
//  4. the copy is renamed over the database in one step, the program's lock of the file
//     moving onto it first.
// The connections that were open are then reopened on the copy (they keep their names, so
// the handles the windows hold work again). A backup that fails the check is refused; on
// any failure the database stays as it was.
[[nodiscard]] RestoreOutcome restoreBackup(const QString& databasePath, const QString& backupPath,
                                           Replacing what,
                                           const QDateTime& now = QDateTime::currentDateTime());

// The database is missing and `copy` (one of copiesBeside(), or "<file>.restoring") is to
// take its place: checked, and brought to this version, under "<file>.restoring" first.
// The copy itself stays as it is unless it is that file.
[[nodiscard]] RestoreOutcome putCopyInPlace(const QString& databasePath, const QString& copy);

// "<file>.<tag>-<time>" beside the database, not yet taken ("-2", "-3" added when it is).
QString keptName(const QString& databasePath, const QString& tag, const QDateTime& now);

// The steps of a restore, for tests that stop it midway as a kill would.
enum class RestoreStep { LogFolded, CopyReady, OldKept, Swapped };
void setRestoreHookForTesting(std::function<void(RestoreStep)> hook);

} // namespace data
