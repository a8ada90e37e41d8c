// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1Controls.h"

namespace present {

// What a screen reader says for the main window's controls that show no caption of their own
// (lists, grids, reply boxes, Kids mode's picture buttons). A name holds the words of the
// caption or label beside the control, so a learner who speaks to the computer can use them.
void nameMainControls(Form1Controls& c);

} // namespace present
