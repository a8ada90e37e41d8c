// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"

namespace decks {

// The pictures and sounds one entry of a KVTML file names, as written.
struct EntryMedia {
    QStringList pictures;
    QStringList sounds;
};

// The file a KVTML file's picture or sound reference names: a path relative to the KVTML
// file's folder, an absolute path, or a file:// URL. Empty for a web address.
QString mediaFilePath(const QString& kvtmlPath, const QString& reference);

// Whether `file` lies in `folder` or below it once every link is followed.
bool insideFolder(const QString& folder, const QString& file);

// Reads the first picture and the first sound each entry names into its card (cards[i] with
// media[i]), counting in `content` what is left out and why. Only regular files are read, and
// one outside the KVTML file's folder only when `reading` allows it.
void takeKvtmlMedia(const QString& kvtmlPath, QList<DeckCard>& cards,
                    const QList<EntryMedia>& media, DeckContent& content,
                    const DeckReading& reading);

} // namespace decks
