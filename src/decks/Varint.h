// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace decks {

// A protobuf varint read at `at`, which moves past it; one that runs off the end, or past 64
// bits, makes `ok` false and gives 0.
inline quint64 readVarint(const QByteArray& b, qsizetype& at, bool& ok) {
    quint64 v = 0;
    for (int shift = 0; shift < 64 && at < b.size(); shift += 7) {
        const auto byte = static_cast<unsigned char>(b[at++]);
        v |= quint64(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return v;
    }
    ok = false;
    return 0;
}

} // namespace decks
