// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/LayoutScales.h"

#include "data/SettingsColumns.h"
#include "data/Sql.h"

#include <QSqlQuery>

namespace data {
namespace {
double orOne(const QVariant& v) {
    bool ok = false;
    const double d = v.toDouble(&ok);
    return v.isNull() || !ok ? 1.0 : d;
}
} // namespace

LayoutScales loadLayoutScales(const QSqlDatabase& db) {
    QSqlQuery q = exec(db, QStringLiteral("SELECT %1, %2 FROM Fields1 LIMIT 1")
                               .arg(column::AcademicScale, column::KidsScale));
    LayoutScales scales;
    if (q.next()) {
        scales.academic = orOne(q.value(0));
        scales.kids = orOne(q.value(1));
    }
    return scales;
}

void saveLayoutScales(const QSqlDatabase& db, const LayoutScales& scales) {
    exec(db,
         QStringLiteral("UPDATE Fields1 SET %1 = ?, %2 = ?")
             .arg(column::AcademicScale, column::KidsScale),
         {scales.academic, scales.kids});
}

} // namespace data
