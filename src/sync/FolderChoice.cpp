// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/FolderChoice.h"

#include "data/BackupNames.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace syncing {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Sync)
};

// Links resolved, so that two names of one folder compare equal.
QString canonical(const QString& path) {
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return QDir::cleanPath(resolved.isEmpty() ? info.absoluteFilePath() : resolved);
}

bool isInside(const QString& inner, const QString& outer) {
    return inner == outer || inner.startsWith(outer + QLatin1Char('/'));
}

} // namespace

QString folderWarning(const QString& folder, const QString& databasePath) {
    const QString chosen = canonical(folder);
    if (chosen == canonical(QFileInfo(databasePath).absolutePath()))
        return Text::tr("This is the folder of the database itself. A sync tool would "
                        "copy the open database file, which can damage it on the other "
                        "machine: choose an empty folder of its own.");
    if (isInside(chosen, canonical(data::backupFolder(databasePath))))
        return Text::tr("This folder lies inside the backups, where old backups are "
                        "deleted: choose a folder of its own.");
    return {};
}

void rememberFolder(const QSqlDatabase& db, const QString& folder, const QString& name) {
    data::exec(db, QStringLiteral("UPDATE SyncReplica SET Folder = ?"),
               {QFileInfo(folder).absoluteFilePath()});
    if (!name.trimmed().isEmpty())
        data::exec(db, QStringLiteral("UPDATE SyncReplica SET Name = ?"), {name.trimmed()});
}

} // namespace syncing
