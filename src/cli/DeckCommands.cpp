// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DeckCommands.h"

#include "data/Database.h"
#include "data/DatabaseLock.h"
#include "data/Sql.h"
#include "decks/DeckImport.h"
#include "decks/DeckNames.h"
#include "decks/Kvtml.h"
#include "exchange/RegularFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

namespace app {
namespace {

QString parseImportArgs(const QStringList& args, QString& file, QString& setName, bool& swap) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QStringLiteral("--set")) {
            if (i + 1 >= args.size() || args[i + 1].trimmed().isEmpty())
                return QStringLiteral("--set needs the name of the new set");
            setName = args[++i];
        } else if (a == QStringLiteral("--swap")) {
            swap = true;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return QStringLiteral("Unknown argument \"%1\"").arg(a);
        } else if (file.isEmpty()) {
            file = a;
        } else {
            return QStringLiteral("import-deck takes one file; \"%1\" is one too many").arg(a);
        }
    }
    return file.isEmpty() ? QStringLiteral("import-deck needs the file to import") : QString();
}

QString cards(int n) {
    return n == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(n);
}

} // namespace

int runImportDeck(const CommandContext& context) {
    QString file, setName;
    bool swap = false;
    const QString misuse = parseImportArgs(context.args, file, setName, swap);
    if (!misuse.isEmpty())
        return commandMisused(misuse);

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
    if (swap)
        decks::swapSides(content);

    data::DatabaseLock lock(context.databasePath);
    const QString refused = openForCommand(context.databasePath, &lock);
    if (!refused.isEmpty())
        return commandFailed(refused);
    TerminalProgress progress;
    try {
        const QStringList names = decks::newSetNames(data::mainConnection(), content, setName);
        decks::storeDecks(data::mainConnection(), content, names, progress.callback());
        progress.finish();
        return commandDone(decks::deckImportSummary(content, names));
    } catch (const decks::DeckError& e) {
        return commandFailed(e.message());
    } catch (const data::DbError& e) {
        return nothingAdded(file, e.message());
    }
}

int runExportDeck(const CommandContext& context) {
    if (const std::optional<int> refused = openForSetExport(context, QStringLiteral("export-deck")))
        return *refused;
    const QString& setName = context.args[0];
    const QString& file = context.args[1];
    try {
        const int written = decks::writeKvtml(data::mainConnection(), setName, file);
        return commandDone(QStringLiteral("Exported %1 of the set \"%2\" to %3 (KVTML 2.0).")
                               .arg(cards(written), setName, file));
    } catch (const decks::DeckError& e) {
        return commandFailed(e.message());
    } catch (const data::DbError& e) {
        return commandFailed(QStringLiteral("The set could not be read: %1").arg(e.message()));
    }
}

} // namespace app
