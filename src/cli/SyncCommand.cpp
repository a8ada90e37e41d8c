// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SyncCommand.h"

#include "data/Backups.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "data/WalCheckpoints.h"
#include "sync/Sync.h"

#include <QCoreApplication>

namespace cli {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

// A machine long unseen holds the folding of this one's changes back until it is forgotten.
QString unseenNote(const syncing::MachineStatus& m) {
    if (m.unseenDays < syncing::kForgetAfterDays)
        return {};
    // A machine never seen at all counts as unseen for ever.
    constexpr qint64 kCentury = qint64{100} * 365;
    const QString name = m.name.isEmpty() ? m.replica : m.name;
    return m.unseenDays > kCentury
               ? Text::tr(", never seen: sync --forget \"%1\" stops waiting for it").arg(name)
               : Text::tr(", unseen for %n days: sync --forget \"%1\" stops waiting for it",
                          nullptr, int(m.unseenDays))
                     .arg(name);
}

int printStatus(const QSqlDatabase& db) {
    const std::vector<syncing::MachineStatus> list = syncing::machines(db);
    if (list.empty())
        return commandFailed(Text::tr("This database has never been synced"));
    const qint64 ownWritten = list.front().written; // this machine comes first
    for (const syncing::MachineStatus& m : list) {
        const QString last = m.lastChange.isEmpty() ? Text::tr("never") : m.lastChange;
        if (m.self)
            commandOut() << Text::tr("%1 (this machine): last change %2, %3 change files written")
                                .arg(m.name, last)
                                .arg(m.written)
                         << '\n';
        else
            commandOut() << Text::tr("%1: last change %2, read %3 of %4 change files, has read %5 "
                                     "of this machine's %6%7")
                                .arg(m.name.isEmpty() ? m.replica : m.name, last)
                                .arg(m.readSeq)
                                .arg(std::max(m.written, m.readSeq))
                                .arg(m.readOfThis)
                                .arg(std::max(ownWritten, m.readOfThis))
                                .arg(unseenNote(m))
                         << '\n';
    }
    commandOut() << Qt::flush;
    return 0;
}

} // namespace

const CommandEntry& syncEntry() {
    static const QString misuse =
        QString::fromUtf8(QT_TRANSLATE_NOOP("Commands", "sync does not understand \"%1\""));
    static const CommandEntry entry{
        QStringLiteral("sync"),
        {.options = {{.word = QStringLiteral("--folder"), .value = QStringLiteral("DIR")},
                     {.word = QStringLiteral("--name"), .value = QStringLiteral("NAME")},
                     {.word = QStringLiteral("--status")},
                     {.word = QStringLiteral("--forget"), .value = QStringLiteral("NAME")},
                     {.word = QStringLiteral("--stop")}},
         .unknownWord = misuse,
         .extraWord = misuse},
        QString::fromUtf8(QT_TRANSLATE_NOOP("Commands",
                                            "send this machine's changes to a folder a sync tool "
                                            "keeps alike on every machine, and take the others' "
                                            "from it")),
        syncCommand};
    return entry;
}

int syncCommand(const CommandContext& context) {
    const CommandArgs args = parseArgs(syncEntry(), context.args);
    if (!args.misuse.isEmpty())
        return commandMisused(args.misuse);
    const CommandDatabase opened(context.databasePath, CommandDatabase::Access::Write);
    if (!opened.refusal().isEmpty())
        return commandFailed(opened.refusal());
    const QSqlDatabase db = data::mainConnection();
    try {
        if (args.has(QStringLiteral("--status")))
            return printStatus(db);
        if (args.has(QStringLiteral("--stop"))) {
            syncing::stopSync(db);
            return commandDone(Text::tr("Sync stopped: the folder is forgotten, nothing was "
                                        "deleted"));
        }
        if (args.has(QStringLiteral("--forget"))) {
            const QString name = args.value(QStringLiteral("--forget"));
            const QString refusal = syncing::forgetMachine(db, name);
            if (!refusal.isEmpty())
                return commandFailed(refusal);
            return commandDone(Text::tr("\"%1\" is forgotten").arg(name));
        }
        const syncing::ReplicaRow replica = syncing::readReplica(db);
        const QString folder = args.value(QStringLiteral("--folder"));
        if (folder.isEmpty() && replica.folder.isEmpty())
            return commandMisused(Text::tr("No sync folder is set: name one with --folder DIR"));
        if (replica.id.isEmpty()) {
            // The first sync changes much: the collection as it was is kept first.
            const data::BackupResult backup = data::backUp(context.databasePath);
            if (backup.path.isEmpty())
                return commandFailed(
                    Text::tr("No backup could be taken before the first sync, so nothing was "
                             "synced: %1")
                        .arg(backup.error.isEmpty() ? backup.damage : backup.error));
        }
        // A sync writes much: the log is copied into the file on the other core, as the
        // window has it done.
        data::walCheckpoints::start(context.databasePath);
        const syncing::SyncSummary summary =
            syncing::runSync(db, {folder, args.value(QStringLiteral("--name"))});
        data::walCheckpoints::stop();
        for (const QString& note : summary.notes)
            commandErr() << "memorant: " << note << '\n';
        if (const QString waiting = summary.mediaWaitingNote(); !waiting.isEmpty())
            commandErr() << "memorant: " << waiting << '\n';
        if (summary.joinedSets + summary.joinedCards > 0)
            commandErr() << "memorant: "
                         << Text::tr("joined %1 set(s) and %2 card(s) of this database with the "
                                     "same ones of another machine")
                                .arg(summary.joinedSets)
                                .arg(summary.joinedCards)
                         << '\n';
        if (summary.renamed > 0)
            commandErr() << "memorant: "
                         << Text::tr("%n set(s) renamed with a number: another set had the name",
                                     nullptr, int(summary.renamed))
                         << '\n';
        commandErr() << Qt::flush;
        commandOut() << summary.line() << Qt::endl;
        if (!summary.error.isEmpty())
            return commandFailed(summary.error);
        return summary.skipped > 0 ? 3 : 0;
    } catch (const data::Error& e) {
        return commandFailed(e.message());
    }
}

} // namespace cli
