// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

class QWidget;
class QFont;

namespace present {

// The factor the window holding `w` draws its screens at; 1 where none was set.
double layoutScale(const QWidget* w);

// A control's place and size in designed pixels (at factor 1). Parts left empty keep what
// the control has.
struct DesignedPlace {
    std::optional<double> x{};
    std::optional<double> y{};
    std::optional<double> width{};
    std::optional<double> height{};
};

// Puts a control of the main window's screens at its designed place times the window's
// factor. The designed place is remembered, so a later change of factor puts the control
// exactly where a fresh layout would, without rounding errors piling up.
void placeDesigned(QWidget* w, const DesignedPlace& place);

// Draws the controls on `canvas` at factor `to` instead of `from`: places, sizes, fonts and
// the pictures on buttons. The grids' text grows no larger than designed, so a larger grid
// shows more rows.
void rescaleControls(QWidget* canvas, double from, double to);

// `base` at `factor`, whether it is sized in points or in pixels.
QFont scaledFont(const QFont& base, double factor);

} // namespace present
