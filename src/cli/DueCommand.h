// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"

namespace cli {

// memorant [--db PATH] due [--set NAME] [--csv]: the cards due for review today, or with
// --csv what the model knows of every answered card and way.
const CommandEntry& dueEntry();
int dueCommand(const CommandContext& context);

} // namespace cli
