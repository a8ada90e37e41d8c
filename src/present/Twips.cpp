// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/Twips.h"

#include "present/LayoutScaler.h"
#include "present/ScaleRules.h"
#include "present/ScaledPlacement.h"

#include <QWidget>

namespace present {
namespace {
LayoutScaler* scalerOfWindow(QWidget* widget) {
    return widget->isWindow() ? LayoutScaler::of(widget) : nullptr;
}
} // namespace

double twipsToDesign(int twips, const QWidget* widget) {
    const double dpi = widget ? widget->logicalDpiX() : 96.0;
    return twips / 15.0 * dpi / 96.0;
}

int twipsToPixels(int twips, const QWidget* widget) {
    return scaledLength(twipsToDesign(twips, widget), layoutScale(widget));
}

void placeTwips(QWidget* widget, int left, int top) {
    placeDesigned(widget, {.x = twipsToDesign(left, widget), .y = twipsToDesign(top, widget)});
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    placeDesigned(widget, {twipsToDesign(left, widget), twipsToDesign(top, widget),
                           twipsToDesign(width, widget), twipsToDesign(height, widget)});
}

void resizeTwips(QWidget* widget, int width, int height) {
    if (LayoutScaler* scaler = scalerOfWindow(widget))
        scaler->setDesignedSize({twipsToDesign(width, widget), twipsToDesign(height, widget)});
    else
        placeDesigned(widget, {.width = twipsToDesign(width, widget),
                               .height = twipsToDesign(height, widget)});
}

void setWidthTwips(QWidget* widget, int width) {
    if (LayoutScaler* scaler = scalerOfWindow(widget))
        scaler->setDesignedWidth(twipsToDesign(width, widget));
    else
        placeDesigned(widget, {.width = twipsToDesign(width, widget)});
}

void setHeightTwips(QWidget* widget, int height) {
    if (LayoutScaler* scaler = scalerOfWindow(widget))
        scaler->setDesignedHeight(twipsToDesign(height, widget));
    else
        placeDesigned(widget, {.height = twipsToDesign(height, widget)});
}

void setTopTwips(QWidget* widget, int top) {
    placeDesigned(widget, {.y = twipsToDesign(top, widget)});
}

} // namespace present
