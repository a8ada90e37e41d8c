// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StatsCommand.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "learn/rules/DueCards.h"
#include "learn/rules/MemoryStore.h"
#include "stats/StatsText.h"

#include <QCoreApplication>
#include <QTextStream>

namespace cli {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

// The cards of all sets (or one) coming due on each of the next 30 days, and how often a
// card was answered right when it was due, beside the retention the model aims at.
int printForecast(const QSqlDatabase& db, const QString& setName, bool csv) {
    if (!setName.isEmpty() &&
        !data::scalar(db, QStringLiteral("SELECT 1 FROM Set1 WHERE SetName = ?"), {setName})
             .isValid())
        return commandFailed(Text::tr("There is no set \"%1\"").arg(setName));
    const QDate today = QDate::currentDate();
    const double retention = learn::chosenRetention(db);
    const std::vector<learn::CardMemory> cards =
        learn::cardMemories(db, today.toJulianDay(), retention, setName);
    const std::vector<int> due = learn::dueForecast(cards, today.toJulianDay());
    // The CSV is read by scripts: its heading stays as it is in every language.
    QString out = csv ? QStringLiteral("date,due\n") : Text::tr("Due") + QLatin1Char('\n');
    for (size_t d = 0; d < due.size(); ++d)
        out += (csv ? QStringLiteral("%1,%2\n") : QStringLiteral("%1  %2\n"))
                   .arg(today.addDays(qint64(d)).toString(Qt::ISODate))
                   .arg(due[d]);
    if (!csv) {
        int replies = 0;
        int right = 0;
        for (const learn::CardMemory& c : cards) {
            replies += c.dueReplies;
            right += c.dueRight;
        }
        out += QLatin1Char('\n') +
               (replies == 0 ? Text::tr("No card has been answered when due yet.")
                             : Text::tr("Answered right when due: %1% of %2 (aiming at %3%)")
                                   .arg(QString::number(100.0 * right / replies, 'f', 1))
                                   .arg(replies)
                                   .arg(QString::number(retention * 100, 'f', 0))) +
               QLatin1Char('\n');
    }
    commandOut() << out << Qt::flush;
    return 0;
}

} // namespace

const CommandEntry& statsEntry() {
    static const QString misuse =
        QString::fromUtf8(QT_TRANSLATE_NOOP("Commands", "stats does not understand \"%1\""));
    static const CommandEntry entry{
        QStringLiteral("stats"),
        {.options = {{.word = QStringLiteral("--days"), .value = QStringLiteral("N")},
                     {.word = QStringLiteral("--set"), .value = QStringLiteral("NAME")},
                     {.word = QStringLiteral("--csv")},
                     {.word = QStringLiteral("--forecast")}},
         .unknownWord = misuse,
         .extraWord = misuse},
        QString::fromUtf8(QT_TRANSLATE_NOOP("Commands",
                                            "print the replies per day and per set, or with "
                                            "--forecast the cards coming due in the next 30 days, "
                                            "as text or CSV")),
        statsCommand};
    return entry;
}

int statsCommand(const CommandContext& context) {
    const CommandArgs args = parseArgs(statsEntry(), context.args);
    if (!args.misuse.isEmpty())
        return commandMisused(args.misuse);
    const bool csv = args.has(QStringLiteral("--csv"));
    const QString setName = args.value(QStringLiteral("--set"));
    std::optional<int> days;
    if (args.has(QStringLiteral("--days"))) {
        const QString value = args.value(QStringLiteral("--days"));
        bool number = false;
        const int n = value.toInt(&number);
        // A hundred thousand days reach back to before any calendar a log could use.
        if (!number || n < 1 || n > 100000)
            return commandMisused(
                Text::tr("--days needs a whole number of days from 1 to 100000, not \"%1\"")
                    .arg(value));
        days = n;
    }
    // Only reads: no lock, so it works while the program has the file open.
    const CommandDatabase opened(context.databasePath, CommandDatabase::Access::Read);
    if (!opened.refusal().isEmpty())
        return commandFailed(opened.refusal());
    try {
        const QSqlDatabase db = data::mainConnection();
        if (args.has(QStringLiteral("--forecast")))
            return printForecast(db, setName, csv);
        if (!setName.isEmpty() && !stats::setNameKnown(db, setName))
            return commandFailed(
                Text::tr("There is no set \"%1\", and no log row names it").arg(setName));
        const QDate today = QDate::currentDate();
        const stats::LogSpan span = stats::logSpan(db);
        const stats::DayRange range =
            days ? stats::lastDays(*days, today) : stats::allDays(span, today);
        const QVector<stats::DayCount> perDay = stats::repliesPerDay(db, range, setName);
        const QVector<stats::SetSummary> perSet =
            stats::setSummaries(db, range, setName, nullptr, &span);
        const QString note = stats::logSpanNote(span);
        commandOut() << (csv ? stats::statsCsv(perDay, perSet) : stats::statsText(perDay, perSet));
        // The CSV stays numbers only; the note goes beside it.
        if (!note.isEmpty())
            (csv ? commandErr() : commandOut())
                << (csv ? QString() : QStringLiteral("\n")) << note << '\n';
        commandOut() << Qt::flush;
        commandErr() << Qt::flush;
        return 0;
    } catch (const data::DbError& e) {
        return commandFailed(Text::tr("The log could not be read: %1").arg(e.message()));
    }
}

} // namespace cli
