#include "present/Tones.h"

#include "present/WavFile.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace present {

namespace {

struct Note {
    double hz; // 0 is a rest
    int ms;
};

// Rising for good news, falling for bad, a little fanfare for a learnt set.
std::vector<Note> notesOf(int object) {
    switch (object) {
    case 1:
        return {{523.25, 110}, {659.25, 110}, {783.99, 200}};
    case 2:
        return {{220.0, 220}, {0, 40}, {174.61, 380}};
    case 3:
        return {{523.25, 140}, {659.25, 140}, {783.99, 140}, {1046.5, 420}};
    case 4:
        return {{440.0, 160}, {587.33, 220}};
    case 5:
        return {{392.0, 180}, {261.63, 260}};
    case 6:
        return {{392.0, 110}, {523.25, 200}};
    case 7:
        return {{587.33, 180}};
    case 8:
        return {{493.88, 110}, {0, 50}, {493.88, 110}};
    case 9:
        return {{698.46, 150}};
    case 10:
        return {{659.25, 100}, {880.0, 220}};
    case 11:
        return {{369.99, 130}, {440.0, 130}, {369.99, 200}};
    default:
        return {};
    }
}

} // namespace

PcmAudio builtInTone(int object, int sampleRate) {
    PcmAudio pcm{sampleRate, 1, 2, {}};
    const double fade = 0.006 * sampleRate; // soft edges, so notes do not click
    for (const Note& note : notesOf(object)) {
        const int frames = note.ms * sampleRate / 1000;
        const qsizetype start = pcm.data.size();
        pcm.data.resize(start + qsizetype(frames) * 2);
        char* out = pcm.data.data() + start;
        for (int i = 0; i < frames; ++i) {
            double v = 0;
            if (note.hz > 0) {
                const double edge = std::min({1.0, i / fade, (frames - 1 - i) / fade});
                v = 0.3 * edge * std::sin(2 * std::numbers::pi * note.hz * i / sampleRate);
            }
            qToLittleEndian(static_cast<qint16>(std::lround(v * 32767)), out + 2 * i);
        }
    }
    return pcm;
}

PcmAudio objectSound(int object, const QString& dir) {
    return objectSound(object, QStringList{dir});
}

PcmAudio objectSound(int object, const QStringList& dirs) {
    for (const QString& dir : dirs) {
        QFile file(QStringLiteral("%1/Object %2.wav").arg(dir).arg(object));
        if (object >= 1 && object <= 11 && file.open(QIODevice::ReadOnly)) {
            // A file that is not a plain PCM WAV is passed over: the next folder, or the
            // built-in tone, still plays.
            if (std::optional<PcmAudio> pcm = parseWav(file.readAll()))
                return *pcm;
        }
    }
    return builtInTone(object);
}

} // namespace present
