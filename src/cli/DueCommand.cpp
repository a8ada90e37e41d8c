// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DueCommand.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "learn/rules/DueCards.h"
#include "learn/rules/MemoryStore.h"
#include "stats/StatsText.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

namespace cli {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

QString number(double value) {
    return QString::number(value, 'f', 6);
}

QString dayText(qint64 day) {
    return QDate::fromJulianDay(day).toString(Qt::ISODate);
}

// Read by other tools to check the model: one line per answered card and way.
QString dueCsv(const std::vector<learn::CardMemory>& cards) {
    QString out = QStringLiteral("card_id,set,direction,stability,difficulty,retrievability,"
                                 "last_day,next_day\n");
    for (const learn::CardMemory& c : cards)
        out += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8\n")
                   .arg(c.cardId)
                   .arg(stats::csvField(c.setName),
                        c.reverse ? QStringLiteral("reverse") : QStringLiteral("forward"),
                        number(c.state.stability), number(c.state.difficulty),
                        number(c.retrievability), dayText(c.lastDay), dayText(c.nextDay));
    return out;
}

// The due cards, lowest recall first, and a line saying how many.
QString dueText(const std::vector<learn::CardMemory>& cards, double desiredRetention) {
    std::vector<const learn::CardMemory*> due;
    for (const learn::CardMemory& c : cards)
        if (learn::isDue(c, desiredRetention))
            due.push_back(&c);
    std::stable_sort(due.begin(), due.end(), [](const auto* a, const auto* b) {
        return a->retrievability < b->retrievability;
    });
    QString out;
    for (const learn::CardMemory* c : due)
        out += QStringLiteral("%1\t%2\t%3\n")
                   .arg(c->setName,
                        c->reverse ? Text::tr("%1 (answer to question)").arg(c->question)
                                   : c->question,
                        Text::tr("recall %1%").arg(c->retrievability * 100, 0, 'f', 0));
    out += (due.empty() ? Text::tr("Nothing is due today.")
                        : Text::tr("%n cards due today.", nullptr, int(due.size()))) +
           QLatin1Char('\n');
    return out;
}

} // namespace

const CommandEntry& dueEntry() {
    static const QString misuse =
        QString::fromUtf8(QT_TRANSLATE_NOOP("Commands", "due does not understand \"%1\""));
    static const CommandEntry entry{
        QStringLiteral("due"),
        {.options = {{.word = QStringLiteral("--set"), .value = QStringLiteral("NAME")},
                     {.word = QStringLiteral("--csv")}},
         .unknownWord = misuse,
         .extraWord = misuse},
        QString::fromUtf8(QT_TRANSLATE_NOOP("Commands",
                                            "print the cards due for review today, or as CSV "
                                            "what the model of memory knows of every answered "
                                            "card")),
        dueCommand};
    return entry;
}

int dueCommand(const CommandContext& context) {
    const CommandArgs args = parseArgs(dueEntry(), context.args);
    if (!args.misuse.isEmpty())
        return commandMisused(args.misuse);
    const QString setName = args.value(QStringLiteral("--set"));
    // Only reads: no lock, so it works while the program has the file open.
    const CommandDatabase opened(context.databasePath, CommandDatabase::Access::Read);
    if (!opened.refusal().isEmpty())
        return commandFailed(opened.refusal());
    try {
        const QSqlDatabase db = data::mainConnection();
        if (!setName.isEmpty() &&
            !data::scalar(db, QStringLiteral("SELECT 1 FROM Set1 WHERE SetName = ?"), {setName})
                 .isValid())
            return commandFailed(Text::tr("There is no set \"%1\"").arg(setName));
        const double retention = learn::chosenRetention(db);
        const std::vector<learn::CardMemory> cards =
            learn::cardMemories(db, QDate::currentDate().toJulianDay(), retention, setName);
        commandOut() << (args.has(QStringLiteral("--csv")) ? dueCsv(cards)
                                                           : dueText(cards, retention))
                     << Qt::flush;
        return 0;
    } catch (const data::DbError& e) {
        return commandFailed(Text::tr("The log could not be read: %1").arg(e.message()));
    }
}

} // namespace cli
