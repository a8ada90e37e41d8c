// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speech/RecordingPlayer.h"
#include "speech/SpeechAndSound.h"

#include <memory>

namespace speech {

// The speech and sound service of the program: espeak-ng speech and the sound objects
// ("sounds/Object N.wav" beside the program or in the user's data folder, or built-in
// tones), played through Qt Multimedia.
class SystemSpeech : public SpeechAndSound {
  public:
    SystemSpeech();
    ~SystemSpeech() override;

    void speak(const QString& text) override;
    void playSound(int object) override;
    bool playRecording(const QByteArray& bytes, bool wait) override;
    void stopRecording() override;
    void pauseStep() override;
    void checkAvailable() override;
    void setVoice(const QString& voice) override;
    QString voice() const override;
    QStringList voices() override;
    QString voiceName(const QString& voice) override;

  private:
    QString voice_;
    std::unique_ptr<RecordingPlayer> recordings_;
};

} // namespace speech
