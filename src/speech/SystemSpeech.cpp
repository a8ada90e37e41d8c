// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SystemSpeech.h"

#include "data/Folders.h"
#include "speech/AudioPlayback.h"
#include "speech/DefaultVoice.h"
#include "speech/EspeakSynth.h"
#include "speech/Tones.h"

namespace speech {

SystemSpeech::SystemSpeech() = default;
SystemSpeech::~SystemSpeech() = default;

void SystemSpeech::speak(const QString& text) {
    EspeakSynth& synth = EspeakSynth::instance();
    synth.ensureStarted();
    checkAudioOutput();
    if (text.trimmed().isEmpty())
        return;
    const QString voice =
        voice_.isEmpty() ? defaultVoice(synth.voices(), QLocale::system()) : voice_;
    playBlocking(synth.synthesize(text, voice));
}

void SystemSpeech::playSound(int object) {
    checkAudioOutput();
    playBlocking(objectSound(object, data::soundFolders()));
}

bool SystemSpeech::playRecording(const QByteArray& bytes, bool wait) {
    if (!recordings_)
        recordings_ = std::make_unique<RecordingPlayer>();
    return recordings_->play(bytes, wait);
}

void SystemSpeech::stopRecording() {
    if (recordings_)
        recordings_->stop();
}

void SystemSpeech::pauseStep() {
    waitPainting(kPauseStepMs);
}

void SystemSpeech::checkAvailable() {
    EspeakSynth::instance().ensureStarted();
    checkAudioOutput();
}

void SystemSpeech::setVoice(const QString& voice) {
    voice_ = voice;
}
QString SystemSpeech::voice() const {
    return voice_;
}

QStringList SystemSpeech::voices() {
    try {
        return EspeakSynth::instance().voices();
    } catch (const SpeechUnavailable&) {
        return {};
    }
}

QString SystemSpeech::voiceName(const QString& voice) {
    try {
        return EspeakSynth::instance().voiceName(voice);
    } catch (const SpeechUnavailable&) {
        return {};
    }
}

} // namespace speech
