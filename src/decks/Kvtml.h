// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"

#include <QByteArray>
#include <QSqlDatabase>

namespace decks {

// The set a KVTML file (2.0, or the older 1.x form) makes from its bytes. Throws DeckError,
// naming the file and the line, when the XML is not well-formed or no entry is usable.
DeckContent readKvtml(const QString& path, const QByteArray& bytes);

// Writes the set as KVTML 2.0 (UTF-8, the identifiers "Question" and "Answer", one entry per
// card; a multiple-answer card's answers joined by "; "). Returns the cards written; throws
// DeckError when there is no such set or the file cannot be written, data::DbError when the
// set cannot be read.
int writeKvtml(const QSqlDatabase& db, const QString& setName, const QString& path);

} // namespace decks
