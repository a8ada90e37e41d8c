// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <optional>

namespace learn {

// The lesson's clock: the log's dates and the order keys that depend on the day of the
// month read it. Tests set it.
QDateTime now();
void setNowForTesting(std::optional<QDateTime> fixed);

} // namespace learn
