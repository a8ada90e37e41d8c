// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/DemonMarks.h"

#include "data/Sql.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSqlQuery>
#include <cmath>
#include <limits>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DemonsManager)
};

} // namespace

QString demonsNumRangeMessage() {
    return Text::tr("The number of Demons must be a whole number from 0 to %1.")
        .arg(QLocale(QLocale::English).toString(kMaxDemonsNum));
}

std::optional<int> parseDemonsNum(const QString& typed) {
    const QString digits = typed.trimmed();
    if (digits.isEmpty() || digits.size() > 12)
        return std::nullopt;
    for (const QChar ch : digits) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt; // no sign, no decimals, no digits of other scripts
    }
    const qlonglong n = digits.toLongLong();
    if (n > kMaxDemonsNum)
        return std::nullopt;
    return static_cast<int>(n);
}

std::optional<int> demonsCount(const QVariant& stored) {
    switch (stored.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        break;
    default:
        return std::nullopt; // empty or text
    }
    const double n = stored.toDouble();
    if (!std::isfinite(n) || n < 0 || n != std::floor(n))
        return std::nullopt;
    // More than there can be cards marks every candidate, as any large number does.
    return n >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                : static_cast<int>(n);
}

QString demonsNumText(const QVariant& stored) {
    if (stored.isNull())
        return QString();
    if (stored.typeId() == QMetaType::Double) {
        const double n = stored.toDouble();
        if (std::isfinite(n) && n == std::floor(n) && std::fabs(n) < 1e15)
            return QString::number(static_cast<qlonglong>(n));
    }
    return stored.toString();
}

void clearDemonMarks(const QSqlDatabase& db) {
    // Only rows holding a mark are written: clearing must not rewrite every card.
    data::exec(db, QStringLiteral("UPDATE Card SET Demons = 0 WHERE Demons IS NOT 0"));
    data::exec(db, QStringLiteral("UPDATE CardReverse SET Demons = 0 WHERE Demons IS NOT 0"));
}

namespace {

// A card's answer-to-question way is a candidate as its forward way is, from a set that feeds
// the Demons and is learnt that way; cards only ever asked forward are not.
const QString kReverseCandidates = QStringLiteral(
    "SELECT r.Card_ID, 1 AS Reverse, r.Rating, r.Incorrect FROM CardReverse r JOIN Card c ON "
    "c.Card_ID = r.Card_ID WHERE r.Incorrect > 0 AND c.Answer IS NOT 'Multi' AND c.Question IS "
    "NOT 'Multi' AND IFNULL(c.Answer, '') <> '' AND r.Card_ID IN (SELECT Set_Card_rel.Card_ID "
    "FROM Set_Card_rel JOIN Set1 ON Set1.Set_ID = Set_Card_rel.Set_ID WHERE "
    "Set1.IncludeInDeamons <> 0 AND Set1.Direction IN (1, 2))");

} // namespace

int markDemons(const QSqlDatabase& db, int count) {
    if (count <= 0)
        return 0;
    const bool anyReverse =
        data::scalar(db, QStringLiteral("SELECT EXISTS (%1)").arg(kReverseCandidates)).toBool();
    if (!anyReverse) {
        // qSortedCards orders the candidates hardest first; its order decides which are taken.
        QSqlQuery q = data::exec(db,
                                 QStringLiteral("UPDATE Card SET Demons = 1 WHERE Card_ID IN "
                                                "(SELECT Card_ID FROM qSortedCards LIMIT ?)"),
                                 {count});
        return q.numRowsAffected();
    }
    // Both ways compete by the same measures; the caller's transaction holds the two writes.
    const QString picked =
        QStringLiteral("SELECT Card_ID FROM (SELECT Card_ID, 0 AS Reverse, Rating, Incorrect FROM "
                       "qSortedCards UNION ALL %1 ORDER BY Rating, Incorrect DESC, Card_ID, "
                       "Reverse LIMIT ?) WHERE Reverse = %2")
            .arg(kReverseCandidates);
    const int forward =
        data::exec(
            db,
            QStringLiteral("UPDATE Card SET Demons = 1 WHERE Card_ID IN (%1)").arg(picked.arg(0)),
            {count})
            .numRowsAffected();
    const int reverse =
        data::exec(db,
                   QStringLiteral("UPDATE CardReverse SET Demons = 1 WHERE Card_ID IN (%1)")
                       .arg(picked.arg(1)),
                   {count})
            .numRowsAffected();
    return forward + reverse;
}

std::vector<MarkedDemon> markedDemons(const QSqlDatabase& db) {
    std::vector<MarkedDemon> demons;
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT Question, 0 FROM (SELECT Question, \"Order\", Card_ID FROM Card "
                           "WHERE Demons = 1 ORDER BY \"Order\", Card_ID) UNION ALL SELECT "
                           "Question, 1 FROM (SELECT c.Question, r.\"Order\", c.Card_ID FROM "
                           "CardReverse r JOIN Card c ON c.Card_ID = r.Card_ID WHERE r.Demons = 1 "
                           "ORDER BY r.\"Order\", c.Card_ID)"));
    while (q.next())
        demons.push_back({q.value(0).toString(), q.value(1).toBool()});
    return demons;
}

QHash<qint64, QString> demonSetNames(const QSqlDatabase& db) {
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT Card.Card_ID, "
                           "(SELECT Set1.SetName FROM Set_Card_rel "
                           " JOIN Set1 ON Set1.Set_ID = Set_Card_rel.Set_ID "
                           " WHERE Set_Card_rel.Card_ID = Card.Card_ID "
                           " ORDER BY (Set1.IncludeInDeamons <> 0) DESC, Set1.Set_ID LIMIT 1) "
                           "FROM Card WHERE Card.Demons = 1 OR Card.Card_ID IN (SELECT Card_ID "
                           "FROM CardReverse WHERE Demons = 1)"));
    QHash<qint64, QString> names;
    while (q.next())
        names.insert(q.value(0).toLongLong(), q.value(1).toString());
    return names;
}

} // namespace learn
