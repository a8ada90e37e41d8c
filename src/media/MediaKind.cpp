// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaKind.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <climits>

namespace media {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Media)
};

quint32 bigEndian(const QByteArray& b, qsizetype at, int bytes) {
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | static_cast<quint8>(b[at + i]);
    return v;
}

quint32 littleEndian(const QByteArray& b, qsizetype at, int bytes) {
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(b[at + i]);
    return v;
}

bool has(const QByteArray& b, qsizetype at, const char* what) {
    const QByteArray w(what);
    return b.size() >= at + w.size() && b.mid(at, w.size()) == w;
}

QSize sized(quint32 width, quint32 height) {
    // Zero or absurd sides stay as stated: the limits below refuse them.
    return {static_cast<int>(std::min<quint32>(width, INT_MAX)),
            static_cast<int>(std::min<quint32>(height, INT_MAX))};
}

QSize pngSize(const QByteArray& b) {
    // The first chunk is IHDR: width and height, four bytes each, big-endian.
    if (b.size() < 24 || !has(b, 12, "IHDR"))
        return {};
    return sized(bigEndian(b, 16, 4), bigEndian(b, 20, 4));
}

QSize gifSize(const QByteArray& b) {
    if (b.size() < 10)
        return {};
    return sized(littleEndian(b, 6, 2), littleEndian(b, 8, 2));
}

