// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/LogDates.h"

#include <QCoreApplication>

namespace data {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Database)
};

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int number(QStringView digits) {
    int n = 0;
    for (QChar c : digits)
        n = n * 10 + (c.unicode() - '0');
    return n;
}

// The day the first ten characters spell exactly, whatever its year; invalid otherwise.
QDate spelledDay(QStringView date) {
    if (date.size() < 10 || date[4] != QLatin1Char('-') || date[7] != QLatin1Char('-'))
        return {};
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!isDigit(date[i]))
            return {};
    // A time may follow the day, after a blank or a "T", but nothing else.
    if (date.size() > 10 && date[10] != QLatin1Char('T') && date[10] != QLatin1Char(' '))
        return {};
    return QDate(number(date.first(4)), number(date.sliced(5, 2)), number(date.sliced(8, 2)));
}

} // namespace

QDate firstLogDay() {
    return QDate(1900, 1, 1);
}

QDate lastLogDay() {
    return QDate(2199, 12, 31);
}

QDate logDay(QStringView date) {
    const QDate day = spelledDay(date);
    return day.isValid() && day >= firstLogDay() && day <= lastLogDay() ? day : QDate();
}

QString logDateProblem(QStringView date) {
    if (logDay(date).isValid())
        return {};
    if (date.trimmed().isEmpty())
        return Text::tr("has no date");
    if (!spelledDay(date).isValid())
        return Text::tr("is dated \"%1\", which is not a real day").arg(date.toString());
    return Text::tr("is dated %1, outside the days a log can hold (%2 to %3)")
        .arg(date.left(10).toString(), firstLogDay().toString(Qt::ISODate),
             lastLogDay().toString(Qt::ISODate));
}

} // namespace data
