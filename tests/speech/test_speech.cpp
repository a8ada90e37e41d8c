// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/DefaultVoice.h"
#include "speech/EspeakSynth.h"
#include "speech/SystemSpeech.h"
#include "speech/Tones.h"
#include "speech/WavFile.h"
#include "support/Files.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

using speech::PcmAudio;

// Speech and sound below the window: the engine's samples, WAV files and tones, the voice
// chosen by default, and the pause step.
class TestSpeech : public QObject {
    Q_OBJECT
  private slots:
    void speechBecomesSamples_data();
    void speechBecomesSamples();
    void voicesAreLanguagesSorted();
    void everyObjectHasItsOwnTone();
    void parseWav_data();
    void parseWav();
    void objectSoundPrefersAUsersFile();
    void defaultVoice_data();
    void defaultVoice();
    void voiceForSet_data();
    void voiceForSet();
    void voiceLabel_data();
    void voiceLabel();
    void englishVoicesAreToldApart();
    void pauseStepKeepsTheLoopRunning();
};

namespace {

int peakOf(const PcmAudio& pcm) {
    int peak = 0;
    for (int i = 0; i + 1 < pcm.data.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(pcm.data.constData() + i))));
    return peak;
}

// A field of `bytes` bytes, least significant first.
QByteArray le(quint32 v, int bytes = 4) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b.left(bytes);
}
QByteArray fmtChunk(quint16 tag, int channels, int rate, int bits) {
    const int frame = channels * bits / 8;
    return "fmt " + le(16) + le(tag, 2) + le(channels, 2) + le(rate) + le(rate * frame) +
           le(frame, 2) + le(bits, 2);
}
QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le(4 + chunks.size()) + "WAVE" + chunks;
}

} // namespace

void TestSpeech::speechBecomesSamples_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<QString>("voice");
    QTest::newRow("words") << "Hello world" << 300 << "en";
    QTest::newRow("a longer text lasts longer")
        << "The quick brown fox jumps over the lazy dog" << 1500 << "en";
    // Text that is not ASCII reaches the engine intact rather than as nothing.
    QTest::newRow("not ASCII") << "Grüße aus Köln" << 300 << "de";
    QTest::newRow("unknown voice") << "one" << 100 << "no-such-voice";
    QTest::newRow("no voice") << "two" << 100 << QString();
}

void TestSpeech::speechBecomesSamples() {
    QFETCH(QString, text);
    QFETCH(QString, voice);
    QFETCH(int, minMs);
    const PcmAudio pcm = speech::EspeakSynth::instance().synthesize(text, voice);
    QVERIFY(pcm.sampleRate >= 8000 && pcm.channels == 1 && pcm.bytesPerSample == 2);
    QVERIFY2(pcm.durationMs() > minMs && pcm.durationMs() < 10000,
             qPrintable(QString::number(pcm.durationMs())));
    QVERIFY(peakOf(pcm) > 1000);
}

void TestSpeech::voicesAreLanguagesSorted() {
    const QStringList voices = speech::EspeakSynth::instance().voices();
    QVERIFY(voices.size() > 10);
    QVERIFY(voices.contains("de") && (voices.contains("en") || voices.contains("en-gb")));
    QStringList sorted = voices;
    sorted.sort();
    sorted.removeDuplicates();
    QCOMPARE(voices, sorted);
}

void TestSpeech::everyObjectHasItsOwnTone() {
    QSet<QByteArray> seen;
    for (int object = 1; object <= 11; ++object) {
        const PcmAudio tone = speech::builtInTone(object);
        QVERIFY2(tone.durationMs() >= 100 && tone.durationMs() <= 2000,
                 qPrintable(QString::number(object)));
        QVERIFY2(peakOf(tone) > 3000, qPrintable(QString::number(object))); // not silence
        seen.insert(tone.data);
    }
    QCOMPARE(seen.size(), 11);
    QVERIFY(speech::builtInTone(0).isEmpty() && speech::builtInTone(12).isEmpty());
}

