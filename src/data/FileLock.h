// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace data {

// An exclusive flock() on an open descriptor of one file: it belongs to the file itself, so
// it holds by any name the file has (hard links included), and, unlike an fcntl() lock, it is
// not dropped when SQLite closes some other descriptor of the same file. Released when the
// holder goes or the process ends, however it ends. Without flock() (Windows) every lock is
// taken at once.
class FileLock {
  public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    enum class Result { Taken, Busy, Failed };
    // Without waiting. With `create` a missing file is made, and only when it is new
    // (O_EXCL): a name claimed this way is this holder's alone.
    Result tryLock(const QString& path, bool create = false);
    // A shared lock: any number of holders, none while another holds it exclusively.
    Result tryLockShared(const QString& path);
    // A shared lock made exclusive, when no other holder has the file; without waiting.
    bool tryMakeExclusive();
    void unlock();
    bool held() const { return fd_ >= 0; }
    // The locked file still has the name `path` (nobody removed or replaced it meanwhile).
    bool stillAt(const QString& path) const;
    // Moves the lock held by `other` to this holder.
    void takeFrom(FileLock& other);

  private:
    int fd_ = -1;
};

// Renames `from` to `to` in one step, replacing a file `to` (QFile::rename never replaces).
[[nodiscard]] bool replaceFile(const QString& from, const QString& to);

} // namespace data
