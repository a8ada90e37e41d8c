// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <zip.h>

namespace decks {

// The packed size of an archive's member, which the unpacking limits weigh against. `what`
// names the member in messages ("its collection", "the media list"). Throws DeckError.
qint64 packedSize(zip_t* archive, zip_uint64_t index, const QString& what);

// Reads a member to its end, zstd-unpacked when `zstd`, handing the bytes to `take` as they
// come; `take` returns false when it wants no more. Throws DeckError for a member that cannot
// be opened, read or unpacked, or whose zstd frame is cut short.
void streamMember(zip_t* archive, zip_uint64_t index, bool zstd, const QString& what,
                  const std::function<bool(const char* data, qint64 n)>& take);

} // namespace decks
