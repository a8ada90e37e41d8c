// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace present {

// Esc closes `window`, as it closes a dialog: a window of its own that is not a dialog has
// no other way out from the keyboard where no window manager gives Alt+F4.
void closeOnEscape(QWidget* window);

} // namespace present
