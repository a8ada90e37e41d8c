// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingSpeech.h"

namespace testing {

void RecordingSpeech::speak(const QString& text) {
    if (unavailable)
        throw speech::SpeechUnavailable(QStringLiteral("no sound output (test)"));
    spoken << text;
    events << QStringLiteral("speak:") + text;
    spokenVoices << voice_;
    if (onSpeak)
        onSpeak();
}

void RecordingSpeech::playSound(int object) {
    if (unavailable)
        throw speech::SpeechUnavailable(QStringLiteral("no sound output (test)"));
    sounds << object;
}

bool RecordingSpeech::playRecording(const QByteArray& bytes, bool wait) {
    if (unavailable)
        throw speech::SpeechUnavailable(QStringLiteral("no sound output (test)"));
    recordings << (wait ? QStringLiteral("wait:") : QStringLiteral("now:")) +
                      QString::fromLatin1(bytes.left(16).toHex());
    events << QStringLiteral("recording");
    return true;
}

void RecordingSpeech::checkAvailable() {
    if (unavailable)
        throw speech::SpeechUnavailable(QStringLiteral("no sound output (test)"));
}

} // namespace testing
