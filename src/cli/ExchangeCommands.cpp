// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExchangeCommands.h"

#include "data/Database.h"
#include "data/DatabaseLock.h"
#include "exchange/ExchangeFile.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/RegularFile.h"

#include <QDir>
#include <csignal>

namespace app {
namespace {

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
QString specialFiles(const QString& file, exchange::FileUse use) {
    QString refused = exchange::specialFileRefusal(file, use);
    if (refused.isEmpty())
        refused = exchange::specialFileRefusal(exchange::companionPath(file), use);
    return refused;
}

// A special file is refused before the database is locked; then the lock and the database.
QString lockAndOpen(const QString& file, exchange::FileUse use, const CommandContext& context,
                    data::DatabaseLock& lock) {
    const QString special = specialFiles(file, use);
    return special.isEmpty() ? openForCommand(context.databasePath, &lock) : special;
}

} // namespace

int exportCommand(const CommandContext& context) {
    if (context.args.size() != 1 || context.args[0].startsWith(QLatin1Char('-')))
        return commandMisused(QStringLiteral("export needs exactly one FILE"));
    const QString file = context.args[0];
    data::DatabaseLock lock(context.databasePath);
    if (const QString refused = lockAndOpen(file, exchange::FileUse::Write, context, lock);
        !refused.isEmpty())
        return commandFailed(refused);
    try {
        SignalsHeld held;
        const exchange::ExportOutcome done = exchange::Export(data::mainConnection()).run(file);
        QString line =
            QStringLiteral("Exported %1 records to %2").arg(done.records).arg(native(file));
        if (done.companion)
            line += QStringLiteral(", the answer lists of multiple-answer cards to %1")
                        .arg(native(exchange::companionPath(file)));
        line += QLatin1Char('.');
        if (done.textsChanged > 0)
            line += QStringLiteral(" %1 texts held line breaks, written as blanks.")
                        .arg(done.textsChanged);
        return commandDone(line);
    } catch (const exchange::ExchangeError& e) {
        return commandFailed(e.message());
    }
}

int importCommand(const CommandContext& context) {
    QStringList args = context.args;
    const bool withLog = args.removeAll(QStringLiteral("--with-log")) > 0;
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-')))
        return commandMisused(QStringLiteral("import needs exactly one FILE"));
    const QString file = args[0];
    data::DatabaseLock lock(context.databasePath);
    if (const QString refused = lockAndOpen(file, exchange::FileUse::Read, context, lock);
        !refused.isEmpty())
        return commandFailed(refused);
    try {
        SignalsHeld held;
        const exchange::ImportOutcome done =
            exchange::Import(data::mainConnection()).run(file, withLog);
        QString line = QStringLiteral("Imported %1: %2 sets, %3 cards")
                           .arg(native(file))
                           .arg(done.setsAdded)
                           .arg(done.cardsAdded);
        if (withLog)
            line += QStringLiteral(", %1 log rows").arg(done.logRowsAdded);
        line += QStringLiteral(" added.");
        for (const QString& note :
             {done.companionNote, done.lastBlockNote, exchange::multiWithoutAnswersNote(done)}) {
            if (!note.isEmpty())
                line += QLatin1Char(' ') + note;
        }
        return commandDone(line);
    } catch (const exchange::ExchangeError& e) {
        return commandFailed(e.message());
    }
}

} // namespace app
