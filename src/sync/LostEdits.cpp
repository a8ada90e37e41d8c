// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/LostEdits.h"

#include "data/Sql.h"
#include "sets/rules/SetRules.h"
#include "sync/Hlc.h"
#include "sync/Shadow.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace syncing {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Sync)
};

QString machineName(const QSqlDatabase& db, const QString& stamp) {
    const QString replica = replicaOf(stamp);
    const QString name =
        data::scalar(db,
                     QStringLiteral("SELECT Name FROM SyncReplica WHERE Id = ? UNION ALL SELECT "
                                    "Name FROM SyncPeer WHERE Replica = ?"),
                     {replica, replica})
            .toString();
    return name.isEmpty() ? replica.left(8) : name;
}

QDateTime timeOf(const QString& stamp) {
    return QDateTime::fromMSecsSinceEpoch(readingOf(stamp) >> 16, Qt::UTC);
}

// The local row of a card or set the entry is about, when it is here.
QVariant localRow(const QSqlDatabase& db, const QString& kind, const QString& gid) {
    if (kind == QLatin1String("card")) {
        const std::optional<CardState> c = loadCard(db, canonicalCard(db, gid));
        return c ? c->cardId : QVariant();
    }
    const std::optional<SetState> s = loadSet(db, canonicalSet(db, gid));
    return s ? s->setId : QVariant();
}

QString bringBackSetName(const QSqlDatabase& db, const QVariant& setId, const QString& name) {
    QStringList others;
    QSqlQuery q =
        data::exec(db, QStringLiteral("SELECT SetName FROM Set1 WHERE Set_ID <> ?"), {setId});
    while (q.next())
        others << q.value(0).toString();
    if (sets::setNameTaken(others, name))
        return Text::tr("Another set is named \"%1\" now").arg(name);
    const QString before =
        data::scalar(db, QStringLiteral("SELECT SetName FROM Set1 WHERE Set_ID = ?"), {setId})
            .toString();
    data::exec(db, QStringLiteral("UPDATE Set1 SET SetName = ? WHERE Set_ID = ?"), {name, setId});
    data::exec(db, QStringLiteral("UPDATE Fields SET SetName = ? WHERE SetName = ?"),
               {name, before});
    return {};
}

} // namespace

std::vector<LostEdit> lostEdits(const QSqlDatabase& db) {
    const StatementCache statements; // the shadow tables are read through it
    std::vector<LostEdit> out;
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT Id, Kind, Gid, Field, Lost, LostAt, Won, "
                                                "WonAt FROM SyncConflict ORDER BY Id DESC"));
    while (q.next()) {
        LostEdit e;
        e.id = q.value(0).toLongLong();
        e.kind = q.value(1).toString();
        e.field = q.value(3).toString();
        e.lost = q.value(4).toString();
        e.won = q.value(6).toString();
        e.lostOn = machineName(db, q.value(5).toString());
        e.wonOn = machineName(db, q.value(7).toString());
        e.lostAt = timeOf(q.value(5).toString());
        e.wonAt = timeOf(q.value(7).toString());
        const QVariant row = localRow(db, e.kind, q.value(2).toString());
        if (row.isValid() && !row.isNull())
            e.about = data::scalar(db,
                                   e.kind == QLatin1String("card")
                                       ? QStringLiteral("SELECT Question FROM Card WHERE "
                                                        "Card_ID = ?")
                                       : QStringLiteral("SELECT SetName FROM Set1 WHERE "
                                                        "Set_ID = ?"),
                                   {row})
                          .toString();
        out.push_back(e);
    }
    return out;
}

QString useLostEdit(const QSqlDatabase& db, qint64 id) {
    const StatementCache statements;
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT Kind, Gid, Field, Lost FROM SyncConflict WHERE Id = ?"), {id});
    if (!q.next())
        return Text::tr("This edit is no longer kept");
    const QString kind = q.value(0).toString(), field = q.value(2).toString();
    const QString text = q.value(3).toString();
    const QVariant row = localRow(db, kind, q.value(1).toString());
    q.finish();
    if (!row.isValid() || row.isNull())
        return kind == QLatin1String("card") ? Text::tr("The card is no longer here")
                                             : Text::tr("The set is no longer here");
    data::Transaction t(db);
    if (kind == QLatin1String("set")) {
        if (const QString refusal = bringBackSetName(db, row, text); !refusal.isEmpty())
            return refusal;
    } else if (field == QLatin1String("Question") || field == QLatin1String("Answer")) {
        data::exec(db, QStringLiteral("UPDATE Card SET %1 = ? WHERE Card_ID = ?").arg(field),
                   {text, row});
    } else if (field == QLatin1String("Answers")) {
        writeAnswers(db, row, text);
    } else {
        return Text::tr("This edit cannot be brought back");
    }
    data::exec(db, QStringLiteral("DELETE FROM SyncConflict WHERE Id = ?"), {id});
    t.commit();
    return {};
}

void forgetLostEdit(const QSqlDatabase& db, qint64 id) {
    data::exec(db, QStringLiteral("DELETE FROM SyncConflict WHERE Id = ?"), {id});
}

} // namespace syncing
