// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <functional>

namespace data {

// Told now and then how much of a long job is done: `done` of `total`, in whatever the job
// counts (records, cards, bytes). Returning false asks the job to stop; a job that can stop
// then fails having changed nothing, one that cannot ignores it. A window shows it, a
// command on a terminal prints it. It must not touch the database.
using Progress = std::function<bool(qint64 done, qint64 total)>;

} // namespace data
