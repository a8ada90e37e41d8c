// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Progress.h"
#include "decks/Deck.h"

#include <QSqlDatabase>

namespace decks {

// Reads a file of another trainer, its format told by its content: a zip archive is a deck
// package, an XML file with a kvtml root a KVTML file. Only a regular file is read. Throws
// DeckError naming the file.
DeckContent readDeckFile(const QString& path, const DeckReading& reading = {});

// Exchanges question and answer of every single-answer card (a multiple-answer card has no
// one answer to ask by, and stays as it is). A card whose answer is then the mark "Multi" is
// left out and counted, and a set left without cards with it.
void swapSides(DeckContent& content);

// Adds one new set per set of the content, named `names` (made unique by the caller), in
// one transaction: a failure or a cancel (the progress, counting cards, says stop) adds
// nothing (DeckError, or data::DbError). Returns the cards stored: a card whose question or
// answers hold nothing a text may keep (sets::NewSetWriter) is left out. A card's picture and
// sound are stored with it.
int storeDecks(const QSqlDatabase& db, const DeckContent& content, const QStringList& names,
               const data::Progress& progress = {});

} // namespace decks
