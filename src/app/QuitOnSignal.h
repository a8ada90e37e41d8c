// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace app {

// Turns SIGTERM and SIGINT into closing `window`, so that a logout or Ctrl+C runs the same
// shut-down as closing the window and loses nothing. A signal that arrives while a handler
// runs (inside speech, a pause or a box) closes the window once that handler has returned.
void closeWindowOnSignals(QWidget* window);

} // namespace app
