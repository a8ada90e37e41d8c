// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Package.h"

#include <QTemporaryFile>
#include <memory>

namespace decks {

// Unpacks the package's newest collection (collection.anki21b, zstd-compressed, else
// collection.anki21, else collection.anki2) into a private temporary file. Throws DeckError
// with the reason alone (the caller names the file).
std::unique_ptr<QTemporaryFile> unpackCollection(const QString& path, const UnpackLimits& limits);

} // namespace decks
