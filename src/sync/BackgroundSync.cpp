// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/BackgroundSync.h"

#include "data/LockWait.h"
#include "data/SideConnection.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>

namespace syncing {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Sync)
};
} // namespace

BackgroundSync::BackgroundSync(QString databasePath, QString folder, QObject* parent)
    : QObject(parent), path_(std::move(databasePath)), folder_(std::move(folder)) {}

BackgroundSync::~BackgroundSync() {
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

bool BackgroundSync::isRunning() const {
    return thread_ && thread_->isRunning();
}

void BackgroundSync::request() {
    if (closing_)
        return;
    if (isRunning()) {
        again_ = true;
        return;
    }
    start();
}

bool BackgroundSync::finishWithin(int ms) {
    closing_ = true;
    again_ = false;
    if (!thread_ || thread_->wait(QDeadlineTimer(ms)))
        return true;
    stop_ = true;
    return false;
}

void BackgroundSync::start() {
    if (thread_) {
        thread_->wait(); // its finished signal comes just before its very end
        delete thread_;
    }
    again_ = false;
    // Each run its own summary: the last run's may still wait to be handed on when this one
    // starts, and must not be overwritten meanwhile.
    auto summary = std::make_shared<SyncSummary>();
    thread_ = QThread::create([this, summary] { *summary = syncOnce(); });
    connect(thread_, &QThread::finished, this, [this, summary] {
        emit finished(*summary);
        if (again_ && !closing_)
            start();
    });
    thread_->start(QThread::LowPriority);
}

SyncSummary BackgroundSync::syncOnce() const {
    SyncSummary summary;
    // A writable connection would make an empty database where the file went away.
    if (!QFileInfo::exists(path_)) {
        summary.error = Text::tr("The database \"%1\" is gone: nothing was synced")
                            .arg(QDir::toNativeSeparators(path_));
        return summary;
    }
    data::SideConnection connection(path_, false);
    if (const QString failure = connection.open(); !failure.isEmpty()) {
        summary.error = Text::tr("The database cannot be opened to sync: %1").arg(failure);
        return summary;
    }
    try {
        data::exec(connection.db(), QStringLiteral("PRAGMA foreign_keys = ON"));
    } catch (const data::Error& e) {
        summary.error = e.message();
        return summary;
    }
    data::waitForLock(connection.db());
    return runSync(connection.db(), {folder_, {}, &stop_});
}

} // namespace syncing
