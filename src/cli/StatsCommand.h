// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"

namespace cli {

// memorant [--db PATH] stats [--days N] [--set NAME] [--csv]: replies per day and per set.
const CommandEntry& statsEntry();
int statsCommand(const CommandContext& context);

} // namespace cli
