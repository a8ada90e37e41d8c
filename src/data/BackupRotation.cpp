// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/BackupRotation.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace data {
namespace {

// Calendar weeks counted from a Monday: Julian day 0 was one.
qint64 weekOf(const QDateTime& t) {
    return t.date().toJulianDay() / 7;
}

} // namespace

std::vector<bool> backupsToKeep(const std::vector<QDateTime>& taken, const QDateTime& now) {
    std::vector<size_t> newestFirst(taken.size());
    std::iota(newestFirst.begin(), newestFirst.end(), size_t{0});
    std::stable_sort(newestFirst.begin(), newestFirst.end(),
                     [&](size_t a, size_t b) { return taken[a] > taken[b]; });

    std::vector<bool> keep(taken.size(), false);
    for (size_t i = 0; i < newestFirst.size() && i < size_t(kKeepNewestBackups); ++i)
        keep[newestFirst[i]] = true;

    const qint64 thisWeek = weekOf(now);
    std::map<qint64, bool> weekHasOne;
    for (size_t index : newestFirst) {
        const qint64 week = weekOf(taken[index]);
        if (week > thisWeek || week <= thisWeek - kKeepWeeklyBackups)
            continue;
        if (!weekHasOne[week]) {
            weekHasOne[week] = true;
            keep[index] = true;
        }
    }
    return keep;
}

} // namespace data
