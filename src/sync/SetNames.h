// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>

namespace syncing {

// Gives every set here the name its shadow holds, unless a set named so earlier (by the
// stamp of its name, then its id) holds it: that one gets " 2", " 3", ... The names follow
// from what every machine knows alone, whatever order the changes came in, so machines that
// know the same agree without sending the numbers (a sent number would be a new, later name,
// and machines that saw the changes in other orders would number other sets, for ever).
// A name freed later is taken back. A set this machine made and has not sent yet keeps its
// name. The chosen set stays chosen. Returns how many sets are numbered now that were not.
// Inside the caller's transaction, with capture off; throws DbError.
int nameSetsApart(const QSqlDatabase& db);

} // namespace syncing
