// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace present {

// A card's picture decoded to fit `box` (pixels), keeping its shape: a larger one is decoded
// at the smaller size straight away (a JPEG's decoder scales as it reads), a smaller one is
// kept as it is, a drawing (SVG) is drawn to fill the box. A null image when it cannot be
// shown: refused by the limits (read from the header first, so no bomb is ever decoded),
// damaged, cut, reaching outside itself, or of a kind this machine's Qt cannot read. Safe on
// any thread.
QImage decodePicture(const QByteArray& bytes, QSize box);

} // namespace present
