// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace data {

QString assetFolder(const QString& programFolder) {
    const QDir program(programFolder);
    for (const QString& candidate : {program.filePath(QStringLiteral("../share/memorant")),
                                     program.filePath(QStringLiteral("assets"))}) {
        // The help pages are always there, so their folder marks a complete copy.
        if (QFileInfo(candidate + QStringLiteral("/help")).isDir())
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    }
    return {};
}

QString assetFolder() {
    return assetFolder(QCoreApplication::applicationDirPath());
}

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QStringList soundFolders() {
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/sounds"),
            userDataFolder() + QStringLiteral("/sounds")};
}

} // namespace data
