// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <vector>

namespace data {

constexpr int kKeepNewestBackups = 10;
constexpr int kKeepWeeklyBackups = 8;

// Which backups to keep at `now`, given when each was taken (in any order): the newest
// kKeepNewestBackups and, beyond them, the newest of each of the kKeepWeeklyBackups calendar
// weeks (Monday to Sunday) up to and including the week of `now`. The answer is parallel to
// `taken`: true = keep.
std::vector<bool> backupsToKeep(const std::vector<QDateTime>& taken, const QDateTime& now);

} // namespace data
