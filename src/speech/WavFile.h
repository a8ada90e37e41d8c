// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speech/PcmAudio.h"

#include <QByteArray>
#include <optional>

namespace speech {

// Reads a RIFF/WAVE file holding uncompressed 8- or 16-bit PCM, mono or stereo.
// Anything else (compressed, damaged, not a WAV at all) yields nothing.
[[nodiscard]] std::optional<PcmAudio> parseWav(const QByteArray& bytes);

// The same, as a file (for the tests and for users' own sounds).
QByteArray makeWav(const PcmAudio& pcm);

} // namespace speech
