// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace media {

// What a file holds, told from its first bytes; nothing is decoded.
enum class Kind { Unknown, Png, Jpeg, Gif, WebP, Svg, Wav, Mp3, Ogg, Opus };

bool isPicture(Kind kind);
bool isSound(Kind kind);
// The MIME type stored with the bytes; empty for Unknown.
QString mimeType(Kind kind);

// The limits a file must keep: larger ones are refused before anything reads them whole.
constexpr qint64 kLargestPictureBytes = 10LL * 1024 * 1024;
constexpr qint64 kLargestSoundBytes = 20LL * 1024 * 1024;
constexpr int kLargestPictureSide = 8000;

struct Sniffed {
    Kind kind = Kind::Unknown;
    // A picture's size as its header states it; empty when the header does not say (an SVG
    // without plain width and height) or is cut short.
    QSize size;
};
// Tells the kind and a picture's size from the bytes a file begins with (a few kilobytes are
// enough for every kind but a JPEG with large metadata, whose segments are walked as far as the
// bytes go). Never reads past `head`, never allocates by what the header claims.
Sniffed sniff(const QByteArray& head);
// As many first bytes as sniff() needs for every kind but the rarest JPEG.
constexpr qsizetype kHeadBytes = qsizetype(64) * 1024;
// The kind of a whole file, told from its first kHeadBytes.
Kind kindOf(const QByteArray& bytes);

// An SVG that reaches no other file or address and holds no script or event handler.
bool svgIsSelfContained(const QByteArray& bytes);

// Empty when the file may be kept; otherwise why not, naming `fileName`: a kind that cannot be
// read, a picture over 10 MB or over 8,000 px on a side, a sound over 20 MB.
QString refusal(const QString& fileName, const QByteArray& bytes);

} // namespace media
