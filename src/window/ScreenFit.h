// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

namespace window {

// Gives a top-level window the size it would like, or as much of it as the available area
// of its screen holds with its title bar and borders, and puts it wholly on that screen.
void fitToScreen(QWidget* window, const QSize& wanted);

} // namespace window
