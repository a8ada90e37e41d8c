#pragma once

#include "app/Commands.h"
#include "decks/Deck.h"

#include <QSqlDatabase>

namespace app {

// memorant import-deck FILE [--set NAME] [--swap]
int runImportDeck(const CommandContext& context);
// memorant export-deck SETNAME FILE
int runExportDeck(const CommandContext& context);

// The names the content's sets get in the database: as the file names them (or `setName`
// for a file that makes one set), " 2", " 3", ... appended where a name is taken.
QStringList newSetNames(const QSqlDatabase& db, const decks::DeckContent& content,
                        const QString& setName = {});

// "Imported 12 cards from F into the new set "A"." (or "into 3 new sets ("A", "B", "C")"),
// with what was left out, for the command's line and the window's message.
QString deckImportSummary(const decks::DeckContent& content, const QStringList& names);

} // namespace app
