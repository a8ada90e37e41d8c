// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <vector>

namespace data {

// One step that brings a file of version `toVersion - 1` to `toVersion`. Each statement uses
// the same "-- ;;"-free form as exec(): one statement per entry.
struct UpgradeStep {
    int toVersion;
    QStringList statements;
};

// Every step, oldest first. A new schema version appends one step here and raises
// kSchemaVersion; schema.sql always describes the newest version.
const std::vector<UpgradeStep>& upgradeSteps();

// Brings a file of an older version to kSchemaVersion in one transaction, keeping its data.
// A failure rolls everything back and throws DbError; the file stays as it was.
void upgradeSchema(const QSqlDatabase& db);

} // namespace data
