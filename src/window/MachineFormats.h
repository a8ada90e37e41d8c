// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace window {

// The kinds of picture and sound this machine's Qt reads and plays, among those a card may
// carry, as a short HTML list for the help page.
QString machineFormatsHtml();

} // namespace window
