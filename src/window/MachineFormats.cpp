// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MachineFormats.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QMediaFormat>
#include <QStringList>

namespace window {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(HelpWindow)
};

QString listed(const QStringList& kinds) {
    return kinds.isEmpty() ? Text::tr("none") : kinds.join(QStringLiteral(", "));
}

} // namespace

QString machineFormatsHtml() {
    const QList<QByteArray> readers = QImageReader::supportedImageFormats();
    QStringList pictures;
    const std::pair<const char*, const char*> pictureKinds[] = {
        {"png", "PNG"}, {"jpeg", "JPEG"}, {"gif", "GIF"}, {"webp", "WebP"}, {"svg", "SVG"}};
    for (const auto& [format, name] : pictureKinds) {
        if (readers.contains(format))
            pictures << QString::fromLatin1(name);
    }
    QMediaFormat decoding; // no file format set: every one the backend knows
    const QList<QMediaFormat::FileFormat> files =
        decoding.supportedFileFormats(QMediaFormat::Decode);
    const QList<QMediaFormat::AudioCodec> codecs =
        decoding.supportedAudioCodecs(QMediaFormat::Decode);
    QStringList sounds;
    if (files.contains(QMediaFormat::Wave))
        sounds << QStringLiteral("WAV");
    if (files.contains(QMediaFormat::MP3) || codecs.contains(QMediaFormat::AudioCodec::MP3))
        sounds << QStringLiteral("MP3");
    if (files.contains(QMediaFormat::Ogg) && codecs.contains(QMediaFormat::AudioCodec::Vorbis))
        sounds << QStringLiteral("Ogg Vorbis");
    if (codecs.contains(QMediaFormat::AudioCodec::Opus))
        sounds << QStringLiteral("Opus");
    return Text::tr("<ul><li>pictures: %1</li><li>sounds: %2</li></ul>")
        .arg(listed(pictures), listed(sounds));
}

} // namespace window
