// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bench {

// word_list_import/100000_rows: a generated list of 100,000 pairs imported as a new set,
// beside the floor: the same rows inserted with SQLite's own interface in one transaction.
void registerWordListBench();

} // namespace bench
