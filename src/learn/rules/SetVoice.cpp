// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/SetVoice.h"

#include "data/Sql.h"

namespace learn {

QString databaseVoice(const QSqlDatabase& db) {
    return data::scalar(db, QStringLiteral("SELECT Voice FROM Fields1 LIMIT 1")).toString();
}

QString setVoice(const QSqlDatabase& db, const QString& setName) {
    // Names are unique; should two sets share one, the older decides, as it does elsewhere.
    return data::scalar(db,
                        QStringLiteral("SELECT Voice FROM Set1 WHERE SetName = ? "
                                       "ORDER BY Set_ID LIMIT 1"),
                        {setName})
        .toString();
}

QString chosenSetName(const QSqlDatabase& db) {
    return data::scalar(db, QStringLiteral("SELECT Set1.SetName FROM Set1 JOIN Fields "
                                           "ON Set1.SetName = Fields.SetName LIMIT 1"))
        .toString();
}

bool storeSetVoice(const QSqlDatabase& db, const QString& setName, const QString& voice) {
    return data::exec(db, QStringLiteral("UPDATE Set1 SET Voice = ? WHERE SetName = ?"),
                      {voice.isEmpty() ? QVariant() : QVariant(voice), setName})
               .numRowsAffected() > 0;
}

void storeVoiceForAllSets(const QSqlDatabase& db, const QString& voice) {
    data::Transaction t(db);
    if (data::exec(db, QStringLiteral("UPDATE Fields1 SET Voice = ?"), {voice}).numRowsAffected() ==
        0)
        data::exec(db, QStringLiteral("INSERT INTO Fields1 (Voice) VALUES (?)"), {voice});
    data::exec(db, QStringLiteral("UPDATE Set1 SET Voice = NULL WHERE Voice IS NOT NULL"));
    t.commit();
}

} // namespace learn
