// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QCoreApplication>
#include <sys/stat.h>
#endif

namespace data {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Database)
};

// What the path names, in words; empty for a regular file or nothing at all.
QString kindOf(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return Text::tr("a folder");
    if (S_ISFIFO(st.st_mode))
        return Text::tr("a named pipe");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return Text::tr("a device");
    if (S_ISSOCK(st.st_mode))
        return Text::tr("a socket");
    return Text::tr("a special file");
#else
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return info.isDir() ? Text::tr("a folder") : Text::tr("a special file");
#endif
}

} // namespace

QString specialFileRefusal(const QString& path, FileUse use) {
    const QString kind = kindOf(path);
    if (kind.isEmpty())
        return {};
    return (use == FileUse::Read
                ? Text::tr("%1 is %2, not a regular file; Memorant reads regular files only.")
                : Text::tr("%1 is %2, not a regular file; Memorant writes regular files only."))
        .arg(QDir::toNativeSeparators(path), kind);
}

} // namespace data
