// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoppedClock.h"

#include "sync/Hlc.h"

#include <sqlite3.h>

namespace testing {
namespace {

sqlite3_vfs* systemVfs = nullptr;
sqlite3_vfs following;

// Julian day number of 1970-01-01 in milliseconds: SQLite's own clock is counted from there.
constexpr sqlite3_int64 kUnixEpochJulianMs = 210866760000000LL;

int currentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) {
    *out = kUnixEpochJulianMs + syncing::wallClockMs() - syncing::clockShift();
    return SQLITE_OK;
}

int currentTime(sqlite3_vfs* vfs, double* out) {
    sqlite3_int64 ms = 0;
    currentTimeInt64(vfs, &ms);
    *out = static_cast<double>(ms) / 86400000.0;
    return SQLITE_OK;
}

} // namespace

void followSyncClockInSqlite() {
    if (systemVfs != nullptr)
        return;
    systemVfs = sqlite3_vfs_find(nullptr);
    following = *systemVfs;
    following.zName = "memorant-test-clock";
    following.xCurrentTime = currentTime;
    if (following.iVersion >= 2)
        following.xCurrentTimeInt64 = currentTimeInt64;
    sqlite3_vfs_register(&following, 1);
}

} // namespace testing
