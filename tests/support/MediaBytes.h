// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace testing {

inline QByteArray be32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[3 - i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

// A PNG's signature and header claiming the size, then `tail` (so that pictures differ); the
// import reads headers only, so no picture data is needed.
inline QByteArray pngBytes(quint32 width, quint32 height, const QByteArray& tail = {}) {
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height) +
           QByteArray("\x08\x02\x00\x00\x00", 5) + tail;
}

// A WAV header and `tail`.
inline QByteArray wavBytes(const QByteArray& tail = {}) {
    // "\x00" "data": a hex escape runs on through every hex digit after it.
    static constexpr char header[] = "RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01"
                                     "\x00\x40\x1F\x00\x00\x80\x3E\x00\x00\x02\x00\x10\x00"
                                     "data\x00\x00\x00\x00";
    static_assert(sizeof(header) == 44 + 1);
    return QByteArray(header, 44) + tail;
}

} // namespace testing
