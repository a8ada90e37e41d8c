#include "data/BackgroundBackup.h"

#include <QList>

namespace data {
namespace {

// Every backup thread still running; touched only on the thread that starts them.
QList<QPointer<QThread>>& running() {
    static QList<QPointer<QThread>> threads;
    return threads;
}

} // namespace

BackgroundBackup::BackgroundBackup(QObject* parent) : QObject(parent) {}

BackgroundBackup::~BackgroundBackup() {
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

bool BackgroundBackup::startIfDue(const QString& databasePath) {
    if (!backupDue(databasePath))
        return false;
    start(databasePath);
    return true;
}

void BackgroundBackup::start(const QString& databasePath) {
    if (isRunning())
        return;
    if (thread_)
        delete thread_;
    thread_ = QThread::create([this, databasePath] { result_ = backUp(databasePath); });
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
