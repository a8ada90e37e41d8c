// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>

namespace data {

// How large the main window's screens are drawn, one factor per mode (1: as designed).
struct LayoutScales {
    double academic = 1.0;
    double kids = 1.0;
};

// Reads the factors from the settings row; an empty one is 1. Throws DbError.
LayoutScales loadLayoutScales(const QSqlDatabase& db);
// Writes both factors into the settings row. Throws DbError.
void saveLayoutScales(const QSqlDatabase& db, const LayoutScales& scales);

} // namespace data
