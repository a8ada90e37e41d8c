// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Dialogs.h"
#include "speech/SpeechAndSound.h"

namespace bench {

// Boxes that never wait: every confirmation is answered Yes.
class QuietDialogs : public present::Dialogs {
  public:
    void message(const QString&, const QString& = {}) override { ++shown; }
    void warning(const QString&, const QString& = {}) override { ++shown; }
    bool confirm(const QString&, const QString& = {}, Button = Button::Yes) override {
        ++shown;
        return true;
    }
    int shown = 0;
};

// Speech and sound that make no noise and take no time.
class SilentSpeech : public speech::SpeechAndSound {
  public:
    void speak(const QString&) override {}
    void playSound(int) override {}
    bool playRecording(const QByteArray&, bool) override { return true; }
    void pauseStep() override {}
    void setVoice(const QString& v) override { voice_ = v; }
    QString voice() const override { return voice_; }
    QStringList voices() override { return {}; }

  private:
    QString voice_;
};

} // namespace bench
