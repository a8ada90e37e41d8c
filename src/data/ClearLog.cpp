// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ClearLog.h"

#include "data/Sql.h"

namespace data {

void clearLog(const QSqlDatabase& db) {
    Transaction t(db);
    // Read back rather than spelled again, so the trigger comes back exactly as the file had it.
    const QString trigger =
        scalar(db, QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'trigger' "
                                  "AND name = 'Log_days_delete'"))
            .toString();
    if (!trigger.isEmpty())
        exec(db, QStringLiteral("DROP TRIGGER Log_days_delete"));
    exec(db, QStringLiteral("DELETE FROM Log"));
    exec(db, QStringLiteral("DELETE FROM LogDays"));
    if (!trigger.isEmpty())
        exec(db, trigger);
    t.commit();
}

} // namespace data
