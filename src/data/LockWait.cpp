// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/LockWait.h"

#include "data/FastQuery.h"
#include "data/Sql.h"

#include <chrono>
#include <cstdint>
#include <sqlite3.h>
#include <thread>

namespace data {
namespace {

int lookAgainSoon(void* limitMs, int tries) {
    if (tries >= static_cast<int>(reinterpret_cast<std::intptr_t>(limitMs)))
        return 0;
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
