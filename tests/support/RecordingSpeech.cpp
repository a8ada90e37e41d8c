// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingSpeech.h"

namespace testing {

void RecordingSpeech::speak(const QString& text) {
    if (unavailable)
        throw speech::SpeechUnavailable(QStringLiteral("no sound output (test)"));
    spoken << text;
    spokenVoices << voice_;
    if (onSpeak)
        onSpeak();
}

void RecordingSpeech::playSound(int object) {
    if (unavailable)
        throw speech::SpeechUnavailable(QStringLiteral("no sound output (test)"));
    sounds << object;
}

void RecordingSpeech::checkAvailable() {
    if (unavailable)
        throw speech::SpeechUnavailable(QStringLiteral("no sound output (test)"));
}

} // namespace testing
