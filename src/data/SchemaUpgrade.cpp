#include "data/SchemaUpgrade.h"

#include "data/Database.h"
#include "data/Sql.h"

namespace data {

const std::vector<UpgradeStep>& upgradeSteps() {
    // Version 1 is the first released schema; later versions add their steps below.
    static const std::vector<UpgradeStep> steps = {
        // The options of a multiple-answer card are 0 or 1: an empty one (a card converted
        // before the columns had defaults) is 0, as judging has always taken it.
        {2,
         {QStringLiteral("UPDATE Card SET ShowOrder = 0 "
                         "WHERE ShowOrder IS NULL OR trim(ShowOrder) = ''"),
          QStringLiteral(
              "UPDATE Card SET DisplayQuestionNumber = 0 "
              "WHERE DisplayQuestionNumber IS NULL OR trim(DisplayQuestionNumber) = ''")}},
    };
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
