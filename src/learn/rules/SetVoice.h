// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace learn {

// The voices spoken questions use: each set may have one of its own (Set1.Voice); a set
// without one speaks with the database's voice (Fields1.Voice), and an empty database voice
// means the system's language. Each throws data::DbError when the database fails.

QString databaseVoice(const QSqlDatabase& db);
// The set's own voice; empty when it has none or there is no such set.
QString setVoice(const QSqlDatabase& db, const QString& setName);

// The set chosen in the set list (Fields.SetName) when that set exists; empty otherwise.
QString chosenSetName(const QSqlDatabase& db);

// Gives the set a voice of its own; false when there is no such set.
[[nodiscard]] bool storeSetVoice(const QSqlDatabase& db, const QString& setName,
                                 const QString& voice);

// One voice for every set: it becomes the database's voice and no set keeps one of its own.
// One transaction.
void storeVoiceForAllSets(const QSqlDatabase& db, const QString& voice);

} // namespace learn
