// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace testing {

// Overwrites one page in the middle of an SQLite file with zeros, as a failing disk would.
// Returns false when the file is too small to have a middle page.
bool zeroMiddlePage(const QString& path);

} // namespace testing
