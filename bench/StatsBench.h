// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bench {

// The statistics on the large database: the window's first range, a change of range or
// set, all days, and `memorant stats` as a process.
void registerStatsBenchmarks();
// Prints each median on a line of its own.
void printStatsFigures();

} // namespace bench
