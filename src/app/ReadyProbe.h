// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace window {
class Form1;
}

namespace app {

// For the benchmark only, when the environment names MEMORANT_READY_PROBE: once the chosen
// set's card grid has been drawn, prints "ready_ns=N" (the steady clock, which other
// processes share), chooses File > Learn, prints "learn_ready_ms=M" once the first question
// has been drawn, and ends the program. Otherwise does nothing.
void watchReadiness(window::Form1& window);

// Calls `then` once, right after `widget` has been painted for the first time, or after
// `latestMs` should it not be painted by then.
void afterFirstPaint(QWidget* widget, std::function<void()> then, int latestMs = -1);

} // namespace app
