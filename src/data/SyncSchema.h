// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace data {

// The tables and capture triggers of sync, as schema version 12 added them to an older file:
// one statement per entry. The file's own ids are given at the first sync, not here.
QStringList syncTablesVersion12();

} // namespace data
