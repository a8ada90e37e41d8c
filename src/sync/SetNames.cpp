// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SetNames.h"

#include "sets/rules/SetRules.h"
#include "sync/Shadow.h"

#include <vector>

namespace syncing {

int nameSetsApart(const QSqlDatabase& db) {
    struct Named {
        QVariant setId;
        QString current, wanted;
        bool shadowed;
    };
    std::vector<Named> sets;
    // Sets not sent yet first, then by the stamp of their name.
    data::Statement& q = sqlRun(
        db, QStringLiteral("SELECT l.Set_ID, l.SetName, s.Name, s.Gid IS NOT NULL FROM Set1 l "
                           "LEFT JOIN SyncSet s ON s.Set_ID = l.Set_ID AND s.Gid = s.Canon "
                           "ORDER BY s.Gid IS NOT NULL, s.NameAt, s.Gid, l.Set_ID"));
    while (q.next())
        sets.push_back(
            {q.value(0), q.value(1).toString(), q.value(2).toString(), q.value(3).toBool()});
    QStringList taken;
    taken.reserve(static_cast<qsizetype>(sets.size()));
    int numbered = 0;
    bool changes = false;
    for (Named& s : sets) {
        if (s.shadowed) {
            const QString name = sets::uniqueSetName(taken, s.wanted);
            if (name != s.wanted && s.current != name)
                ++numbered;
            s.wanted = name;
        } else {
            s.wanted = s.current;
        }
        taken << s.wanted;
        changes = changes || s.wanted != s.current;
    }
    if (!changes)
        return 0;
    // The chosen set is found by its name before any set changes its own.
    const QString chosen =
        sqlValue(db, QStringLiteral("SELECT SetName FROM Fields LIMIT 1")).toString();
    QVariant chosenId;
    for (const Named& s : sets)
        if (!chosen.isEmpty() && s.current == chosen)
            chosenId = s.setId;
    for (const Named& s : sets) {
        if (s.wanted == s.current)
            continue;
        sqlRun(db, QStringLiteral("UPDATE Set1 SET SetName = ? WHERE Set_ID = ?"),
               {s.wanted, s.setId});
        if (s.setId == chosenId)
            sqlRun(db, QStringLiteral("UPDATE Fields SET SetName = ?"), {s.wanted});
    }
    return numbered;
}

} // namespace syncing
