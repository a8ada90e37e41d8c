// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace syncing {

// Why a folder is a poor choice for syncing this database, or empty when it is a good one:
// the database's own folder (a sync tool would copy the open database file itself, which it
// cannot do safely) or a folder inside the backups (rotation deletes files there).
QString folderWarning(const QString& folder, const QString& databasePath);

// Remembers the folder and this machine's name, as `memorant sync --folder DIR --name NAME`
// would, without syncing; an empty name keeps the one remembered. Throws DbError.
void rememberFolder(const QSqlDatabase& db, const QString& folder, const QString& name);

} // namespace syncing
