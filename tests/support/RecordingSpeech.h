// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speech/SpeechAndSound.h"

#include <QStringList>
#include <functional>

namespace testing {

// Records what would be spoken and played; can be made unavailable to drive the fallback
// to Silent mode.
class RecordingSpeech : public speech::SpeechAndSound {
  public:
    void speak(const QString& text) override;
    void playSound(int object) override;
    void pauseStep() override {
        ++pauseSteps;
        if (onPauseStep)
            onPauseStep();
    }
    bool playRecording(const QByteArray& bytes, bool wait) override;
    void checkAvailable() override;
    void setVoice(const QString& v) override { voice_ = v; }
    QString voice() const override { return voice_; }
    QStringList voices() override { return {QStringLiteral("en"), QStringLiteral("de")}; }

    bool unavailable = false;
    QStringList spoken;
    QStringList spokenVoices; // the voice each text of `spoken` was spoken in
    QList<int> sounds;
    // Each recording played, as "wait:<bytes>" or "now:<bytes>", in order with `spoken`.
    QStringList recordings;
    QStringList events; // "speak:<text>" and "recording", in the order they came
    int pauseSteps = 0;
    std::function<void()> onPauseStep; // runs inside each pause step
    std::function<void()> onSpeak;     // runs while each text is spoken

  private:
    QString voice_ = QStringLiteral("en");
};

} // namespace testing
