// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/WavFile.h"

#include <QtEndian>

namespace speech {

namespace {

quint16 u16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

constexpr quint16 formatPcm = 1;
constexpr quint16 formatExtensible = 0xFFFE;

} // namespace

std::optional<PcmAudio> parseWav(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<PcmAudio> format;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = u32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size())
                return std::nullopt;
            quint16 tag = u16(bytes, body);
            const int channels = u16(bytes, body + 2);
            const int rate = static_cast<int>(u32(bytes, body + 4));
            const int bits = u16(bytes, body + 14);
            // WAVE_FORMAT_EXTENSIBLE carries the real format in its sub-format GUID.
            if (tag == formatExtensible && size >= 40 && body + 26 <= bytes.size())
                tag = u16(bytes, body + 24);
            if (tag != formatPcm || channels < 1 || channels > 2 || rate < 4000 || rate > 192000 ||
                (bits != 8 && bits != 16))
                return std::nullopt;
            format = PcmAudio{rate, channels, bits / 8, {}};
        } else if (id == "data") {
            if (!format)
                return std::nullopt; // the format must come first
            // A file cut short keeps what it has, in whole frames.
            const qint64 available = std::min<qint64>(size, bytes.size() - body);
            const int frame = format->channels * format->bytesPerSample;
            format->data = bytes.mid(body, available - available % frame);
            if (format->data.isEmpty())
                return std::nullopt;
            return format;
        }
        at = body + size + (size % 2); // chunks are padded to an even length
    }
    return std::nullopt;
}

QByteArray makeWav(const PcmAudio& pcm) {
    QByteArray out;
    auto put16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    auto put32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    const int frame = pcm.channels * pcm.bytesPerSample;
    out.append("RIFF");
    put32(static_cast<quint32>(36 + pcm.data.size()));
    out.append("WAVEfmt ");
    put32(16);
    put16(formatPcm);
    put16(static_cast<quint16>(pcm.channels));
    put32(static_cast<quint32>(pcm.sampleRate));
    put32(static_cast<quint32>(pcm.sampleRate * frame));
    put16(static_cast<quint16>(frame));
    put16(static_cast<quint16>(pcm.bytesPerSample * 8));
    out.append("data");
    put32(static_cast<quint32>(pcm.data.size()));
    out.append(pcm.data);
    return out;
}

} // namespace speech
