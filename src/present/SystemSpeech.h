#pragma once

#include "present/SpeechAndSound.h"

namespace present {

// espeak-ng speech and the sound objects, played through Qt Multimedia.
class SystemSpeech : public SpeechAndSound {
  public:
    SystemSpeech();
    ~SystemSpeech() override;

    void speak(const QString& text) override;
    void playSound(int object) override;
    void pauseStep() override;
    void setVoice(const QString& voice) override;
    QString voice() const override;
    QStringList voices() override;

  private:
    QString voice_;
};

} // namespace present
