#include "data/SchemaUpgrade.h"

#include "data/Database.h"
#include "data/Sql.h"

namespace data {

const std::vector<UpgradeStep>& upgradeSteps() {
    // Version 1 is the first released schema; later versions add their steps below.
    static const std::vector<UpgradeStep> steps = {};
    return steps;
}

void upgradeSchema(const QSqlDatabase& db) {
    const int version = scalar(db, QStringLiteral("PRAGMA user_version")).toInt();
    if (version >= kSchemaVersion)
        return;
    Transaction t(db);
    for (const UpgradeStep& step : upgradeSteps()) {
        if (step.toVersion <= version)
            continue;
        for (const QString& statement : step.statements)
            exec(db, statement);
    }
    exec(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    t.commit();
}

} // namespace data
