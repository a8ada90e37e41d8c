// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bench {

// The large generated database with 1 GB of pictures: 2,000 distinct JPEGs of about 500 KB,
// the first 500 shown by the cards of "Load10000" (card after card in turn), the rest by other
// cards. Made once from `largeSource` and kept in `cacheDir`; returns a fresh working copy.
// Throws std::runtime_error.
QString mediaWorkingCopy(const QString& largeSource, const QString& cacheDir);

} // namespace bench
