// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <atomic>
#include <vector>

namespace syncing {

struct SyncOptions {
    QString folder; // empty: the one remembered in the database
    QString name;   // empty: the one remembered, or the host name at first
    // Set from another thread, it ends the sync between two steps; what is applied stays, and
    // the next sync goes on from there.
    const std::atomic<bool>* stop = nullptr;
};

struct SyncSummary {
    int sent = 0;
    int received = 0;
    int machines = 0;
    int conflicts = 0;
    int skipped = 0;
    int renamed = 0;
    int joinedSets = 0;  // sets this file held, joined with another machine's
    int joinedCards = 0; // and cards in them, by their text
    bool firstSync = false;
    int mediaNamed = 0;   // pictures and sounds whose bytes came and are now on their cards
    int mediaWaiting = 0; // named by changes whose bytes the folder has not brought yet
    QStringList notes;    // said to the learner beside the summary line
    QString error;        // set when the sync stopped; what was applied before stays
    QString line() const;
    // What the command says of mediaWaiting; empty when none wait. The window says nothing of
    // it: a sync tool often brings a picture a moment after its card.
    QString mediaWaitingNote() const;
    // A file from a newer Memorant was left unread: counted, and said once.
    void noteNewerProgram();
};

// This file's replica row: empty id until the first sync.
struct ReplicaRow {
    QString id, name, folder;
    qint64 nextSeq = 1;
    qint64 hlc = 0;
};
ReplicaRow readReplica(const QSqlDatabase& db);

// One sync: this machine's changes written to its own folder, every other machine's new
// change files applied (each whole, in its own short transaction), the state file written.
// The caller holds the database lock. Throws nothing: a failure is in `error`.
SyncSummary runSync(const QSqlDatabase& db, const SyncOptions& options);

// Forgets the folder: nothing is deleted there or here, and changes are still noted, so a
// later sync sends them.
void stopSync(const QSqlDatabase& db);

struct MachineStatus {
    QString replica, name;
    QString lastChange;    // ISO time of its newest change file, as its state file says
    qint64 readSeq = 0;    // how far this machine has read it
    qint64 written = 0;    // how many change files it has in the folder
    qint64 readOfThis = 0; // how far it has read this machine's, as its state file says
    qint64 unseenDays = 0; // since its last change came or its files were last seen moving
    bool self = false;
};
// This machine first, then the others it syncs with; the forgotten ones are left out.
std::vector<MachineStatus> machines(const QSqlDatabase& db);

// How long a machine must be unseen before it can be forgotten.
constexpr int kForgetAfterDays = 180;

// Forgets a machine unseen for `days` days: its changes are no longer waited for, and this
// machine's change files are folded without waiting for it to read them (should it come back,
// it reads the snapshot). Returns an error text, empty on success.
QString forgetMachine(const QSqlDatabase& db, const QString& name, int days = kForgetAfterDays);

} // namespace syncing

Q_DECLARE_METATYPE(syncing::SyncSummary)
