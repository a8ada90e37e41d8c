// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

namespace exchange {

// The exchange file carries no pictures or sounds: they travel in a companion "FILE.media"
// beside it, a zip archive holding each file once, named by its hash, and "cards.txt": a first
// line "memorant-media<TAB>1<TAB><SHA-256 of the exchange file>", then one line per card with
// media, "<card id in the exported database><TAB><picture hash><TAB><sound hash>" (empty for
// none), and one line per file, "file<TAB><hash><TAB><MIME type><TAB><name>".
QString mediaCompanionPath(const QString& exchangePath);

// Writes the companion of every card with media, or removes a stale one when no card has any.
// Returns the number of files written. Throws ExchangeError naming the file; written to a
// temporary name and renamed, as the main file.
int writeMediaCompanion(const QSqlDatabase& db, const QString& exchangePath,
                        const QByteArray& mainSha256);

struct MediaCompanionRead {
    bool present = false;
    bool matches = false; // it belongs to the exchange file just read
    int pictures = 0;     // cards given a picture
    int sounds = 0;       // cards given a sound
};

// Gives the cards this import added (Card.SpareID holds their exported id) their pictures and
// sounds, inside the import's transaction. A companion of another exchange file is reported,
// not read. Throws ExchangeError naming the companion when it is cut short, damaged, or a file
// in it is not what its name says or is refused by the limits (nothing is then changed).
MediaCompanionRead applyMediaCompanion(const QSqlDatabase& db, const QString& exchangePath,
                                       const QByteArray& mainSha256);

} // namespace exchange
