// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/LockWait.h"

#include "data/FastQuery.h"
#include "data/Sql.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <sqlite3.h>
#include <thread>

namespace data {
namespace {

using WaitClock = std::chrono::steady_clock;
// When a connection last looked for the lock, as ticks of WaitClock.
std::atomic<WaitClock::rep> lastLook{0};

int lookAgainSoon(void* limitMs, int tries) {
    if (tries >= static_cast<int>(reinterpret_cast<std::intptr_t>(limitMs)))
        return 0;
    lastLook.store(WaitClock::now().time_since_epoch().count(), std::memory_order_relaxed);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return 1;
}

void setWait(const QSqlDatabase& db, int ms) {
    if (sqlite3* raw = sameLibraryHandle(db)) {
        if (ms > 0)
            sqlite3_busy_handler(raw, &lookAgainSoon, reinterpret_cast<void*>(std::intptr_t{ms}));
        else
            sqlite3_busy_handler(raw, nullptr, nullptr);
        return;
    }
    exec(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
}

} // namespace

bool anotherConnectionWaits() {
    // A waiter looks every millisecond; one that looked within the last few still waits.
    const WaitClock::duration since = WaitClock::now().time_since_epoch() -
                                      WaitClock::duration(lastLook.load(std::memory_order_relaxed));
    return since < std::chrono::milliseconds(3);
}

void waitForLock(const QSqlDatabase& db, int ms) {
    setWait(db, ms);
}

NoLockWait::NoLockWait(const QSqlDatabase& db) : db_(db) {
    setWait(db_, 0);
}

NoLockWait::~NoLockWait() {
    try {
        setWait(db_, kLockWaitMs);
    } catch (const DbError&) {
        // A closed connection has nothing to wait for.
    }
}

} // namespace data
