// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DeckCommands.h"

#include "data/Database.h"
#include "data/RegularFile.h"
#include "data/Sql.h"
#include "decks/DeckImport.h"
#include "decks/DeckNames.h"
#include "decks/Kvtml.h"
#include "decks/KvtmlMediaFolder.h"
#include "media/MediaStore.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace cli {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

const char* const kSetMissing =
    QT_TRANSLATE_NOOP("Commands", "--set needs the name of the new set");

} // namespace

const CommandEntry& importDeckEntry() {
    static const CommandEntry entry{
        QStringLiteral("import-deck"),
        {.operands = QStringLiteral("FILE"),
         .options = {{.word = QStringLiteral("--set"),
                      .value = QStringLiteral("NAME"),
                      .missing = QString::fromUtf8(kSetMissing)},
                     {.word = QStringLiteral("--swap")}}},
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Commands", "add the cards of a KVTML file or an .apkg/.colpkg deck package")),
        runImportDeck};
    return entry;
}

const CommandEntry& exportDeckEntry() {
    static const CommandEntry entry{
        QStringLiteral("export-deck"),
        {.operands = QStringLiteral("SETNAME FILE")},
        QString::fromUtf8(QT_TRANSLATE_NOOP("Commands", "write a set as a KVTML 2.0 file")),
        runExportDeck};
    return entry;
}

int runImportDeck(const CommandContext& context) {
    const CommandArgs args = parseArgs(importDeckEntry(), context.args);
    const QString setName = args.value(QStringLiteral("--set"));
    if (!args.misuse.isEmpty())
        return commandMisused(args.misuse);
    if (args.has(QStringLiteral("--set")) && setName.trimmed().isEmpty())
        return commandMisused(Text::tr(kSetMissing));
    if (args.operands.isEmpty())
        return commandMisused(Text::tr("import-deck needs the file to import"));
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
        return commandMisused(Text::tr("--set names one set, but %1 makes %n sets; nothing was "
                                       "added",
                                       nullptr, int(content.sets.size()))
                                  .arg(QFileInfo(file).fileName()));
    if (args.has(QStringLiteral("--swap")))
        decks::swapSides(content);
    if (content.sets.isEmpty())
        return commandFailed(Text::tr("%1: every question is the multiple-answer mark \"Multi\", "
                                      "which cannot be an answer; nothing was added")
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
                                   ? decks::mediaFolderOf(file)
                                   : QString();
        return commandDone(
            folder.isEmpty()
                ? Text::tr("Exported %n cards of the set \"%1\" to %2 (KVTML 2.0).", nullptr,
                           written)
                      .arg(setName, file)
                : Text::tr("Exported %n cards of the set \"%1\" to %2 (KVTML 2.0), their "
                           "pictures and sounds to %3.",
                           nullptr, written)
                      .arg(setName, file, folder));
    } catch (const decks::DeckError& e) {
        return commandFailed(e.message());
    } catch (const data::DbError& e) {
        return commandFailed(Text::tr("The set could not be read: %1").arg(e.message()));
    }
}

} // namespace cli
