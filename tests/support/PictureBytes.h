// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QColor>
#include <QImage>

namespace testing {

// A real picture file, written by Qt's own image writer: `format` "PNG", "JPEG", ...
inline QByteArray pictureBytes(const char* format, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace testing
