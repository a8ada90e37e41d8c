// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Once per process: the Qt application the SQL driver needs, a quiet message handler, and
// one private temporary folder.
void start();

// The fuzzer's bytes as a QByteArray (a copy: the readers may keep it).
QByteArray bytes(const uint8_t* data, size_t size);

// Writes `contents` to `name` in the process's folder; returns its path.
QString writeFile(const QString& name, const QByteArray& contents);

// A fresh database with the full schema, as the readers write into, in the process's folder.
QSqlDatabase freshDatabase();

// Per input: closes the database and empties the folder, so no input sees another's files.
void finish();

} // namespace fuzz
