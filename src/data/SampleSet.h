// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace data {

inline const QString kSampleSetName = QStringLiteral("Capitals of Europe");

// The settings rows and a small set to learn at once, for a database just created.
void seedNewDatabase(const QSqlDatabase& db);

} // namespace data
