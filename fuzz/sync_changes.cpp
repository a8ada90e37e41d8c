// SPDX-License-Identifier: GPL-3.0-or-later
// A change file from another machine: read as it lies in the folder, then its lines again
// under a good checksum, applied to a fresh database and brought into its tables. The same
// bytes read as a snapshot's manifest and as a snapshot part (packed or not), whose changes
// are applied too.
#include "FuzzSupport.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "sync/Apply.h"
#include "sync/ChangeFile.h"
#include "sync/Reconcile.h"
#include "sync/Shadow.h"
#include "sync/Snapshot.h"

#include <QCryptographicHash>

namespace {

void applyAll(const QSqlDatabase& db, const syncing::ReadChanges& read) {
    if (read.status != syncing::ReadStatus::Ok)
        return;
    try {
        const syncing::StatementCache statements;
        data::Transaction t(db);
        syncing::Hlc clock(0, QStringLiteral("0123456789abcdef0123456789abcdef"));
        syncing::Touched touched;
        syncing::applyChanges(db, clock, read.events, touched);
        syncing::reconcile(db, touched);
        t.commit();
    } catch (const data::Error&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    fuzz::start();
    const QByteArray input = fuzz::bytes(raw, size);
    {
        QSqlDatabase db = fuzz::freshDatabase();
        applyAll(db, syncing::decodeChanges(input, data::kSchemaVersion));
        // The same lines under a header and a closing line that hold, so the changes
        // themselves are reached.
        const QByteArray body = "memorant-changes 1 12 0123456789abcdef0123456789abcdef 1\n" +
                                input + (input.endsWith('\n') ? "" : "\n");
        const QByteArray whole =
            body + "end " + QByteArray::number(body.size()) + ' ' +
            QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + '\n';
        applyAll(db, syncing::decodeChanges(whole, data::kSchemaVersion));
        static_cast<void>(syncing::decodeManifest(input));
        applyAll(db, syncing::decodeSnapshotPart(input, data::kSchemaVersion));
        applyAll(db, syncing::decodeSnapshotPart(qCompress(whole), data::kSchemaVersion));
    }
    fuzz::finish();
    return 0;
}
