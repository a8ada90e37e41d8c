// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StatsCommand.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "stats/StatsText.h"

#include <QTextStream>

namespace app {

int statsCommand(const CommandContext& context) {
    std::optional<int> days;
    QString setName;
    bool csv = false;
    const QStringList& args = context.args;
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (word == QLatin1String("--csv")) {
            csv = true;
        } else if (word == QLatin1String("--days") || word == QLatin1String("--set")) {
            if (i + 1 >= args.size())
                return commandMisused(QStringLiteral("%1 needs a value").arg(word));
            const QString value = args[++i];
            if (word == QLatin1String("--set")) {
                setName = value;
                continue;
            }
            bool number = false;
            const int n = value.toInt(&number);
            // A hundred thousand days reach back to before any calendar a log could use.
            if (!number || n < 1 || n > 100000)
                return commandMisused(
                    QStringLiteral("--days needs a whole number of days from 1 to 100000, not "
                                   "\"%1\"")
                        .arg(value));
            days = n;
        } else {
            return commandMisused(QStringLiteral("stats does not understand \"%1\"").arg(word));
        }
    }
    // Only reads: no lock, so it works while the program has the file open.
    const QString refused = openForCommand(context.databasePath, nullptr);
    if (!refused.isEmpty())
        return commandFailed(refused);
    try {
        const QSqlDatabase db = data::mainConnection();
        if (!setName.isEmpty() && !stats::setNameKnown(db, setName))
            return commandFailed(
                QStringLiteral("There is no set \"%1\", and no log row names it").arg(setName));
        const QDate today = QDate::currentDate();
        const stats::DayRange range =
            days ? stats::lastDays(*days, today) : stats::allDays(db, today);
        const QVector<stats::DayCount> perDay = stats::repliesPerDay(db, range, setName);
        const QVector<stats::SetSummary> perSet = stats::setSummaries(db, range, setName);
        QTextStream out(stdout);
        out << (csv ? stats::statsCsv(perDay, perSet) : stats::statsText(perDay, perSet));
        out.flush();
        return 0;
    } catch (const data::DbError& e) {
        return commandFailed(QStringLiteral("The log could not be read: %1").arg(e.message()));
    }
}

} // namespace app
