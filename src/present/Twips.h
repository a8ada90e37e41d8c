// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace present {

// Window geometry is designed in twips: 15 twips to a pixel at 96 dpi, scaled with the
// screen's logical dpi and with the factor the window draws its screens at (LayoutScaler.h).
// Sizes given to the main window itself are its designed size, which the factor scales.
int twipsToPixels(int twips, const QWidget* widget);
// The same length at factor 1, unrounded.
double twipsToDesign(int twips, const QWidget* widget);
void placeTwips(QWidget* widget, int left, int top);
void placeTwips(QWidget* widget, int left, int top, int width, int height);
void resizeTwips(QWidget* widget, int width, int height);
void setWidthTwips(QWidget* widget, int width);
void setHeightTwips(QWidget* widget, int height);
void setTopTwips(QWidget* widget, int top);

} // namespace present
