#pragma once

#include <QLockFile>
#include <QString>

namespace data {

// One program per database file: a lock file "<file>.lock" beside it. Two windows on one
// file would each keep their own copy of the weights and overwrite each other's scores. A
// lock left behind by a killed process is taken over.
class DatabaseLock {
  public:
    explicit DatabaseLock(const QString& databasePath);
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    // Empty when the lock is now ours; otherwise a message naming the file.
    QString acquire();
    void release();
    bool held() const { return lock_.isLocked(); }

    // The lock file for `databasePath`: one name for every spelling of the same file
    // (relative or absolute, through a symbolic link to it or to its folder).
    static QString lockFileFor(const QString& databasePath);

  private:
    QString databasePath_;
    QLockFile lock_;
};

} // namespace data
