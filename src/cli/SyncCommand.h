// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"

namespace cli {

// memorant [--db PATH] sync [--folder DIR] [--name NAME] [--status] [--forget NAME] [--stop]:
// this machine's changes into a folder a sync tool carries, the other machines' out of it.
const CommandEntry& syncEntry();
int syncCommand(const CommandContext& context);

} // namespace cli
