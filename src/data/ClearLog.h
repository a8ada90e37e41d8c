// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>

namespace data {

// Deletes every log row and the per-day summary in one transaction. The summary's delete
// trigger would otherwise run once per row, seconds on a log of a million replies; it is set
// aside meanwhile and put back as it was. Throws DbError and leaves the log as it was.
void clearLog(const QSqlDatabase& db);

} // namespace data
