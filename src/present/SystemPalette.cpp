// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/SystemPalette.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace present {
namespace {

double luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor mix(const QColor& from, const QColor& to, double share) {
    const auto between = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(static_cast<float>(between(from.redF(), to.redF())),
                            static_cast<float>(between(from.greenF(), to.greenF())),
                            static_cast<float>(between(from.blueF(), to.blueF())));
}

} // namespace

bool followsSystemPalette() {
    const QStyle* style = QApplication::style();
    if (style == nullptr)
        return false;
    const QPalette standard = style->standardPalette();
    const QPalette used = QApplication::palette();
    bool own = false;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                     QPalette::Text, QPalette::Button, QPalette::ButtonText})
        own = own || used.color(QPalette::Active, role) != standard.color(QPalette::Active, role);
    if (!own)
        return false;
    // A desktop's ordinary light scheme keeps the designed colours, which were chosen for
    // one; only a dark face or a high-contrast one (pure black and white, beyond the 18:1 of
    // the usual light grey) needs the desktop's own.
    const QColor window = used.color(QPalette::Active, QPalette::Window);
    const QColor text = used.color(QPalette::Active, QPalette::WindowText);
    return luminance(window) < luminance(text) || contrastRatio(window, text) >= 19.0;
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& preferred, const QColor& background, double ratio) {
    if (contrastRatio(preferred, background) >= ratio)
        return preferred;
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const QColor towards =
        contrastRatio(white, background) >= contrastRatio(black, background) ? white : black;
    // Tenths keep as much of the colour as the contrast allows.
    for (int step = 1; step < 10; ++step) {
        const QColor shade = mix(preferred, towards, step / 10.0);
        if (contrastRatio(shade, background) >= ratio)
            return shade;
    }
    return towards;
}

void fillFromPalette(QWidget* label) {
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    label->setPalette(p);
    label->setAutoFillBackground(true);
}

} // namespace present
