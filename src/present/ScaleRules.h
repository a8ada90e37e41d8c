// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// How the main window's screens grow and shrink with the window. A screen is designed for
// one window size; at any other size every position, size and font is the designed one
// times one factor, and the content stands in the middle of the window.
namespace present {

// Below this the captions get too small to read.
inline constexpr double kSmallestScale = 0.75;

// The factor at which the designed window fits into `window`: the smaller of the two
// ratios, so the content keeps its proportions.
double scaleToFit(QSizeF window, QSizeF designed);

// The largest factor at which the designed window, with its frame (title bar and borders),
// still fits the screen's `available` area.
double largestScale(QSizeF available, QMarginsF frame, QSizeF designed);

// The factor in force: what the user asked for, no smaller than kSmallestScale unless the
// screen has no room even for that, and never so large that the window leaves the screen.
double boundedScale(double wanted, double largest);

// A designed length, position or rectangle at `factor`, in whole pixels. Each edge is
// rounded on its own, as the layouts place controls.
int scaledLength(double designed, double factor);
QRect scaledRect(const QRectF& designed, double factor);
QSize scaledSize(QSizeF designed, double factor);
double scaledPointSize(double designed, double factor);

// The body text size at which the desktops' usual fonts stop; the designed captions were
// sized for text no larger.
inline constexpr double kUsualBodyPoints = 11.0;

// How much larger than designed the captions are drawn under a body font of
// `applicationPoints`: as much larger as that font is than the usual ones, never smaller.
double fontBoost(double applicationPoints);

// Where the content (the designed window at `factor`) starts inside a window of size
// `window`: the same room left and right, above and below; never left of or above the
// window's corner.
QPoint centringOffset(QSize window, QSizeF designed, double factor);

// A factor is kept with the mode it was set in; a stored one that makes no sense counts
// as the designed size.
double usableStoredScale(double stored);

} // namespace present
