// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bench {

// A generated database: `cards` cards in sets ("Reply20" of 20 cards, "Load1000" and
// "Load10000" where the cards suffice, the rest in sets of 100) and `logRows` log rows.
struct DatabaseSize {
    int cards;
    int logRows;
};

// A fresh working copy of the generated database, made once and kept in `cacheDir` for
// later runs. Returns the copy's path; throws std::runtime_error.
QString workingCopy(const DatabaseSize& size, const QString& cacheDir);

} // namespace bench
