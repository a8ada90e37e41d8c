// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncStatus.h"

#include <QCoreApplication>

namespace syncing {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Sync)
};
} // namespace

QString syncStatusText(const std::vector<MachineStatus>& machines, bool folderReachable,
                       const QDateTime& lastSync, const QDateTime& now) {
    if (!folderReachable)
        return Text::tr("Sync folder not reachable");
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
        return Text::tr("Waiting for another machine");
    if (self && behind->readOfThis < self->written)
        return Text::tr("Waiting for %1").arg(behind->name);
    const qint64 minutes = lastSync.isValid() ? std::max<qint64>(0, lastSync.secsTo(now) / 60) : 0;
    return Text::tr("Synced with %1 %2 min ago").arg(newest->name).arg(minutes);
}

} // namespace syncing
