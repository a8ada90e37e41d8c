// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace speech {

// Uncompressed little-endian audio held in memory: what the synthesiser, the built-in tones
// and sound files all become before they are played.
struct PcmAudio {
    int sampleRate = 22050;
    int channels = 1;
    int bytesPerSample = 2; // 1: unsigned 8-bit, 2: signed 16-bit
    QByteArray data;

    bool isEmpty() const { return data.isEmpty(); }
    int frameCount() const {
        const int frame = channels * bytesPerSample;
        return frame > 0 ? static_cast<int>(data.size() / frame) : 0;
    }
    int durationMs() const {
        return sampleRate > 0 ? static_cast<int>(qint64(frameCount()) * 1000 / sampleRate) : 0;
    }
};

} // namespace speech
