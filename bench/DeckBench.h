// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bench {

// deck_import/20000_notes: a generated deck package of 20,000 notes and a KVTML file of
// 20,000 entries, each imported as a whole (read, checked, stored), beside the floor: the
// same pairs inserted with SQLite's own interface in one transaction.
void registerDeckBench();

} // namespace bench
