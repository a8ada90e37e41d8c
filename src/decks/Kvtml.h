// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"

#include <QByteArray>
#include <QLatin1String>
#include <QSqlDatabase>

namespace decks {

// The set a KVTML file (2.0, or the older 1.x form) makes from its bytes. Throws DeckError,
// naming the file and the line, when the XML is not well-formed or no entry is usable. A
// file Memorant wrote (it names itself as the generator) is read exactly; in other files
// each text is trimmed and its line breaks become blanks. An entry's first picture and first
// sound (<image>, <sound>: a path relative to the file, or a file:// URL) go with its card.
DeckContent readKvtml(const QString& path, const QByteArray& bytes,
                      const DeckReading& reading = {});

// Writes the set as KVTML 2.0 (UTF-8, the identifiers "Question" and "Answer", one entry per
// card). The cards' pictures and sounds are written to the folder "<file>.media" beside it
// (mediaFolderOf), each once, and referred to relatively. Returns the cards written; throws
// DeckError when there is no such set or the file cannot be written, data::DbError when the set
// cannot be read.
int writeKvtml(const QSqlDatabase& db, const QString& setName, const QString& path);

// A multiple-answer card is written so that Memorant, and KDE's vocabulary library (which
// keeps only what it knows of a file it saves again), both keep it: its answer's translation
// holds the answers joined by "; " as its text (what a KDE trainer shows), each answer as one
// choice of its multiple-choice list, and one of these as its comment. Read back, a
// translation with such a comment and two or more choices makes a multiple-answer card.
inline constexpr QLatin1String kAnswersInOrder("Multiple answers, in this order");
inline constexpr QLatin1String kAnswersInAnyOrder("Multiple answers, in any order");

} // namespace decks
