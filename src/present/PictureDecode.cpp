// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/PictureDecode.h"

#include "media/MediaKind.h"

#include <QBuffer>
#include <QImageReader>

namespace present {

QImage decodePicture(const QByteArray& bytes, QSize box) {
    if (box.isEmpty() || !media::refusal(QString(), bytes).isEmpty())
        return {};
    const media::Sniffed sniffed = media::sniff(bytes.left(media::kHeadBytes));
    if (!media::isPicture(sniffed.kind))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QSize size = reader.size();
    if (!size.isValid())
        size = sniffed.size;
    // What the reader says must agree with the header the limits were checked against.
    if (size.width() > media::kLargestPictureSide || size.height() > media::kLargestPictureSide)
        return {};
    if (sniffed.kind == media::Kind::Svg) {
        if (size.isEmpty())
            size = box;
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    } else if (size.isEmpty()) {
        return {};
    } else if (size.width() > box.width() || size.height() > box.height()) {
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    }
    QImage image = reader.read(); // a GIF's first frame
    if (image.isNull())
        return {};
    if (image.width() > box.width() || image.height() > box.height())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace present
