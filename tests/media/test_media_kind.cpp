// SPDX-License-Identifier: GPL-3.0-or-later
// A file's kind and a picture's size from the header alone: real files from Qt's writers,
// headers made by hand, and headers that lie.
#include "media/MediaKind.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QtTest>

using media::Kind;

namespace {

QByteArray written(const char* format, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

QByteArray be32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[3 - i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

// A PNG signature and IHDR chunk claiming any size; no picture data follows.
QByteArray pngHeader(quint32 width, quint32 height) {
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height) +
           QByteArray("\x08\x02\x00\x00\x00", 5);
}

QByteArray wavHeader(quint32 claimedLength) {
    return "RIFF" + le32(claimedLength) + "WAVEfmt " + le32(16) +
           QByteArray("\x01\x00\x01\x00\x40\x1F\x00\x00\x80\x3E\x00\x00\x02\x00\x10\x00", 16) +
           "data" + le32(claimedLength);
}

} // namespace

class TestMediaKind : public QObject {
    Q_OBJECT
  private slots:
    void kindsAndSizes_data();
    void kindsAndSizes();
    void hostileHeadersAreRefusedWithTheirName_data();
    void hostileHeadersAreRefusedWithTheirName();
    void selfContainedSvgIsKept();
};

void TestMediaKind::kindsAndSizes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("mime");
    QTest::newRow("PNG, written by Qt")
        << written("PNG", {640, 480}) << int(Kind::Png) << QSize(640, 480) << "image/png";
    QTest::newRow("JPEG, written by Qt")
        << written("JPEG", {321, 123}) << int(Kind::Jpeg) << QSize(321, 123) << "image/jpeg";
    if (QImageWriter::supportedImageFormats().contains("webp"))
        QTest::newRow("WebP, written by Qt")
            << written("WEBP", {77, 55}) << int(Kind::WebP) << QSize(77, 55) << "image/webp";
    QTest::newRow("GIF") << QByteArray("GIF89a\x20\x03\x58\x02\x00\x00\x00", 13) << int(Kind::Gif)
                         << QSize(800, 600) << "image/gif";
    QTest::newRow("WebP, extended")
        << "RIFF" + le32(30) + "WEBPVP8X" + le32(10) +
               QByteArray("\x10\x00\x00\x00\x1F\x03\x00\x57\x02\x00", 10)
        << int(Kind::WebP) << QSize(800, 600) << "image/webp";
    QTest::newRow("SVG with a size")
        << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- a drawing -->\n<svg "
                      "xmlns=\"http://www.w3.org/2000/svg\" width=\"64px\" height='48'>")
        << int(Kind::Svg) << QSize(64, 48) << "image/svg+xml";
    QTest::newRow("SVG without one") << QByteArray("<svg viewBox=\"0 0 10 10\"/>") << int(Kind::Svg)
                                     << QSize() << "image/svg+xml";
    QTest::newRow("WAV") << wavHeader(1000) << int(Kind::Wav) << QSize() << "audio/wav";
    // Only the header is read: a length it claims allocates nothing.
    QTest::newRow("WAV claiming 4 GB")
        << wavHeader(0xFFFFFFF0) << int(Kind::Wav) << QSize() << "audio/wav";
    QTest::newRow("MP3 with a tag") << QByteArray("ID3\x04\x00\x00\x00\x00\x00\x00", 10)
                                    << int(Kind::Mp3) << QSize() << "audio/mpeg";
    QTest::newRow("MP3 frame") << QByteArray("\xFF\xFB\x90\x64", 4) << int(Kind::Mp3) << QSize()
                               << "audio/mpeg";
    QTest::newRow("Ogg Vorbis") << QByteArray("OggS\x00\x02", 6) + QByteArray(22, '\0') +
                                       QByteArray("\x01\x1E\x01vorbis")
                                << int(Kind::Ogg) << QSize() << "audio/ogg";
    QTest::newRow("Opus") << QByteArray("OggS\x00\x02", 6) + QByteArray(22, '\0') +
                                 QByteArray("\x01\x13OpusHead")
                          << int(Kind::Opus) << QSize() << "audio/opus";
    QTest::newRow("text") << QByteArray("question;answer\n") << int(Kind::Unknown) << QSize() << "";
    QTest::newRow("nothing") << QByteArray() << int(Kind::Unknown) << QSize() << "";
}

