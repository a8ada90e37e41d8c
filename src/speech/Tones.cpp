// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/Tones.h"

#include "speech/WavFile.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace speech {

namespace {

struct Note {
    double hz; // 0 is a rest
    int ms;
};

// Short tunes on a major scale: rising for good news, a gentle fall for a wrong answer, a
// fanfare for a learnt set, and a motif of its own for each picture button.
std::vector<Note> notesOf(int object) {
    constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.25, F5 = 698.46, G5 = 783.99, A5 = 880.0,
                     B5 = 987.77, C6 = 1046.5, G4 = 392.0, A4 = 440.0, E4 = 329.63, F4 = 349.23;
    switch (object) {
    case 1: // correct
        return {{C5, 110}, {E5, 110}, {G5, 110}, {C6, 300}};
    case 2: // wrong
        return {{E5, 200}, {0, 30}, {C5, 200}, {0, 30}, {A4, 380}};
    case 3: // a set learnt
        return {{G4, 130}, {C5, 130}, {E5, 130}, {G5, 200}, {E5, 120}, {G5, 150}, {C6, 500}};
    case 4: // learn the whole set
        return {{C5, 100}, {D5, 100}, {E5, 100}, {F5, 100}, {G5, 260}};
    case 5: // delete the set
        return {{G5, 140}, {E5, 140}, {C5, 300}};
    case 6: // create a new set
        return {{C5, 120}, {G5, 120}, {C6, 260}};
    case 7: // edit the set
        return {{E5, 110}, {G5, 110}, {E5, 220}};
    case 8: // rename the set
        return {{D5, 110}, {F5, 110}, {A5, 240}};
    case 9:
        return {{A5, 200}};
    case 10: // learn
        return {{G4, 110}, {C5, 110}, {E5, 110}, {G5, 300}};
    case 11: // learn Demons
        return {{E4, 140}, {F4, 140}, {A4, 140}, {B5 / 2, 300}};
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
                // A soft attack and a bell-like decay, with a quiet octave for warmth.
                const double t = double(i) / sampleRate;
                const double edge = std::min({1.0, i / fade, (frames - 1 - i) / fade});
                const double decay = std::exp(-3.0 * t / (note.ms / 1000.0));
                const double phase = 2 * std::numbers::pi * note.hz * t;
                v = 0.32 * edge * (0.35 + 0.65 * decay) *
                    (0.85 * std::sin(phase) + 0.15 * std::sin(2 * phase));
            }
            qToLittleEndian(static_cast<qint16>(std::lround(v * 32767)),
                            out + 2 * std::ptrdiff_t(i));
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

} // namespace speech
