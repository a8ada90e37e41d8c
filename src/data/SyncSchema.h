// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace data {

// The tables and capture triggers of sync, as schema version 12 added them to an older file:
// one statement per entry. The file's own ids are given at the first sync, not here.
QStringList syncTablesVersion12();

// What version 13 added to them: a set's direction, a reply's direction and a card's weights
// when asked the other way round travel too.
QStringList syncChangesVersion13();

// What version 15 added: a card's picture and sound travel, each with its stamp.
QStringList syncChangesVersion15();

} // namespace data
