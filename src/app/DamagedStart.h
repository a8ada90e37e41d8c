// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Database.h"
#include "present/Dialogs.h"

namespace app {

// The database failed the check on opening (`failed.damaged`). With someone to ask
// (`dialogs`), offers the newest backup that passes the check and, when accepted, restores it
// (the damaged file kept beside it) and opens it again. Without (`dialogs` null: no display),
// or when there is no good backup or the offer is declined, the file stays as it is and the
// outcome is a refusal whose message says so and, without a display, lists the backups.
data::OpenOutcome offerRestoreOfDamaged(const QString& path, const data::OpenOutcome& failed,
                                        present::Dialogs* dialogs);

// The database file is missing, but copies of it lie beside it (data::copiesBeside): a
// restore or a damaged start was interrupted, or the file was moved away. A new sample
// database would hide them, so the learner chooses: finish the restore, open the newest
// copy, or start a new database, the copies staying as they are. Without a display the
// copies are listed. Empty when the start may go on (and make a new file when it is still
// missing); otherwise why it stops.
[[nodiscard]] QString offerCopiesOfMissing(const QString& path, present::Dialogs* dialogs);

} // namespace app
