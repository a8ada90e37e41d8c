// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"

namespace cli {

// memorant import-deck FILE [--set NAME] [--swap]
const CommandEntry& importDeckEntry();
int runImportDeck(const CommandContext& context);
// memorant export-deck SETNAME FILE
const CommandEntry& exportDeckEntry();
int runExportDeck(const CommandContext& context);

} // namespace cli
