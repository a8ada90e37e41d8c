// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace data {
namespace {

// What the path names, in words; empty for a regular file or nothing at all.
QString kindOf(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("a named pipe");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a special file");
#else
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return info.isDir() ? QStringLiteral("a folder") : QStringLiteral("a special file");
#endif
}

} // namespace

QString specialFileRefusal(const QString& path, FileUse use) {
    const QString kind = kindOf(path);
    if (kind.isEmpty())
        return {};
    return QStringLiteral("%1 is %2, not a regular file; Memorant %3 regular files only.")
        .arg(QDir::toNativeSeparators(path), kind,
             use == FileUse::Read ? QStringLiteral("reads") : QStringLiteral("writes"));
}

} // namespace data
