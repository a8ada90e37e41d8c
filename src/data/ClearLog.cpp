// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ClearLog.h"

#include "data/Sql.h"

#include <QSqlQuery>
#include <QStringList>

namespace data {

void clearLog(const QSqlDatabase& db) {
    Transaction t(db);
    // Read back rather than spelled again, so the triggers come back exactly as the file had
    // them: the summary's, and sync's, which would note every row as a reply taken back.
    QStringList triggers;
    QSqlQuery q = exec(db, QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = "
                                          "'trigger' AND name IN ('Log_days_delete', "
                                          "'Sync_log_delete')"));
    while (q.next()) {
        exec(db, QStringLiteral("DROP TRIGGER %1").arg(quoteIdentifier(q.value(0).toString())));
        triggers << q.value(1).toString();
    }
    exec(db, QStringLiteral("DELETE FROM Log"));
    exec(db, QStringLiteral("DELETE FROM LogDays"));
    for (const QString& trigger : triggers)
        exec(db, trigger);
    // A sync set up on this file tells the other machines: they remove the replies stamped
    // before this cleaning, and keep their later ones.
    exec(db, QStringLiteral("INSERT INTO SyncOutbox (Kind, A, B, Ms) SELECT 'X', NULL, NULL, "
                            "CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER) "
                            "FROM SyncReplica WHERE Capture = 1"));
    t.commit();
}

} // namespace data
