// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/Twips.h"

#include <QWidget>
#include <cmath>

namespace present {

int twipsToPixels(int twips, const QWidget* widget) {
    const double dpi = widget ? widget->logicalDpiX() : 96.0;
    return static_cast<int>(std::lround(twips / 15.0 * dpi / 96.0));
}

void placeTwips(QWidget* widget, int left, int top) {
    widget->move(twipsToPixels(left, widget), twipsToPixels(top, widget));
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsToPixels(left, widget), twipsToPixels(top, widget),
                        twipsToPixels(width, widget), twipsToPixels(height, widget));
}

void resizeTwips(QWidget* widget, int width, int height) {
    widget->resize(twipsToPixels(width, widget), twipsToPixels(height, widget));
}

void setWidthTwips(QWidget* widget, int width) {
    widget->resize(twipsToPixels(width, widget), widget->height());
}

void setHeightTwips(QWidget* widget, int height) {
    widget->resize(widget->width(), twipsToPixels(height, widget));
}

void setTopTwips(QWidget* widget, int top) {
    widget->move(widget->x(), twipsToPixels(top, widget));
}

} // namespace present
