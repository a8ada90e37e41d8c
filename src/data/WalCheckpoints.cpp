// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/WalCheckpoints.h"

#include "data/FastQuery.h"
#include "data/SideConnection.h"
#include "data/Sql.h"

#include <QThread>
#include <atomic>
#include <memory>
#include <sqlite3.h>

namespace data::walCheckpoints {
namespace {

// Lives on the checkpoint thread, with a connection of its own made there.
class Checkpointer : public QObject {
  public:
    explicit Checkpointer(const QString& path) : path_(path) {}

    void checkpoint() {
        pending.store(false);
        try {
            if (!side_) {
                side_ = std::make_unique<SideConnection>(path_, false);
                if (!side_->open().isEmpty()) {
                    side_.reset();
                    return; // the next commit past the threshold asks again
                }
            }
            exec(side_->db(), QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
            made.fetch_add(1);
        } catch (const DbError&) {
            // Busy or failing: the pages stay in the log, safe, until the next try.
        }
    }
    void close() { side_.reset(); }

    std::atomic<bool> pending{false};
    std::atomic<int> made{0};

  private:
    QString path_;
    std::unique_ptr<SideConnection> side_;
};

QThread* thread = nullptr;
Checkpointer* checkpointer = nullptr;
std::atomic<Checkpointer*> live{nullptr};

int afterCommit(void*, sqlite3* db, const char* schema, int pages) {
    Checkpointer* c = live.load();
    if (c && pages < kOwnCheckpoint) {
        if (pages >= kThreshold && !c->pending.exchange(true))
            QMetaObject::invokeMethod(
                c, [c] { c->checkpoint(); }, Qt::QueuedConnection);
        return SQLITE_OK;
    }
    if (pages >= kThreshold)
        sqlite3_wal_checkpoint_v2(db, schema, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    return SQLITE_OK;
}

} // namespace

void attach(const QSqlDatabase& db) {
    if (sqlite3* raw = sameLibraryHandle(db))
        sqlite3_wal_hook(raw, &afterCommit, nullptr);
}

void start(const QString& path) {
    if (thread)
        return;
    thread = new QThread;
    thread->setObjectName(QStringLiteral("memorant-checkpoints"));
    checkpointer = new Checkpointer(path);
    checkpointer->moveToThread(thread);
    thread->start(QThread::LowPriority);
    live.store(checkpointer);
}

void stop() {
    if (!thread)
        return;
    live.store(nullptr); // from now on each connection checkpoints itself again
    Checkpointer* c = checkpointer;
    // Its connection is closed on its own thread, after any checkpoint asked for.
    QMetaObject::invokeMethod(
        c, [c] { c->close(); }, Qt::BlockingQueuedConnection);
    thread->quit();
    thread->wait();
    delete checkpointer;
    delete thread;
    checkpointer = nullptr;
    thread = nullptr;
}

bool running() {
    return live.load() != nullptr;
}

int checkpointsMade() {
    const Checkpointer* c = live.load();
    return c ? c->made.load() : 0;
}

} // namespace data::walCheckpoints
