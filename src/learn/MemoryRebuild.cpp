// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/MemoryRebuild.h"

#include "data/LockWait.h"
#include "data/SideConnection.h"
#include "data/Sql.h"
#include "learn/rules/MemoryStore.h"

#include <QDate>
#include <QFileInfo>
#include <memory>

namespace learn {
namespace {

struct Outcome {
    bool rebuilt = false;
    QString error;
};

// Replies stored while the log is read make the build start over; a learner answering without
// pause still lets one of a few tries through.
constexpr int kTries = 5;

Outcome buildIfStale(const QString& path) {
    Outcome outcome;
    // A writable connection would make an empty database where the file went away.
    if (!QFileInfo::exists(path))
        return outcome;
    data::SideConnection connection(path, false);
    if (const QString failure = connection.open(); !failure.isEmpty()) {
        outcome.error = failure;
        return outcome;
    }
    try {
        const QSqlDatabase db = connection.db();
        data::exec(db, QStringLiteral("PRAGMA foreign_keys = ON"));
        data::waitForLock(db);
        for (int i = 0; i < kTries && !memoryStateIsCurrent(db); ++i) {
            if (rebuildMemoryState(db, QDate::currentDate().toJulianDay())) {
                outcome.rebuilt = true;
                break;
            }
        }
    } catch (const data::Error& e) {
        outcome.error = e.message();
    }
    return outcome;
}

} // namespace

MemoryRebuild::MemoryRebuild(QString databasePath, QObject* parent)
    : QObject(parent), path_(std::move(databasePath)) {}

MemoryRebuild::~MemoryRebuild() {
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

bool MemoryRebuild::isRunning() const {
    return thread_ && thread_->isRunning();
}

void MemoryRebuild::request() {
    if (isRunning()) {
        again_ = true;
        return;
    }
    start();
}

void MemoryRebuild::start() {
    if (thread_) {
        thread_->wait(); // its finished signal comes just before its very end
        delete thread_;
    }
    again_ = false;
    auto outcome = std::make_shared<Outcome>();
    thread_ = QThread::create([path = path_, outcome] { *outcome = buildIfStale(path); });
    connect(thread_, &QThread::finished, this, [this, outcome] {
        if (outcome->rebuilt)
            emit rebuilt();
        if (!outcome->error.isEmpty())
            emit failed(outcome->error);
        if (again_)
            start();
    });
    thread_->start(QThread::LowPriority);
}

} // namespace learn
