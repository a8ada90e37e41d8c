// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncScheduler.h"

#include "sync/SyncFolder.h"

#include <QDir>

namespace syncing {
namespace {

constexpr int kSettleMs = 3000;
constexpr int kWaitingMs = 5 * 60 * 1000;

} // namespace

SyncScheduler::SyncScheduler(const QString& databasePath, QString folder, Hooks hooks,
                             QObject* parent)
    : QObject(parent), sync_(databasePath, folder), folder_(std::move(folder)),
      hooks_(std::move(hooks)) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    waiting_.setInterval(kWaitingMs);
    connect(&settle_, &QTimer::timeout, this, &SyncScheduler::ask);
    connect(&waiting_, &QTimer::timeout, this, [this] {
        if (hooks_.changesWaiting && hooks_.changesWaiting())
            ask();
    });
    // Every change in a watched folder starts the settling wait again.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchFolders();
        settle_.start();
    });
    connect(&sync_, &BackgroundSync::finished, this, [this](const SyncSummary& summary) {
        watchFolders(); // a first sync makes this machine's folder, which is not watched
        emit synced(summary);
    });
}

void SyncScheduler::setIntervalsForTesting(int settleMs, int waitingMs) {
    settle_.setInterval(settleMs);
    waiting_.setInterval(waitingMs);
}

void SyncScheduler::start() {
    watchFolders();
    waiting_.start();
    ask();
}

void SyncScheduler::bunchEnded() {
    ask();
}

void SyncScheduler::syncSoon() {
    ask();
}

void SyncScheduler::setJudging(bool judging) {
    judging_ = judging;
    if (!judging_ && asked_)
        ask();
}

bool SyncScheduler::close(int ms) {
    closed_ = true;
    settle_.stop();
    waiting_.stop();
    return sync_.finishWithin(ms);
}

void SyncScheduler::ask() {
    if (closed_)
        return;
    asked_ = judging_;
    if (!judging_)
        sync_.request();
}

// The folder and every other machine's folder in it; this machine's own is left out, or each
// sync's own writing would ask for the next.
void SyncScheduler::watchFolders() {
    const QString root = syncRoot(folder_);
    QStringList wanted;
    if (QFileInfo(root).isDir()) {
        wanted << root;
        const QString own = hooks_.ownId ? hooks_.ownId() : QString();
        for (const QString& name : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (name != own && !isTransientName(name))
                wanted << QDir(root).filePath(name);
    }
    const QStringList watched = watcher_.directories();
    for (const QString& path : watched)
        if (!wanted.contains(path))
            watcher_.removePath(path);
    for (const QString& path : wanted)
        if (!watched.contains(path))
            watcher_.addPath(path);
}

} // namespace syncing
