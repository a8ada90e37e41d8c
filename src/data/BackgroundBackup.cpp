// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/BackgroundBackup.h"

#include "data/OpenCheck.h"

#include <QList>

namespace data {
namespace {

// Every backup thread still running; touched only on the thread that starts them.
QList<QPointer<QThread>>& running() {
    static QList<QPointer<QThread>> threads;
    return threads;
}

std::function<void()>& hook() {
    static std::function<void()> h;
    return h;
}

} // namespace

void setBackgroundHookForTesting(std::function<void()> h) {
    hook() = std::move(h);
}

BackgroundBackup::BackgroundBackup(QObject* parent) : QObject(parent) {}

BackgroundBackup::~BackgroundBackup() {
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

void BackgroundBackup::start(const QString& databasePath, bool always) {
    if (isRunning())
        return;
    if (thread_)
        delete thread_;
    const bool due = always || backupDue(databasePath);
    thread_ = QThread::create([this, databasePath, due, test = hook()] {
        if (test)
            test();
        result_ = {};
        removeStalePartials(databasePath); // left by backups that were killed
        const FileCheck check = quickCheck(databasePath);
        if (!check.sound) {
            result_.damage = damagedMessage(databasePath, check.detail());
            return;
        }
        const QString missingMedia = missingMediaNote(databasePath);
        if (due)
            result_ = backUp(databasePath);
        result_.missingMedia = missingMedia;
    });
    connect(thread_, &QThread::finished, this, [this] {
        running().removeAll(thread_);
        emit finished(result_);
    });
    running().append(thread_);
    thread_->start(QThread::LowPriority);
}

bool BackgroundBackup::isRunning() const {
    return thread_ && thread_->isRunning();
}

void BackgroundBackup::waitForAll() {
    for (const QPointer<QThread>& t : running()) {
        if (t)
            t->wait();
    }
}

} // namespace data