void TestMediaKind::kindsAndSizes() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(QSize, size);
    QFETCH(QString, mime);
    const media::Sniffed s = media::sniff(bytes);
    QCOMPARE(int(s.kind), kind);
    QCOMPARE(s.size, size);
    QCOMPARE(media::mimeType(s.kind), mime);
    if (s.kind != Kind::Unknown)
        QVERIFY2(media::refusal("x", bytes).isEmpty(), qPrintable(media::refusal("x", bytes)));
}

void TestMediaKind::hostileHeadersAreRefusedWithTheirName_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");
    const QByteArray jpeg = written("JPEG", {300, 200});
    QTest::newRow("a decompression bomb")
        << pngHeader(100000, 100000) << "\"f\" is 100000 × 100000 px: more than 8000 px on a side";
    QTest::newRow("a JPEG cut before its frame header")
        << jpeg.left(20) << "\"f\" cannot be read: its header is damaged or cut short";
    QTest::newRow("a JPEG whose segment lengths run off the end")
        << QByteArray("\xFF\xD8\xFF\xE0\xFF\xFF", 6)
        << "\"f\" cannot be read: its header is damaged or cut short";
    QTest::newRow("a picture over 10 MB")
        << pngHeader(10, 10) + QByteArray(10 * 1024 * 1024, '\0') << "\"f\" is larger than 10 MB";
    QTest::newRow("a sound over 20 MB")
        << wavHeader(16) + QByteArray(20 * 1024 * 1024, '\0') << "\"f\" is larger than 20 MB";
    QTest::newRow("not a picture or sound")
        << QByteArray("%PDF-1.7") << "\"f\" is no picture or sound that can be kept";
    // Never fetched or run: such a drawing is not kept at all.
    const QString reaching = "\"f\" refers to other files or holds a script";
    QTest::newRow("an SVG with a script")
        << QByteArray("<svg width='9' height='9'><script>alert(1)</script></svg>") << reaching;
    QTest::newRow("an SVG with an event handler")
        << QByteArray("<svg width='9' height='9' onload = \"x()\"/>") << reaching;
    QTest::newRow("an SVG drawing another file")
        << QByteArray("<svg width='9' height='9'><image xlink:href=\"/etc/passwd.png\"/></svg>")
        << reaching;
    QTest::newRow("an SVG drawing a web address")
        << QByteArray("<svg width='9' height='9'><image href='https://example.org/a.png'/></svg>")
        << reaching;
    QTest::newRow("an SVG styled from elsewhere")
        << QByteArray("<svg width='9' height='9'><style>@import 'x.css';</style></svg>")
        << reaching;
    QTest::newRow("an SVG filled from elsewhere")
        << QByteArray("<svg width='9' height='9'><rect fill='url(other.svg#p)'/></svg>")
        << reaching;
}

void TestMediaKind::hostileHeadersAreRefusedWithTheirName() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    const QString refusal = media::refusal("f", bytes);
    QVERIFY2(refusal.contains(said), qPrintable(refusal));
}

// References inside the drawing itself, and text that merely mentions the words, are fine.
void TestMediaKind::selfContainedSvgIsKept() {
    const QByteArray svg("<svg xmlns='http://www.w3.org/2000/svg' "
                         "xmlns:xlink='http://www.w3.org/1999/xlink' width='9' height='9'>"
                         "<defs><linearGradient id='g'/></defs><rect id='a' fill='url(#g)'/>"
                         "<use xlink:href='#a'/><image href='data:image/png;base64,iVBO'/>"
                         "<text>an onion = a bulb; no script here</text></svg>");
    QCOMPARE(media::refusal("f", svg), QString());
}

QTEST_MAIN(TestMediaKind)
#include "test_media_kind.moc"
