// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncStatus.h"

namespace syncing {

QString syncStatusText(const std::vector<MachineStatus>& machines, bool folderReachable,
                       const QDateTime& lastSync, const QDateTime& now) {
    if (!folderReachable)
        return QStringLiteral("Sync folder not reachable");
    const MachineStatus* self = nullptr;
    const MachineStatus* behind = nullptr;
    const MachineStatus* newest = nullptr;
    for (const MachineStatus& m : machines) {
        if (m.self) {
            self = &m;
            continue;
        }
        if (!behind || m.readOfThis < behind->readOfThis)
            behind = &m;
        if (!newest || m.lastChange > newest->lastChange)
            newest = &m;
    }
    if (!newest)
        return QStringLiteral("Waiting for another machine");
    if (self && behind->readOfThis < self->written)
        return QStringLiteral("Waiting for %1").arg(behind->name);
    const qint64 minutes = lastSync.isValid() ? std::max<qint64>(0, lastSync.secsTo(now) / 60) : 0;
    return QStringLiteral("Synced with %1 %2 min ago").arg(newest->name).arg(minutes);
}

} // namespace syncing
