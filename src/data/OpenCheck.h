// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Backups.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace data {

// What SQLite's own check found in a file.
struct FileCheck {
    bool sound = false;
    QStringList problems;   // SQLite's lines, or the error that stopped the check
    QString detail() const; // the first few problems on one line
};

// PRAGMA quick_check (every page and record, without comparing indexes to their tables),
// the check made on every opening; PRAGMA integrity_check, the full one, for the check
// command. Both read through a read-only connection of their own.
[[nodiscard]] FileCheck quickCheck(const QString& path);
[[nodiscard]] FileCheck integrityCheck(const QString& path);

// The check made on every opening: quick_check of the schema and of every table but the log
// and the media (with their indexes). The log is most of a long-used file, and checking it too
// took about 0.4 s on a database of 100,000 cards and 1,000,000 log rows; pictures and sounds
// can be far more. The full quick_check runs in the background after opening instead
// (BackgroundBackup.h).
[[nodiscard]] FileCheck openingCheck(const QString& path);

// How many cards name a picture or sound the file does not hold (left by another program, or
// by a sync or import that stopped halfway).
int cardsNamingMissingMedia(const QSqlDatabase& db);
// The same, said for the learner, through a read-only connection of its own; empty when every
// card's media is there or the file cannot be read (the check says why).
QString missingMediaNote(const QString& path);

// The file begins as a Memorant database does: an SQLite header carrying a schema version
// this program knows. Only the header is read, so it holds even when the rest is damaged.
bool hasMemorantHeader(const QString& path);

// A Memorant database that fails the check, as opposed to a foreign or garbage file: its
// header says so, or, with its first page gone, it has backups.
bool isDamagedMemorantFile(const QString& path);
// What is wrong with a damaged file, on one line.
QString damageDetail(const QString& path);

// "Cannot open the database "<path>": it is damaged (<detail>)".
QString damagedMessage(const QString& path, const QString& detail);

// The newest backup of the database that passes the check.
std::optional<BackupFile> newestGoodBackup(const QString& databasePath);

// What a backup holds, read from it; -1 where it cannot be read.
struct BackupSummary {
    int cards = -1;
    int sets = -1;
};
BackupSummary summarizeBackup(const QString& backupPath);

// The backups listed for a person at a terminal: one line each, newest first, those that
// fail the check marked "(damaged)".
QString backupListText(const QString& databasePath);

} // namespace data
