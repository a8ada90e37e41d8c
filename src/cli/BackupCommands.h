// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"

namespace cli {

// memorant [--db PATH] backup [FILE]: a consistent copy now, into FILE or the backups folder.
const CommandEntry& backupEntry();
int backupCommand(const CommandContext& context);
// memorant [--db PATH] check: PRAGMA integrity_check; non-zero on damage.
const CommandEntry& checkEntry();
int checkCommand(const CommandContext& context);

} // namespace cli
