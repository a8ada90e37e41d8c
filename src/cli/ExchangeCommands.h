// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"

namespace cli {

// memorant [--db PATH] export FILE
const CommandEntry& exportEntry();
int exportCommand(const CommandContext& context);
// memorant [--db PATH] import [--with-log] FILE
const CommandEntry& importEntry();
int importCommand(const CommandContext& context);

} // namespace cli
