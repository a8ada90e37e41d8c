// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"

namespace cli {

// memorant [--db PATH] stats [--days N] [--set NAME] [--csv] [--forecast]: replies per day and
// per set, or the cards coming due in the next 30 days.
const CommandEntry& statsEntry();
int statsCommand(const CommandContext& context);

} // namespace cli
