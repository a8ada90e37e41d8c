// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace app {

// The whole program: arguments, database, main window, event loop. Returns the exit code.
int run(int argc, char** argv);

} // namespace app