bool isStartOfFrame(quint8 marker) {
    // SOF0..SOF15 but DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

QSize jpegSize(const QByteArray& b) {
    qsizetype at = 2;
    while (at + 4 <= b.size()) {
        if (static_cast<quint8>(b[at]) != 0xFF)
            return {}; // not a marker where one must be: a damaged file
        const quint8 marker = static_cast<quint8>(b[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA)
            return {}; // the picture's data begins before any frame header
        const qsizetype length = bigEndian(b, at + 2, 2);
        if (length < 2)
            return {};
        if (isStartOfFrame(marker)) {
            if (at + 9 > b.size())
                return {};
            return sized(bigEndian(b, at + 7, 2), bigEndian(b, at + 5, 2));
        }
        at += 2 + length;
    }
    return {};
}

QSize webpSize(const QByteArray& b) {
    if (b.size() < 30)
        return {};
    if (has(b, 12, "VP8X")) // canvas width and height less one, 24 bits each
        return sized(littleEndian(b, 24, 3) + 1, littleEndian(b, 27, 3) + 1);
    if (has(b, 12, "VP8L") && static_cast<quint8>(b[20]) == 0x2F) {
        const quint32 bits = littleEndian(b, 21, 4);
        return sized((bits & 0x3FFF) + 1, ((bits >> 14) & 0x3FFF) + 1);
    }
    if (has(b, 12, "VP8 ") && static_cast<quint8>(b[23]) == 0x9D &&
        static_cast<quint8>(b[24]) == 0x01 && static_cast<quint8>(b[25]) == 0x2A)
        return sized(littleEndian(b, 26, 2) & 0x3FFF, littleEndian(b, 28, 2) & 0x3FFF);
    return {};
}

// An SVG's width and height when its root element gives them as plain numbers (or pixels).
QSize svgSize(const QByteArray& b) {
    static const QRegularExpression root(QStringLiteral("<svg\\b[^>]*>"));
    const QRegularExpressionMatch tag = root.match(QString::fromUtf8(b.left(qsizetype{64} * 1024)));
    if (!tag.hasMatch())
        return {};
    const auto side = [&](const char* name) -> int {
        const QRegularExpression attribute(
            QStringLiteral("\\s%1\\s*=\\s*[\"']\\s*([0-9]+(?:\\.[0-9]+)?)\\s*(px)?\\s*[\"']")
                .arg(QLatin1String(name)));
        const QRegularExpressionMatch m = attribute.match(tag.captured(0));
        return m.hasMatch() ? static_cast<int>(std::min(m.captured(1).toDouble(), 1e9)) : 0;
    };
    const int w = side("width");
    const int h = side("height");
    return w > 0 && h > 0 ? QSize(w, h) : QSize();
}

bool looksLikeSvg(const QByteArray& b) {
    // Text that opens (after a byte-order mark, blanks, an XML declaration, comments or a
    // doctype) with an svg element.
    QByteArray t = b.left(4096);
    if (t.startsWith("\xEF\xBB\xBF"))
        t.remove(0, 3);
    static const QRegularExpression start(
        QStringLiteral("^\\s*(<\\?xml[^>]*>\\s*)?((<!--.*?-->|<!DOCTYPE[^>]*>)\\s*)*<svg\\b"),
        QRegularExpression::DotMatchesEverythingOption);
    return start.match(QString::fromUtf8(t)).hasMatch();
}

bool isMp3(const QByteArray& b) {
    if (has(b, 0, "ID3"))
        return true;
    // An MPEG audio frame header: eleven set bits, a version that exists and layer III.
    if (b.size() < 4 || static_cast<quint8>(b[0]) != 0xFF)
        return false;
    const quint8 second = static_cast<quint8>(b[1]);
    return (second & 0xE0) == 0xE0 && (second & 0x18) != 0x08 && (second & 0x06) == 0x02;
}

} // namespace

bool isPicture(Kind kind) {
    return kind == Kind::Png || kind == Kind::Jpeg || kind == Kind::Gif || kind == Kind::WebP ||
           kind == Kind::Svg;
}

bool isSound(Kind kind) {
    return kind == Kind::Wav || kind == Kind::Mp3 || kind == Kind::Ogg || kind == Kind::Opus;
}

QString mimeType(Kind kind) {
    switch (kind) {
    case Kind::Png:
        return QStringLiteral("image/png");
    case Kind::Jpeg:
        return QStringLiteral("image/jpeg");
    case Kind::Gif:
        return QStringLiteral("image/gif");
    case Kind::WebP:
        return QStringLiteral("image/webp");
    case Kind::Svg:
        return QStringLiteral("image/svg+xml");
    case Kind::Wav:
        return QStringLiteral("audio/wav");
    case Kind::Mp3:
        return QStringLiteral("audio/mpeg");
    case Kind::Ogg:
        return QStringLiteral("audio/ogg");
    case Kind::Opus:
        return QStringLiteral("audio/opus");
    case Kind::Unknown:
        break;
    }
    return {};
}

Sniffed sniff(const QByteArray& head) {
    if (has(head, 0, "\x89PNG\r\n\x1A\n"))
        return {Kind::Png, pngSize(head)};
    if (head.size() >= 3 && static_cast<quint8>(head[0]) == 0xFF &&
        static_cast<quint8>(head[1]) == 0xD8 && static_cast<quint8>(head[2]) == 0xFF)
        return {Kind::Jpeg, jpegSize(head)};
    if (has(head, 0, "GIF87a") || has(head, 0, "GIF89a"))
        return {Kind::Gif, gifSize(head)};
    if (has(head, 0, "RIFF") && has(head, 8, "WEBP"))
        return {Kind::WebP, webpSize(head)};
    if (has(head, 0, "RIFF") && has(head, 8, "WAVE"))
        return {Kind::Wav, {}};
    if (has(head, 0, "OggS")) {
        // The first page carries the codec's identification header.
        if (head.left(80).contains("OpusHead"))
            return {Kind::Opus, {}};
        if (head.left(80).contains("\x01vorbis"))
            return {Kind::Ogg, {}};
        return {};
    }
    if (isMp3(head))
        return {Kind::Mp3, {}};
    if (looksLikeSvg(head))
        return {Kind::Svg, svgSize(head)};
    return {};
}

bool svgIsSelfContained(const QByteArray& bytes) {
    // Anything that could reach beyond the file (another file, a web address, an entity that
    // reads one) or run (a script, an event handler): such a file is not shown at all.
    static const QRegularExpression reaching(
        QStringLiteral("<script\\b|<!ENTITY|\\son[a-z]+\\s*=\\s*[\"']|@import|"
                       "href\\s*=\\s*[\"']\\s*(?!#|data:)|url\\(\\s*[\"']?\\s*(?!#|data:)"),
        QRegularExpression::CaseInsensitiveOption);
    return !reaching.match(QString::fromUtf8(bytes)).hasMatch();
}

Kind kindOf(const QByteArray& bytes) {
    return sniff(bytes.left(kHeadBytes)).kind;
}

QString refusal(const QString& fileName, const QByteArray& bytes) {
    const Sniffed s = sniff(bytes);
    if (s.kind == Kind::Unknown)
        return Text::tr("\"%1\" is no picture or sound that can be kept (PNG, JPEG, GIF, "
                        "WebP or SVG; WAV, MP3, Ogg Vorbis or Opus).")
            .arg(fileName);
    if (isPicture(s.kind)) {
        if (bytes.size() > kLargestPictureBytes)
            return Text::tr("The picture \"%1\" is larger than 10 MB.").arg(fileName);
        if (s.kind != Kind::Svg && s.size.isEmpty())
            return Text::tr("The picture \"%1\" cannot be read: its header is damaged or "
                            "cut short.")
                .arg(fileName);
        if (s.kind == Kind::Svg && !svgIsSelfContained(bytes))
            return Text::tr("The picture \"%1\" refers to other files or holds a script: "
                            "only a self-contained SVG is kept.")
                .arg(fileName);
        if (s.size.width() > kLargestPictureSide || s.size.height() > kLargestPictureSide)
            return Text::tr("The picture \"%1\" is %2 × %3 px: more than %4 px on a side.")
                .arg(fileName)
                .arg(s.size.width())
                .arg(s.size.height())
                .arg(kLargestPictureSide);
        return {};
    }
    if (bytes.size() > kLargestSoundBytes)
        return Text::tr("The sound \"%1\" is larger than 20 MB.").arg(fileName);
    return {};
}

} // namespace media
