// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <functional>

namespace exchange {

// Told now and then how many records of how many are done; the window shows it, a command
// ignores it. It must not touch the database.
using Progress = std::function<void(qint64 done, qint64 total)>;

} // namespace exchange
