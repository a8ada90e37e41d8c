// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speech/PcmAudio.h"

namespace speech {

// Throws SpeechUnavailable when there is no audio output device.
void checkAudioOutput();

// Plays `pcm` on the default audio output and returns when it has been played. Meanwhile
// the window keeps painting but takes no input. Throws SpeechUnavailable when there is no
// output device or the output fails.
void playBlocking(const PcmAudio& pcm);

// Waits `ms` milliseconds the same way: painting, but no input.
void waitPainting(int ms);

} // namespace speech
