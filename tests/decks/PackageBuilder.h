// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace testing {

// The three forms of a deck package's collection: the JSON columns of `col` (collection.anki2
// and collection.anki21), and the note type, field and deck tables (collection.anki21b,
// zstd-compressed).
enum class Collection { Anki2, Anki21, Anki21b };

// A collection file made from SQL written from the format's public description, its tables
// declared as the trainer declares them (in the newest form with the collation "unicase" on
// their names, registered on the connection as the trainer does): two decks and a subdeck, a
// basic note with HTML, a reversed note with a sound and a picture whose cards sit in two
// decks, a cloze note with a hint, a note with named entities, and a note left with an empty
// question.
void writeCollection(const QString& path, Collection form);

// A zip archive of the entries, each stored or deflated as libzip chooses.
void writeZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries);

QByteArray zstd(const QByteArray& bytes);

// The package of that collection, as its trainer writes it, in `dir`.
QString writePackage(const QString& dir, Collection form);

} // namespace testing
