// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExchangeCommands.h"

#include "data/Database.h"
#include "data/RegularFile.h"
#include "exchange/ExchangeFile.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/MediaCompanion.h"

#include <QCoreApplication>
#include <QDir>
#include <csignal>
#include <functional>

namespace cli {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

// SIGTERM and SIGINT wait until the work is done: the import is one transaction anyway,
// and an export would otherwise leave its temporary file behind.
class SignalsHeld {
  public:
    SignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        sigaddset(&held, SIGTERM);
        sigaddset(&held, SIGINT);
        pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t before_;
};

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The exchange file and its companion must be regular files (or, to be written, not there
// yet): a named pipe would hold the command, and the lock, for ever.
QString specialFiles(const QString& file, data::FileUse use) {
    QString refused = data::specialFileRefusal(file, use);
    if (refused.isEmpty())
        refused = data::specialFileRefusal(exchange::companionPath(file), use);
    return refused;
}

// The exchange file and its companion checked before the database is locked and opened;
// then `work` runs with the signals held, and prints its line.
int onExchangeFile(const CommandContext& context, const QString& file, data::FileUse use,
                   const std::function<QString()>& work) {
    if (const QString special = specialFiles(file, use); !special.isEmpty())
        return commandFailed(special);
    const CommandDatabase db(context.databasePath, CommandDatabase::Access::Write);
    if (!db.refusal().isEmpty())
        return commandFailed(db.refusal());
    try {
        SignalsHeld held;
        return commandDone(work());
    } catch (const exchange::ExchangeError& e) {
        return commandFailed(e.message());
    }
}

} // namespace

const CommandEntry& exportEntry() {
    static const CommandEntry entry{
        QStringLiteral("export"),
        {.operands = QStringLiteral("FILE")},
        QString::fromUtf8(
            QT_TRANSLATE_NOOP("Commands", "write the whole database to the exchange file FILE")),
        exportCommand};
    return entry;
}

const CommandEntry& importEntry() {
    static const QString misuse =
        QString::fromUtf8(QT_TRANSLATE_NOOP("Commands", "import needs exactly one FILE"));
    static const CommandEntry entry{
        QStringLiteral("import"),
        {.operands = QStringLiteral("FILE"),
         .options = {{.word = QStringLiteral("--with-log")}},
         .optionsFirst = true,
         .unknownWord = misuse,
         .extraWord = misuse},
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Commands", "merge the exchange file FILE into the database (with its log rows)")),
        importCommand};
    return entry;
}

int exportCommand(const CommandContext& context) {
    if (context.args.size() != 1 || context.args[0].startsWith(QLatin1Char('-')))
        return commandMisused(Text::tr("export needs exactly one FILE"));
    const QString file = context.args[0];
    return onExchangeFile(context, file, data::FileUse::Write, [&] {
        const exchange::ExportOutcome done = exchange::Export(data::mainConnection()).run(file);
        const QString companion = native(exchange::companionPath(file));
        QString line =
            done.companion && done.directions
                ? Text::tr("Exported %n records to %1, the answer lists of multiple-answer cards "
                           "and what is asked answer to question to %2.",
                           nullptr, int(done.records))
                      .arg(native(file), companion)
            : done.companion
                ? Text::tr("Exported %n records to %1, the answer lists of multiple-answer cards "
                           "to %2.",
                           nullptr, int(done.records))
                      .arg(native(file), companion)
            : done.directions
                ? Text::tr("Exported %n records to %1, what is asked answer to question to %2.",
                           nullptr, int(done.records))
                      .arg(native(file), companion)
                : Text::tr("Exported %n records to %1.", nullptr, int(done.records))
                      .arg(native(file));
        if (done.mediaFiles > 0)
            line += QLatin1Char(' ') +
                    Text::tr("%n pictures and sounds to %1.", nullptr, int(done.mediaFiles))
                        .arg(native(exchange::mediaCompanionPath(file)));
        for (const QString& note : exchange::exportNotes(done))
            line += QLatin1Char(' ') + note;
        return line;
    });
}

int importCommand(const CommandContext& context) {
    const CommandArgs args = parseArgs(importEntry(), context.args);
    if (!args.misuse.isEmpty())
        return commandMisused(args.misuse);
    if (args.operands.size() != 1 || args.operands[0].startsWith(QLatin1Char('-')))
        return commandMisused(importEntry().syntax.extraWord);
    const bool withLog = args.has(QStringLiteral("--with-log"));
    const QString file = args.operands[0];
    return onExchangeFile(context, file, data::FileUse::Read, [&] {
        const exchange::ImportOutcome done =
            exchange::Import(data::mainConnection()).run(file, withLog);
        const QString sets = Text::tr("%n sets", nullptr, int(done.setsAdded));
        const QString cards = Text::tr("%n cards", nullptr, int(done.cardsAdded));
        QString line = withLog
                           ? Text::tr("Imported %1: %2, %3, %4 added.")
                                 .arg(native(file), sets, cards,
                                      Text::tr("%n log rows", nullptr, int(done.logRowsAdded)))
                           : Text::tr("Imported %1: %2, %3 added.").arg(native(file), sets, cards);
        for (const QString& note :
             {done.companionNote, exchange::mediaNote(done), done.lastBlockNote,
              exchange::namesCutNote(done), exchange::multiWithoutAnswersNote(done)}) {
            if (!note.isEmpty())
                line += QLatin1Char(' ') + note;
        }
        return line;
    });
}

} // namespace cli
