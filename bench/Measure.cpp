// SPDX-License-Identifier: GPL-3.0-or-later
#include "Measure.h"

#include <algorithm>
#include <sqlite3.h>
#include <stdexcept>

namespace bench {
namespace {

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

} // namespace

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double medianOf(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double rawInsertFloor(const QString& path,
                      const std::vector<std::pair<std::string, std::string>>& pairs) {
    sqlite3* db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db);
    const auto start = Clock::now();
    check(sqlite3_exec(db,
                       "PRAGMA synchronous = NORMAL; BEGIN; INSERT INTO Set1 (SetName) "
                       "VALUES ('floor')",
                       nullptr, nullptr, nullptr),
          db);
    const sqlite3_int64 setId = sqlite3_last_insert_rowid(db);
    sqlite3_stmt* card = nullptr;
    sqlite3_stmt* rel = nullptr;
    check(sqlite3_prepare_v2(db, "INSERT INTO Card (Question, Answer) VALUES (?, ?)", -1, &card,
                             nullptr),
          db);
    check(sqlite3_prepare_v2(db, "INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)", -1,
                             &rel, nullptr),
          db);
    for (const auto& [q, a] : pairs) {
        sqlite3_bind_text(card, 1, q.data(), static_cast<int>(q.size()), SQLITE_STATIC);
        sqlite3_bind_text(card, 2, a.data(), static_cast<int>(a.size()), SQLITE_STATIC);
        check(sqlite3_step(card), db);
        sqlite3_reset(card);
        sqlite3_bind_int64(rel, 1, setId);
        sqlite3_bind_int64(rel, 2, sqlite3_last_insert_rowid(db));
        check(sqlite3_step(rel), db);
        sqlite3_reset(rel);
    }
    sqlite3_finalize(card);
    sqlite3_finalize(rel);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    const double ms = msSince(start);
    sqlite3_close(db);
    return ms;
}

} // namespace bench
