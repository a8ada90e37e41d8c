// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/FileLock.h"

#include <QLockFile>
#include <QString>

namespace data {

// One program per database file: a lock file "<file>.lock" beside it, and an flock() on the
// database file itself (FileLock.h), which holds for the file by any name, hard links
// included. Two windows on one file would each keep their own copy of the weights and
// overwrite each other's scores. A lock left behind by a killed process is taken over, and
// so is a lock file that names no process (empty or unreadable as a lock, as a power cut
// can leave it) once the database file's own lock shows nobody holds the file.
class DatabaseLock {
  public:
    explicit DatabaseLock(const QString& databasePath);
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    // Empty when the lock is now ours; otherwise a message naming the file. The database
    // file's own lock is taken too when the file exists.
    [[nodiscard]] QString acquire();
    // The database file's own lock, once a new file has been made; empty when held.
    [[nodiscard]] QString holdFile();
    void release();
    bool held() const { return lock_.isLocked(); }

    // The lock file for `databasePath`: one name for every spelling of the same file
    // (relative or absolute, through a symbolic link to it or to its folder).
    static QString lockFileFor(const QString& databasePath);

    // The lock this program holds on `databasePath`, if any. A restore moves the file's own
    // lock onto the file that takes the database's name before it does.
    static DatabaseLock* heldFor(const QString& databasePath);
    // Locks `incoming` (the file about to take the database's name); the old file's lock is
    // let go by commitMove(), or kept by cancelMove() when the file stays.
    [[nodiscard]] bool prepareMove(const QString& incoming);
    void commitMove();
    void cancelMove();

  private:
    QString alreadyOpen() const;
    [[nodiscard]] QString takeOverUnreadable();

    QString databasePath_;
    QString lockPath_;
    QLockFile lock_;
    FileLock file_;
    FileLock incoming_;
};

} // namespace data
