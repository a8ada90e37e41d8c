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

} // namespace app
