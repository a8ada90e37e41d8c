// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bench {

// Sync: one machine receiving 10,000 replies and 1,000 card edits; an empty machine joining a
// folder that holds the large database, beside the exchange import of the same database;
// replies stored on one machine while a sync of 10,000 replies is applied to it.
// `largePath` gives a fresh copy of the large database (empty: skipped).
void registerSyncBenchmarks(QString (*largePath)());
void printSyncFigures();

} // namespace bench
