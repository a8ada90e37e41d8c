// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace testing {

// Makes SQLite's 'now' (the time the change triggers record) follow the sync clock, so that a
// test which stops that clock gets the same stamps on every run. Installed once per process,
// before the connections it should serve are opened.
void followSyncClockInSqlite();

} // namespace testing
