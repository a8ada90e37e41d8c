// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace testing {

// What another program does to a database file, through a connection of its own.

// The first value `sql` gives, read without writing anything; invalid when the file is
// missing or cannot be read.
QVariant readIn(const QString& path, const QString& sql);
// Runs the statements in turn; false when one fails.
bool writeIn(const QString& path, const QStringList& statements);
// Holds the file's write lock while `during` runs.
void whileLocked(const QString& path, const std::function<void()>& during);

} // namespace testing
