// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Error.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace speech {

// Speech or sound output cannot be started (no audio device, no voice data). The handlers
// that speak catch it and fall back to Silent mode.
class SpeechUnavailable : public data::Error {
  public:
    using Error::Error;
};

// How long one step of the pause between questions lasts, in milliseconds.
inline constexpr int kPauseStepMs = 400;

// The speech and sound service. Speaking and playing block input until done, while the
// window keeps painting.
class SpeechAndSound {
  public:
    virtual ~SpeechAndSound() = default;
    // Speaks `text` with the chosen voice; throws SpeechUnavailable.
    virtual void speak(const QString& text) = 0;
    // Plays "Object N" (1 to 11); throws SpeechUnavailable.
    virtual void playSound(int object) = 0;
    // Plays a card's recording from its bytes. With `wait`, returns when it has played (input
    // blocked as while speaking); without, at once. A new one stops the last. False when the
    // bytes cannot be played; throws SpeechUnavailable when there is no sound output.
    virtual bool playRecording(const QByteArray& bytes, bool wait) = 0;
    // Stops a recording still playing (the question it belongs to has gone).
    virtual void stopRecording() {}
    // One step of the pause between questions.
    virtual void pauseStep() = 0;
    // Says nothing, but throws SpeechUnavailable when speaking could not start, so a switch
    // to a speaking mode can fall back at once. A service that cannot tell keeps quiet.
    virtual void checkAvailable() {}
    // The espeak-ng voice (language) for spoken questions.
    virtual void setVoice(const QString& voice) = 0;
    virtual QString voice() const = 0;
    virtual QStringList voices() = 0;
    // The engine's own name of a voice, which tells its variant ("English (Caribbean)");
    // empty when the engine gives none.
    virtual QString voiceName(const QString& voice) {
        Q_UNUSED(voice);
        return {};
    }
};

} // namespace speech
