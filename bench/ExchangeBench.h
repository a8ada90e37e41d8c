// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bench {

// Export and import of the exchange file at 9,999 and 100,000 records, and the floor they
// are measured against: a plain bulk insert of the same rows through the same driver.
void registerExchangeBenchmarks();
// Prints each median and its ratio to the floor.
void printExchangeRatios();

} // namespace bench
