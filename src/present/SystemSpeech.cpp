#include "present/SystemSpeech.h"

#include <QThread>

namespace present {

SystemSpeech::SystemSpeech() = default;
SystemSpeech::~SystemSpeech() = default;

void SystemSpeech::speak(const QString&) {
    throw SpeechUnavailable(QStringLiteral("speech is not available"));
}

void SystemSpeech::playSound(int) {
    throw SpeechUnavailable(QStringLiteral("sound is not available"));
}

void SystemSpeech::pauseStep() {}

void SystemSpeech::setVoice(const QString& voice) {
    voice_ = voice;
}
QString SystemSpeech::voice() const {
    return voice_;
}
QStringList SystemSpeech::voices() {
    return {};
}

} // namespace present
