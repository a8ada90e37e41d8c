// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Counted.h"

namespace data {

QString counted(qint64 n, const QString& singular, const QString& plural) {
    if (n == 1)
        return QStringLiteral("1 ") + singular;
    return QString::number(n) + QLatin1Char(' ') +
           (plural.isEmpty() ? singular + QLatin1Char('s') : plural);
}

} // namespace data