// What the parser makes of a file, as "rate channels bytes-per-sample data-bytes".
void TestSpeech::parseWav_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected"); // empty: refused
    const QByteArray samples(400, '\x10');
    const QByteArray data400 = "data" + le(400) + samples;
    QTest::newRow("16-bit mono") << speech::makeWav(PcmAudio{22050, 1, 2, samples})
                                 << "22050 1 2 400";
    QTest::newRow("8-bit stereo") << riff(fmtChunk(1, 2, 8000, 8) + data400) << "8000 2 1 400";
    QTest::newRow("odd chunk before fmt is skipped with its pad byte")
        << riff("LIST" + le(3) + "abc" + QByteArray(1, 0) + fmtChunk(1, 1, 44100, 16) + data400)
        << "44100 1 2 400";
    QTest::newRow("cut short keeps whole frames")
        << riff(fmtChunk(1, 2, 22050, 16) + "data" + le(4000) + QByteArray(402, 1))
        << "22050 2 2 400";
    QTest::newRow("not a RIFF file") << QByteArray("ID3\x03 this is an mp3") << "";
    QTest::newRow("float samples") << riff(fmtChunk(3, 1, 22050, 32) + data400) << "";
    QTest::newRow("data before fmt") << riff(data400 + fmtChunk(1, 1, 8000, 8)) << "";
    QTest::newRow("no samples") << riff(fmtChunk(1, 1, 8000, 16) + "data" + le(0)) << "";
    QTest::newRow("fmt chunk cut short") << riff("fmt " + le(16) + le(1, 2)) << "";
    QTest::newRow("absurd rate") << riff(fmtChunk(1, 1, 5, 16) + data400) << "";
}

void TestSpeech::parseWav() {
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    const std::optional<PcmAudio> pcm = speech::parseWav(file);
    QCOMPARE(pcm ? QStringLiteral("%1 %2 %3 %4")
                       .arg(pcm->sampleRate)
                       .arg(pcm->channels)
                       .arg(pcm->bytesPerSample)
                       .arg(pcm->data.size())
                 : QString(),
             expected);
}

void TestSpeech::objectSoundPrefersAUsersFile() {
    QTemporaryDir dir;
    const PcmAudio own{16000, 1, 2, QByteArray(3200, '\x22')};
    testing::writeFile(dir.filePath(QStringLiteral("Object 3.wav")), speech::makeWav(own));
    testing::writeFile(dir.filePath(QStringLiteral("Object 2.wav")), "RIFF garbage");
    const PcmAudio three = speech::objectSound(3, dir.path());
    QCOMPARE(three.sampleRate, 16000);
    QCOMPARE(three.data, own.data);
    // A damaged file and a missing one both leave the built-in tone.
    QCOMPARE(speech::objectSound(2, dir.path()).data, speech::builtInTone(2).data);
    QCOMPARE(speech::objectSound(1, dir.path()).data, speech::builtInTone(1).data);

    // Beside the program first, then the user's data folder: a later folder fills in for a
    // missing or damaged file of an earlier one, but never overrides a good one.
    QTemporaryDir data;
    const PcmAudio theirs{8000, 1, 2, QByteArray(800, '\x11')};
    for (const char* name : {"Object 3.wav", "Object 2.wav", "Object 1.wav"})
        testing::writeFile(data.filePath(QLatin1String(name)), speech::makeWav(theirs));
    const QStringList both{dir.path(), data.path()};
    QCOMPARE(speech::objectSound(3, both).data, own.data);
    QCOMPARE(speech::objectSound(2, both).data, theirs.data);
    QCOMPARE(speech::objectSound(1, both).data, theirs.data);
    QCOMPARE(speech::objectSound(4, both).data, speech::builtInTone(4).data);
}

void TestSpeech::defaultVoice_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("voices");
    QTest::addColumn<QString>("expected");

    const QStringList many{"de", "en", "en-gb-scotland", "en-us", "fr-be", "fr-fr", "pt", "pt-br"};
    QTest::newRow("language present") << "de_DE" << many << "de";
    QTest::newRow("regional voice first") << "en_US" << many << "en-us";
    QTest::newRow("plain language before other regions") << "en_AU" << many << "en";
    QTest::newRow("regional voice of the language")
        << "fr_CA" << QStringList{"en", "fr-be", "fr-fr"} << "fr-be";
    QTest::newRow("region matches case-insensitively") << "pt_BR" << many << "pt-br";
    QTest::newRow("unknown language: English") << "ja_JP" << many << "en";
    QTest::newRow("only a regional English") << "ja_JP" << QStringList{"de", "en-us"} << "en-us";
    QTest::newRow("no English at all: the first") << "ja_JP" << QStringList{"de", "fr"} << "de";
    QTest::newRow("no voices") << "de_DE" << QStringList{} << "";
    QTest::newRow("no prefix confusion") << "et_EE" << QStringList{"en", "es"} << "en";
    const QStringList espeak{"de", "en-029", "en-gb", "en-gb-scotland", "en-us"};
    QTest::newRow("English without a plain voice: British") << "C" << espeak << "en-gb";
    QTest::newRow("English of another region: British") << "en_AU" << espeak << "en-gb";
}

