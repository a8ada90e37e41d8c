// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

// The user's own colours. A desktop's dark or high-contrast scheme reaches the program as
// an application palette other than the style's; the screens then keep its colours rather
// than the designed ones, which were chosen for a light face and may vanish on another.
namespace present {

// True when the application's palette is not the style's standard one in the roles the
// screens paint text and faces with, and it is dark or of high contrast.
bool followsSystemPalette();

// The WCAG contrast ratio of two colours, from 1 (alike) to 21 (black and white).
double contrastRatio(const QColor& a, const QColor& b);

// `preferred`, or where it has less than `ratio` contrast on `background`, the nearest shade
// of it towards black or white (whichever stands out more there) that has.
QColor readableOn(const QColor& preferred, const QColor& background, double ratio);

// A label over a picture fills its own background with the palette's window colour, so its
// text stays readable whatever the picture shows behind it.
void fillFromPalette(QWidget* label);

} // namespace present
