// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speech/PcmAudio.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace speech {

// espeak-ng, synthesising into memory. The engine is one per process, started on first use;
// when its voice data cannot be found, every call throws SpeechUnavailable.
class EspeakSynth {
  public:
    static EspeakSynth& instance();

    // 16-bit mono speech of `text` in `voice` (a language such as "en" or "de"; empty or
    // unknown falls back to English).
    PcmAudio synthesize(const QString& text, const QString& voice);

    // The languages espeak-ng has voices for, sorted, without duplicates. Read once: every
    // spoken question asks for them.
    QStringList voices();
    // espeak-ng's own name of a voice ("English (Received Pronunciation)"); empty if unknown.
    QString voiceName(const QString& voice);

    // Throws SpeechUnavailable when the engine could not be started.
    void ensureStarted();

  private:
    EspeakSynth() = default;
    bool selectVoice(const QString& voice);

    bool tried_ = false;
    int sampleRate_ = 0;
    QString startError_;
    QString voice_;
    bool voiceSet_ = false;
    QStringList voices_;
    QHash<QString, QString> names_;
};

} // namespace speech
