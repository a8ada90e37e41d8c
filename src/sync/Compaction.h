// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/ChangeFile.h"

#include <vector>

namespace syncing {

// One machine's changes, in the order it wrote them, made as short as they can be while a
// reader that applies the result comes to what it would have come to by applying them all:
// - a set, card or tie is sent once, at its first place, each field with the value of its
//   latest stamp (a change sends only the fields that changed, with blanks for the others);
// - a reply is dropped when a taking back among the same changes names it; takings back and
//   log cleanings are kept, each once;
// - a change that does not fit its kind is kept as it is, so it is judged where it always was.
std::vector<ChangeEvent> compactChanges(const std::vector<ChangeEvent>& events);

} // namespace syncing
