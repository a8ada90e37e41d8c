// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1Controls.h"

namespace window {

// Creates every control and menu entry of the main window with its design name and
// caption. Where each one goes is the screen layouts' business.
void buildForm1Controls(QMainWindow* window, present::Form1Controls& c);

} // namespace window
