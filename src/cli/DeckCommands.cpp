// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DeckCommands.h"

#include "data/Counted.h"
#include "data/Database.h"
#include "data/RegularFile.h"
#include "data/Sql.h"
#include "decks/DeckImport.h"
#include "decks/DeckNames.h"
#include "decks/Kvtml.h"
#include "decks/KvtmlMediaFolder.h"
#include "media/MediaStore.h"

#include <QFileInfo>

namespace cli {
namespace {

const QString kSetMissing = QStringLiteral("--set needs the name of the new set");

} // namespace

const CommandEntry& importDeckEntry() {
    static const CommandEntry entry{
        QStringLiteral("import-deck"),
        {.operands = QStringLiteral("FILE"),
         .options = {{.word = QStringLiteral("--set"),
                      .value = QStringLiteral("NAME"),
                      .missing = kSetMissing},
                     {.word = QStringLiteral("--swap")}}},
        QStringLiteral("add the cards of a KVTML file or an .apkg/.colpkg deck package"),
        runImportDeck};
    return entry;
}

const CommandEntry& exportDeckEntry() {
    static const CommandEntry entry{QStringLiteral("export-deck"),
                                    {.operands = QStringLiteral("SETNAME FILE")},
                                    QStringLiteral("write a set as a KVTML 2.0 file"),
                                    runExportDeck};
    return entry;
}

int runImportDeck(const CommandContext& context) {
    const CommandArgs args = parseArgs(importDeckEntry(), context.args);
    const QString setName = args.value(QStringLiteral("--set"));
    if (!args.misuse.isEmpty())
        return commandMisused(args.misuse);
    if (args.has(QStringLiteral("--set")) && setName.trimmed().isEmpty())
        return commandMisused(kSetMissing);
    if (args.operands.isEmpty())
        return commandMisused(QStringLiteral("import-deck needs the file to import"));
    const QString file = args.operands.first();

    // The file is read whole before the database is locked: a file that cannot be imported
    // is refused at once, and nothing waits on it.
    decks::DeckContent content;
    try {
        content = decks::readDeckFile(file);
    } catch (const decks::DeckError& e) {
        return commandFailed(e.message());
    }
    if (!setName.isEmpty() && content.sets.size() > 1)
        return commandMisused(QStringLiteral("--set names one set, but %1 makes %2 sets; "
                                             "nothing was added")
                                  .arg(QFileInfo(file).fileName())
                                  .arg(content.sets.size()));
    if (args.has(QStringLiteral("--swap")))
        decks::swapSides(content);
    if (content.sets.isEmpty())
        return commandFailed(QStringLiteral("%1: every question is the multiple-answer mark "
                                            "\"Multi\", which cannot be an answer; nothing was "
                                            "added")
                                 .arg(QFileInfo(file).fileName()));

    return addFromFile(context, file, [&](const data::Progress& progress) {
        const QStringList names = decks::newSetNames(data::mainConnection(), content, setName);
        const int stored = decks::storeDecks(data::mainConnection(), content, names, progress);
        return decks::deckImportSummary(content, names, stored, setName);
    });
}

int runExportDeck(const CommandContext& context) {
    if (const std::optional<int> refused = openForSetExport(context, QStringLiteral("export-deck")))
        return *refused;
    const QString& setName = context.args[0];
    const QString& file = context.args[1];
    try {
        const int written = decks::writeKvtml(data::mainConnection(), setName, file);
        // The folder goes with the file: whoever passes the file on must know of it.
        const QString folder = media::setHoldsMedia(data::mainConnection(), setName)
                                   ? QStringLiteral(", their pictures and sounds to %1")
                                         .arg(decks::mediaFolderOf(file))
                                   : QString();
        return commandDone(
            QStringLiteral("Exported %1 of the set \"%2\" to %3 (KVTML 2.0)%4.")
                .arg(data::counted(written, QStringLiteral("card")), setName, file, folder));
    } catch (const decks::DeckError& e) {
        return commandFailed(e.message());
    } catch (const data::DbError& e) {
        return commandFailed(QStringLiteral("The set could not be read: %1").arg(e.message()));
    }
}

} // namespace cli
