// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/ScaleRules.h"

#include <algorithm>
#include <cmath>

namespace present {
namespace {
// Guards the divisions against a window or design of no size.
double ratio(double room, double designed) {
    return designed > 0 ? room / designed : 1.0;
}
} // namespace

double scaleToFit(QSizeF window, QSizeF designed) {
    return std::min(ratio(window.width(), designed.width()),
                    ratio(window.height(), designed.height()));
}

double largestScale(QSizeF available, QMarginsF frame, QSizeF designed) {
    const QSizeF room(available.width() - frame.left() - frame.right(),
                      available.height() - frame.top() - frame.bottom());
    return std::max(0.0, scaleToFit(room, designed));
}

double boundedScale(double wanted, double largest) {
    const double atLeast = std::max(wanted, kSmallestScale);
    return largest > 0 ? std::min(atLeast, largest) : atLeast;
}

int scaledLength(double designed, double factor) {
    return static_cast<int>(std::lround(designed * factor));
}

QRect scaledRect(const QRectF& designed, double factor) {
    return {scaledLength(designed.x(), factor), scaledLength(designed.y(), factor),
            scaledLength(designed.width(), factor), scaledLength(designed.height(), factor)};
}

QSize scaledSize(QSizeF designed, double factor) {
    return {scaledLength(designed.width(), factor), scaledLength(designed.height(), factor)};
}

double scaledPointSize(double designed, double factor) {
    return designed * factor;
}

double fontBoost(double applicationPoints) {
    if (!std::isfinite(applicationPoints) || applicationPoints <= kUsualBodyPoints)
        return 1.0;
    return applicationPoints / kUsualBodyPoints;
}

QPoint centringOffset(QSize window, QSizeF designed, double factor) {
    const QSize content = scaledSize(designed, factor);
    return {std::max(0, (window.width() - content.width()) / 2),
            std::max(0, (window.height() - content.height()) / 2)};
}

double usableStoredScale(double stored) {
    // Far outside what any screen allows: a damaged or hand-edited value.
    if (!std::isfinite(stored) || stored < 0.1 || stored > 20)
        return 1.0;
    return stored;
}

} // namespace present
