// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FileLock.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace data {

FileLock::~FileLock() {
    unlock();
}

#ifdef Q_OS_WIN

FileLock::Result FileLock::tryLock(const QString& path, bool create) {
    if (create && QFile::exists(path))
        return Result::Busy;
    if (create) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return Result::Failed;
    }
    fd_ = 0;
    return Result::Taken;
}

FileLock::Result FileLock::tryLockShared(const QString& path) {
    return tryLock(path);
}

bool FileLock::tryMakeExclusive() {
    return held();
}

void FileLock::unlock() {
    fd_ = -1;
}

bool FileLock::stillAt(const QString& path) const {
    return QFile::exists(path);
}

bool replaceFile(const QString& from, const QString& to) {
    return MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()),
                       reinterpret_cast<const wchar_t*>(to.utf16()), MOVEFILE_REPLACE_EXISTING);
}

#else

FileLock::Result FileLock::tryLock(const QString& path, bool create) {
    unlock();
    const QByteArray name = QFile::encodeName(path);
    const int flags = O_CLOEXEC | (create ? O_RDWR | O_CREAT | O_EXCL : O_RDONLY);
    const int fd = ::open(name.constData(), flags, 0644);
    if (fd < 0)
        return errno == EEXIST ? Result::Busy : Result::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::Busy : Result::Failed;
    }
    fd_ = fd;
    return Result::Taken;
}

FileLock::Result FileLock::tryLockShared(const QString& path) {
    unlock();
    const int fd = ::open(QFile::encodeName(path).constData(), O_CLOEXEC | O_RDONLY);
    if (fd < 0)
        return Result::Failed;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::Busy : Result::Failed;
    }
    fd_ = fd;
    return Result::Taken;
}

bool FileLock::tryMakeExclusive() {
    return fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

void FileLock::unlock() {
    if (fd_ >= 0)
        ::close(fd_); // closing the last descriptor drops the flock
    fd_ = -1;
}

bool FileLock::stillAt(const QString& path) const {
    struct stat held {};
    struct stat named {};
    return fd_ >= 0 && ::fstat(fd_, &held) == 0 &&
           ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

bool replaceFile(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

#endif

void FileLock::takeFrom(FileLock& other) {
    unlock();
    fd_ = other.fd_;
    other.fd_ = -1;
}

} // namespace data
