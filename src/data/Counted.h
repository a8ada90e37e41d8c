// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace data {

// "1 card", "3 cards", "0 cards": a count with its noun, for the lines and messages that
// report what a job did. `plural` is `singular` + "s" unless given.
QString counted(qint64 n, const QString& singular, const QString& plural = {});

} // namespace data
