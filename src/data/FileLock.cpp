// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FileLock.h"

#include <QFile>
#include <QRandomGenerator>

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

namespace {

// A new file locked before it appears under `name`: made and locked under a name of its own,
// then given `name` by a hard link, which fails when `name` exists. Made and locked in two
// steps under `name` itself, another process could lock it in between, find it free and
// take it for a file left by a killed program. -1 with errno set when it cannot be; errno
// ENOTSUP where the file system has no hard links.
int createLocked(const QByteArray& name) {
    const QByteArray temp =
        name + ".claim-" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
    const int fd = ::open(temp.constData(), O_CLOEXEC | O_RDWR | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return -1;
    ::flock(fd, LOCK_EX | LOCK_NB); // a file nobody else can know yet
    const int linked = ::link(temp.constData(), name.constData());
    const int error = errno;
    ::unlink(temp.constData());
    if (linked == 0)
        return fd;
    ::close(fd);
    errno = error == EEXIST ? EEXIST : ENOTSUP;
    return -1;
}

} // namespace

FileLock::Result FileLock::tryLock(const QString& path, bool create) {
    unlock();
    const QByteArray name = QFile::encodeName(path);
    if (create) {
        const int fd = createLocked(name);
        if (fd >= 0) {
            fd_ = fd;
            return Result::Taken;
        }
        if (errno == EEXIST)
            return Result::Busy;
        // No hard links here (a FAT drive): made and locked in two steps.
    }
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
