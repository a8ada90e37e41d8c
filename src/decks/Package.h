// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"

namespace decks {

// How much a package's collection may grow when it is unpacked, counted in the bytes
// actually written (the sizes an archive declares can lie): never past `cap`, nor past both
// `floor` and `ratio` times the entry's compressed size.
struct UnpackLimits {
    qint64 cap = qint64(4) << 30;
    qint64 floor = 100 * 1000 * 1000;
    qint64 ratio = 100;
    bool exceeded(qint64 written, qint64 compressed) const {
        return written > cap || (written > floor && written > ratio * compressed);
    }
};

// The sets a deck package (.apkg, .colpkg) makes: one per deck that holds cards. Its
// collection is someone else's SQLite file: it is unpacked to a private temporary file
// (removed afterwards, also on failure), opened read-only without trusting its schema,
// checked first, and every value in it is taken as untrusted. Throws DeckError naming the
// file when the package cannot be read.
DeckContent readPackage(const QString& path, const UnpackLimits& limits = {});

} // namespace decks
