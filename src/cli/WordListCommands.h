// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"

namespace cli {

// memorant import-list FILE [--set NAME] [--separator C] [--header|--no-header] [--multi]
const CommandEntry& importListEntry();
int runImportList(const CommandContext& context);
// memorant export-list SETNAME FILE
const CommandEntry& exportListEntry();
int runExportList(const CommandContext& context);

} // namespace cli
