// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/EspeakSynth.h"

#include "speech/SpeechAndSound.h"

#include <espeak-ng/speak_lib.h>

#include <QCoreApplication>
#include <QtEndian>
#include <cstring>

namespace speech {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Speech)
};

// Where the synthesis callback puts the samples of the call in progress. The engine calls
// back on the calling thread before espeak_Synth returns.
QByteArray* collecting = nullptr;

int collectSamples(short* wav, int count, espeak_EVENT*) {
    if (collecting && wav && count > 0) {
        for (int i = 0; i < count; ++i) {
            char b[2];
            qToLittleEndian(static_cast<qint16>(wav[i]), b);
            collecting->append(b, 2);
        }
    }
    return 0; // go on synthesising
}

} // namespace

EspeakSynth& EspeakSynth::instance() {
    static EspeakSynth synth;
    return synth;
}

void EspeakSynth::ensureStarted() {
    if (!tried_) {
        tried_ = true;
        // DONT_EXIT: without it the library ends the whole program when its data is missing.
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0) {
            startError_ = Text::tr("the espeak-ng speech engine could not be started "
                                   "(its voice data, espeak-ng-data, was not found)");
        } else {
            sampleRate_ = rate;
            espeak_SetSynthCallback(collectSamples);
        }
    }
    if (sampleRate_ <= 0)
        throw SpeechUnavailable(startError_);
}

bool EspeakSynth::selectVoice(const QString& voice) {
    if (voiceSet_ && voice == voice_)
        return true;
    const QByteArray language = voice.toUtf8();
    espeak_VOICE wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.languages = language.constData();
    if (espeak_SetVoiceByProperties(&wanted) != EE_OK) {
        voiceSet_ = false; // the engine's voice is now uncertain
        return false;
    }
    voice_ = voice;
    voiceSet_ = true;
    return true;
}

PcmAudio EspeakSynth::synthesize(const QString& text, const QString& voice) {
    ensureStarted();
    if (voice.isEmpty() || !selectVoice(voice)) {
        if (!selectVoice(QStringLiteral("en")))
            throw SpeechUnavailable(Text::tr("espeak-ng has no English voice"));
    }

    PcmAudio pcm{sampleRate_, 1, 2, {}};
    const QByteArray utf8 = text.toUtf8();
    collecting = &pcm.data;
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    collecting = nullptr;
    if (result != EE_OK)
        throw SpeechUnavailable(Text::tr("espeak-ng could not synthesise the text"));
    return pcm;
}

QStringList EspeakSynth::voices() {
    ensureStarted();
    if (!voices_.isEmpty())
        return voices_;
    for (const espeak_VOICE** v = espeak_ListVoices(nullptr); v && *v; ++v) {
        // "languages" is a list of (priority byte, name, NUL); the first one names the voice.
        const char* languages = (*v)->languages;
        if (languages && languages[0] != 0 && languages[1] != 0) {
            const QString code = QString::fromUtf8(languages + 1);
            voices_ << code;
            if ((*v)->name && !names_.contains(code))
                names_.insert(code, QString::fromUtf8((*v)->name));
        }
    }
    voices_.sort();
    voices_.removeDuplicates();
    return voices_;
}

QString EspeakSynth::voiceName(const QString& voice) {
    voices();
    return names_.value(voice);
}

} // namespace speech
