// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speech/PcmAudio.h"

#include <QString>
#include <QStringList>

namespace speech {

// The built-in sound of "Object N" (1 to 11): a short tune made in code, each object with
// its own notes, 16-bit mono. Any other number yields empty audio.
PcmAudio builtInTone(int object, int sampleRate = 22050);

// The sound of "Object N": `dir`/"Object N.wav" when that file is a readable PCM WAV,
// otherwise the built-in tone.
PcmAudio objectSound(int object, const QString& dir);
// The same, from the first of `dirs` that holds a readable file for the object.
PcmAudio objectSound(int object, const QStringList& dirs);

} // namespace speech
