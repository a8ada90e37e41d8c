// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"

#include <QSqlDatabase>
#include <QStringList>

namespace decks {

// The names the content's sets get in the database: as the file names them (or `setName`
// for a file that makes one set), " 2", " 3", ... appended where a name is taken.
QStringList newSetNames(const QSqlDatabase& db, const DeckContent& content,
                        const QString& setName = {});

// "Imported 12 cards from F into the new set "A"." (or "into 3 new sets ("A", "B", "C")"),
// with what was left out and the names that were cut short, for the command's line and the
// window's message. `stored` is what storeDecks() returned; `setName` as for newSetNames().
QString deckImportSummary(const DeckContent& content, const QStringList& names, int stored,
                          const QString& setName = {});

} // namespace decks