void TestSpeech::defaultVoice() {
    QFETCH(QStringList, voices);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(speech::defaultVoice(voices, QLocale(locale)), expected);
}

void TestSpeech::voiceForSet_data() {
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("shared");
    QTest::addColumn<QString>("expected");
    // A set's voice that this machine lacks (a file from elsewhere) is not a reason to fall
    // past the database's choice to the system's language.
    const char* const rows[][4] = {{"the set's own", "de", "en-us", "de"},
                                   {"none: the database's", "", "en-us", "en-us"},
                                   {"missing here: the database's", "xx-gone", "en-us", "en-us"},
                                   {"neither: the system's language", "xx-gone", "", "fr-fr"}};
    for (const auto& row : rows)
        QTest::newRow(row[0]) << row[1] << row[2] << row[3];
}

void TestSpeech::voiceForSet() {
    QFETCH(QString, own);
    QFETCH(QString, shared);
    QFETCH(QString, expected);
    const QStringList voices{"de", "en-us", "fr-fr"};
    QCOMPARE(speech::voiceForSet(own, shared, voices, QLocale("fr_FR")), expected);
}

void TestSpeech::voiceLabel_data() {
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("engineName"); // as espeak-ng names its voices
    QTest::addColumn<QString>("expected");
    const QStringList rows[] = {
        {"language alone", "de", "German", "German (Germany)"},
        {"region", "en-gb", "English (Great Britain)", "English (United Kingdom)"},
        {"variant of a region", "en-gb-x-rp", "English (Received Pronunciation)",
         "English (United Kingdom, Received Pronunciation)"},
        {"variant named by the code", "en-gb-scotland", "English (Scotland)",
         "English (United Kingdom, Scotland)"},
        {"variant naming the region too", "en-us-nyc", "English (America, New York City)",
         "English (United States, New York City)"},
        {"numeric region", "es-419", "Spanish (Latin America)", "Spanish (Latin America)"},
        {"region unknown to Qt", "en-029", "English (Caribbean)", "English (Caribbean)"},
        {"no name from the engine", "en-029", "", "English"},
        {"variant without a name", "en-gb-x-rp", "", "English (United Kingdom)"},
    };
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] + " \u2013 " + row[1];
    QTest::newRow("unknown language, named") << "xx-yy"
                                             << "Xish" << QString("Xish \u2013 xx-yy");
    QTest::newRow("unknown language as it is") << "xx-yy"
                                               << "" << QString("xx-yy");
}

void TestSpeech::voiceLabel() {
    QFETCH(QString, voice);
    QFETCH(QString, engineName);
    QFETCH(QString, expected);
    QCOMPARE(speech::voiceLabel(voice, engineName), expected);
}

// Named as the installed espeak-ng names its voices, no two English ones read alike.
void TestSpeech::englishVoicesAreToldApart() {
    speech::SystemSpeech speech;
    QSet<QString> words;
    int english = 0;
    for (const QString& v : speech.voices()) {
        if (!v.startsWith("en"))
            continue;
        ++english;
        const QString label = speech::voiceLabel(v, speech.voiceName(v));
        words.insert(label.section(QString(" \u2013 "), 0, 0));
        if (v == "en-029")
            QCOMPARE(label, QString("English (Caribbean) \u2013 en-029"));
    }
    QVERIFY(english >= 2);
    QCOMPARE(words.size(), english);
}

void TestSpeech::pauseStepKeepsTheLoopRunning() {
    // A timer stands for the window's painting, which must go on during the pause.
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(20);
    speech::SystemSpeech speech; // no audio device needed for a pause
    QElapsedTimer clock;
    clock.start();
    speech.pauseStep();
    const qint64 ms = clock.elapsed();
    QVERIFY2(ms >= 350 && ms < 1500, qPrintable(QString::number(ms)));
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
}

QTEST_MAIN(TestSpeech)
#include "test_speech.moc"
