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

// The same package holding media: `files` by the names the notes use ("chat.mp3", "cat.jpg"),
// a null one named in the media list but not in the archive. The newest form lists them as
// zstd-compressed protobuf and compresses each file with zstd, each in a member named by its
// index, or by a number of its own when `legacyNames`; older forms list them as JSON.
QString writePackageWithMedia(const QString& dir, Collection form,
                              const QList<QPair<QString, QByteArray>>& files,
                              bool legacyNames = false);

} // namespace testing
