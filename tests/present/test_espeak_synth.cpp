#include "present/EspeakSynth.h"

#include <QtEndian>
#include <QtTest>

using present::EspeakSynth;
using present::PcmAudio;

class TestEspeakSynth : public QObject {
    Q_OBJECT
  private slots:
    void speechBecomesSamples();
    void longerTextLastsLonger();
    void voicesAreLanguages();
    void unknownVoiceStillSpeaks();
};

namespace {

int peakOf(const PcmAudio& pcm) {
    int peak = 0;
    for (int i = 0; i + 1 < pcm.data.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(pcm.data.constData() + i))));
    return peak;
}

} // namespace

void TestEspeakSynth::speechBecomesSamples() {
    const PcmAudio pcm =
        EspeakSynth::instance().synthesize(QStringLiteral("Hello world"), QStringLiteral("en"));
    QVERIFY(pcm.sampleRate >= 8000);
    QCOMPARE(pcm.channels, 1);
    QCOMPARE(pcm.bytesPerSample, 2);
    QVERIFY2(pcm.durationMs() > 300 && pcm.durationMs() < 5000,
             qPrintable(QString::number(pcm.durationMs())));
    QVERIFY(peakOf(pcm) > 1000);
}

void TestEspeakSynth::longerTextLastsLonger() {
    EspeakSynth& synth = EspeakSynth::instance();
    const int shortMs = synth.synthesize(QStringLiteral("cat"), QStringLiteral("en")).durationMs();
    const int longMs =
        synth
            .synthesize(QStringLiteral("The quick brown fox jumps over the lazy dog"),
                        QStringLiteral("en"))
            .durationMs();
    QVERIFY2(longMs > 2 * shortMs, qPrintable(QStringLiteral("%1 %2").arg(shortMs).arg(longMs)));
    // Text that is not ASCII reaches the engine intact rather than as nothing.
    QVERIFY(synth.synthesize(QStringLiteral("Grüße aus Köln"), QStringLiteral("de")).durationMs() >
            300);
}

void TestEspeakSynth::voicesAreLanguages() {
    const QStringList voices = EspeakSynth::instance().voices();
    QVERIFY(voices.size() > 10);
    QVERIFY(voices.contains(QStringLiteral("en")) || voices.contains(QStringLiteral("en-gb")));
    QVERIFY(voices.contains(QStringLiteral("de")));
    QStringList sorted = voices;
    sorted.sort();
    sorted.removeDuplicates();
    QCOMPARE(voices, sorted);
}

void TestEspeakSynth::unknownVoiceStillSpeaks() {
    EspeakSynth& synth = EspeakSynth::instance();
    QVERIFY(peakOf(synth.synthesize(QStringLiteral("one"), QStringLiteral("no-such-voice"))) >
            1000);
    QVERIFY(peakOf(synth.synthesize(QStringLiteral("two"), QString())) > 1000);
}

QTEST_GUILESS_MAIN(TestEspeakSynth)
#include "test_espeak_synth.moc"
