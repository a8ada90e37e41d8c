// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/Sync.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace syncing {

// What the status bar says of sync, from the machines as `machines()` lists them (this one
// first): "Sync folder not reachable" when the folder cannot be reached; "Waiting for
// <machine>" while another machine has not read all this one wrote (the one furthest
// behind), or "Waiting for another machine" while none is known; otherwise "Synced with
// <machine> <n> min ago", the machine whose last change is newest, counted from this
// machine's last sync.
QString syncStatusText(const std::vector<MachineStatus>& machines, bool folderReachable,
                       const QDateTime& lastSync, const QDateTime& now);

} // namespace syncing
