// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace data {

constexpr int kSchemaVersion = 15;
inline const QString kMainConnection = QStringLiteral("memorant");

// The full schema, compiled in from schema.sql.
QString schemaSql();

struct OpenOutcome {
    bool ok = false;
    bool created = false; // a new database with the sample set was made
    bool damaged = false; // a Memorant database that fails the check (OpenCheck.h)
    QString message;      // why the file was refused, naming the file
};

// Opens the database at `path` as the main connection; a missing file is created with the
// sample set when `createIfMissing`, and refused otherwise. A file that exists but is not a
// readable Memorant database is refused and left exactly as it was.
[[nodiscard]] OpenOutcome openDatabase(const QString& path, bool createIfMissing = true);

// Why `path` cannot be used as a Memorant database; empty when it can. Never writes.
[[nodiscard]] QString checkExistingFile(const QString& path);

// Why the folder of `path` cannot hold a database (missing, or not writable: the database
// writes its journal and lock files beside it); empty when it can. Never writes.
[[nodiscard]] QString folderProblem(const QString& path);
QString folderNotWritableMessage(const QString& path);

// Called while a new database is being made, before it has its name; tests use it to stop
// the creation midway as a kill would. Empty by default.
void setCreationHookForTesting(std::function<void()> hook);

// The main connection opened by openDatabase.
QSqlDatabase mainConnection();

// A window's own connection to the same file, opened under `name` (reused if open).
QSqlDatabase openConnection(const QString& name);

void closeAllConnections();

// Creates every table, view and trigger in an empty database.
void createSchema(const QSqlDatabase& db);

// Sets the pragmas every connection needs.
void configureConnection(const QSqlDatabase& db);

} // namespace data
