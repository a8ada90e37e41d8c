// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/FileLock.h"
#include "decks/Package.h"

#include <memory>

namespace decks {

// A package's collection unpacked to a private file `memorant-deck-*` in the temporary
// folder, readable by its owner only. The file is locked (flock) from its making until this
// is gone, which removes it and whatever SQLite left beside it; a file no running program
// holds is a leftover of a killed run (removeUnpackLeftovers).
class UnpackedCollection {
  public:
    UnpackedCollection() = default;
    ~UnpackedCollection();
    UnpackedCollection(const UnpackedCollection&) = delete;
    UnpackedCollection& operator=(const UnpackedCollection&) = delete;

    // Claims a new name; false when none could be made.
    bool create();
    const QString& path() const { return path_; }
    // The file still has its name (no other program took it for a leftover).
    bool stillHeld() const { return lock_.stillAt(path_); }

  private:
    QString path_;
    data::FileLock lock_;
};

// Unpacks the package's newest collection (collection.anki21b, zstd-compressed, else
// collection.anki21, else collection.anki2). Throws DeckError with the reason alone (the
// caller names the file).
std::unique_ptr<UnpackedCollection> unpackCollection(const QString& path,
                                                     const PackageLimits& limits);

} // namespace decks
