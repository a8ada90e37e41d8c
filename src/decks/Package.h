// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"

#include <chrono>

namespace decks {

// What a package may cost. Its collection may grow when it is unpacked, counted in the bytes
// actually written (the sizes an archive declares can lie), never past `cap`, nor past both
// `floor` and `ratio` times the entry's compressed size; and no statement on the collection
// may run longer than `statementTime`.
struct PackageLimits {
    qint64 cap = qint64(4) << 30;
    qint64 floor = qint64(100) * 1000 * 1000;
    qint64 ratio = 100;
    std::chrono::milliseconds statementTime{30000};
    bool exceeded(qint64 written, qint64 compressed) const {
        return written > cap || (written > floor && written > ratio * compressed);
    }
};

// The sets a deck package (.apkg, .colpkg) makes: one per deck that holds cards. Its
// collection is someone else's SQLite file: it is unpacked to a private temporary file
// (removed afterwards, also on failure), opened read-only without trusting its schema, its
// schema read first (views, triggers and computed columns refused), then checked, and every
// value in it is taken as untrusted. Throws DeckError naming the file when the package cannot
// be read.
DeckContent readPackage(const QString& path, const PackageLimits& limits = {});

// Removes the collections that earlier runs, killed while they imported, left in the
// temporary folder; one a running program holds stays. Done by every package import, and at
// the start of the window.
void removeUnpackLeftovers();

} // namespace decks
