// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/AudioPlayback.h"

#include "speech/SpeechAndSound.h"

#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QScopeGuard>
#include <QTimer>

namespace speech {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Speech)
};

// Ends a clip with a little silence, so the device has played the last real sample by the
// time the buffer runs dry.
constexpr int tailMs = 150;
// Grace beyond the clip's own length before a stuck output counts as failed.
constexpr int graceMs = 5000;

QAudioDevice outputDevice() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        throw SpeechUnavailable(Text::tr("no audio output device was found"));
    return device;
}

QAudioFormat formatOf(const PcmAudio& pcm) {
    QAudioFormat format;
    format.setSampleRate(pcm.sampleRate);
    format.setChannelCount(pcm.channels);
    format.setSampleFormat(pcm.bytesPerSample == 1 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

void checkAudioOutput() {
    outputDevice();
}

void playBlocking(const PcmAudio& pcm) {
    const QAudioDevice device = outputDevice();
    if (pcm.isEmpty())
        return;
    const QAudioFormat format = formatOf(pcm);
    if (!device.isFormatSupported(format))
        throw SpeechUnavailable(Text::tr("the audio output \"%1\" cannot play %2 Hz audio")
                                    .arg(device.description())
                                    .arg(pcm.sampleRate));

    QByteArray data = pcm.data;
    const int frame = pcm.channels * pcm.bytesPerSample;
    const char silence = pcm.bytesPerSample == 1 ? char(0x80) : char(0);
    data.append(qsizetype(pcm.sampleRate) * tailMs / 1000 * frame, silence);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);

    // Deleted later, from the event loop: Qt's PulseAudio output handles every pending event,
    // the user's key presses and clicks included, while it is destroyed, and that must not
    // happen in the middle of the command that is speaking.
    auto* sinkObject = new QAudioSink(device, format);
    const auto deleteSink = qScopeGuard([sinkObject] {
        sinkObject->stop(); // it reads the buffer below no more
        sinkObject->deleteLater();
    });
    QAudioSink& sink = *sinkObject;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState)
            loop.quit();
    });

    sink.start(&buffer);
    if (sink.error() != QAudio::NoError || sink.state() == QAudio::StoppedState)
        throw SpeechUnavailable(
            Text::tr("the audio output \"%1\" could not be opened").arg(device.description()));

    deadline.start(pcm.durationMs() + tailMs + graceMs);
    if (sink.state() != QAudio::StoppedState)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QAudio::Error error = sink.error();
    sink.stop();

    if (timedOut)
        throw SpeechUnavailable(
            Text::tr("the audio output \"%1\" stopped responding").arg(device.description()));
    // Running dry at the end (underrun) is how a finished clip looks; the rest are failures.
    if (error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError)
        throw SpeechUnavailable(
            Text::tr("the audio output \"%1\" failed while playing").arg(device.description()));
}

void waitPainting(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace speech
