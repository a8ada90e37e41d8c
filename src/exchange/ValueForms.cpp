// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ValueForms.h"

#include "exchange/ExchangeText.h"
#include "sets/rules/StoredText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <cmath>

namespace exchange {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

const QString kNull = QStringLiteral("Null");
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

constexpr std::array<ColumnKind, kColumns> kKinds = {
    // Card: id, question, answer, CurStatus, AcStatus, GoNo, Order, Rating, Correct,
    // Incorrect, Demons, Active, SpareID
    ColumnKind::Id, ColumnKind::NamedText, ColumnKind::NamedText, ColumnKind::Number,
    ColumnKind::Number, ColumnKind::Number, ColumnKind::Number, ColumnKind::Number,
    ColumnKind::Number, ColumnKind::Number, ColumnKind::Number, ColumnKind::Number,
    ColumnKind::Text,
    // Set: id, name, Active, IncludeInDeamons, SpareID, SpareName
    ColumnKind::Id, ColumnKind::NamedText, ColumnKind::Number, ColumnKind::YesNo, ColumnKind::Text,
    ColumnKind::Text,
    // Relation: id, set id, card id
    ColumnKind::Id, ColumnKind::Id, ColumnKind::Id,
    // Log: id, date, set name, card id, result
    ColumnKind::Id, ColumnKind::Date, ColumnKind::NamedText, ColumnKind::Id, ColumnKind::Text};

// The time format of the locale without its time zone, which a log date never carries.
QString plainTimeFormat(const QLocale& locale) {
    QString f = locale.timeFormat(QLocale::LongFormat);
    f.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    return f.trimmed();
}

// A number as the file shows it: with either decimal separator, with or without a zero
// before it, with blanks around it.
bool readNumber(QStringView line, double* out) {
    QString s = line.trimmed().toString();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    if (s.startsWith(QLatin1Char('.')))
        s.prepend(QLatin1Char('0'));
    else if (s.startsWith(QStringLiteral("-.")) || s.startsWith(QStringLiteral("+.")))
        s.insert(1, QLatin1Char('0'));
    bool ok = false;
    const double d = s.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    *out = d;
    return true;
}

bool isWhole(double d) {
    return std::floor(d) == d && std::fabs(d) < 9007199254740992.0;
}

// A whole number stays one; other numbers are staged as their shortest exact decimal text,
// because the database would round a bound double to 15 digits on its way into a text
// column.
QVariant stagedNumber(double d) {
    if (isWhole(d))
        return QVariant(static_cast<qlonglong>(d));
    return QVariant(QString::number(d, 'g', QLocale::FloatingPointShortest));
}

QDate twoDigitYearFixed(QDate d) {
    // A two-digit year is read as 1930 to 2029, as Windows reads it.
    if (d.isValid() && d.year() < 1930)
        return d.addYears(100);
    return d;
}

} // namespace

ColumnKind columnKind(int index) {
    return kKinds[static_cast<size_t>(index)];
}

QString withFourDigitYear(const QString& format) {
    static const QRegularExpression lone(QStringLiteral("(?<!y)yy(?!y)"));
    QString f = format;
    f.replace(lone, QStringLiteral("yyyy"));
    return f;
}

QString lineText(const QString& text, bool* changed) {
    QString out = sets::storableText(text, changed);
    if (out.size() > kMaxTextLength) {
        qsizetype end = kMaxTextLength;
        if (out[end - 1].isHighSurrogate())
            --end;
        out.truncate(end);
        if (changed)
            *changed = true;
    }
    return out;
}

ValueForms::ValueForms(const QLocale& locale)
    : locale_(locale), dateFormat_(withFourDigitYear(locale.dateFormat(QLocale::ShortFormat))),
      timeFormat_(plainTimeFormat(locale)), decimalPoint_(locale.decimalPoint()) {}

ValueForms ValueForms::withForms(const QString& dateFormat, const QString& timeFormat,
                                 const QString& decimalPoint) const {
    ValueForms other(*this);
    other.dateFormat_ = dateFormat;
    other.timeFormat_ = timeFormat;
    other.decimalPoint_ = decimalPoint;
    other.namedForms_ = true;
    return other;
}

QString ValueForms::format(ColumnKind kind, const QVariant& value, bool* textChanged) const {
    if (value.isNull())
        return kNull;
    switch (kind) {
    case ColumnKind::Id:
    case ColumnKind::Number: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (!ok)
            break; // not a number after all: written as the text it is
        QString digits = isWhole(d) ? QString::number(static_cast<qlonglong>(d))
                                    : QString::number(d, 'f', QLocale::FloatingPointShortest);
        digits.replace(QLatin1Char('.'), decimalPoint_);
        // A blank stands where a minus sign would, and one follows.
        return (d < 0 ? QString() : QStringLiteral(" ")) + digits + QLatin1Char(' ');
    }
    case ColumnKind::YesNo: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (ok)
            return d != 0 ? kTrue : kFalse;
        break;
    }
    case ColumnKind::Date: {
        const QString stored = value.toString();
        QDateTime at = QDateTime::fromString(stored, Qt::ISODate);
        if (!at.isValid())
            at = QDateTime(QDate::fromString(stored, Qt::ISODate), QTime(0, 0));
        if (!at.isValid())
            break;
        const QString day = locale_.toString(at.date(), dateFormat_);
        if (at.time() == QTime(0, 0))
            return day;
        return day + QLatin1Char(' ') + locale_.toString(at.time(), timeFormat_);
    }
    case ColumnKind::Text:
    case ColumnKind::NamedText:
        break;
    }
    return lineText(value.toString(), textChanged);
}

bool ValueForms::parse(ColumnKind kind, QStringView line, QVariant* value, QString* why) const {
    switch (kind) {
    case ColumnKind::NamedText:
        *value = line.toString();
        return true;
    case ColumnKind::Text:
        *value = line == kNull ? QVariant() : QVariant(line.toString());
        return true;
    default:
        break;
    }
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed == kNull) {
        *value = QVariant();
        return true;
    }
    switch (kind) {
    case ColumnKind::Id: {
        double d = 0;
        if (!readNumber(trimmed, &d) || !isWhole(d)) {
            *why = Text::tr("an id must be a whole number");
            return false;
        }
        *value = static_cast<qlonglong>(d);
        return true;
    }
    case ColumnKind::Number:
    case ColumnKind::YesNo: {
        if (trimmed.compare(kTrue, Qt::CaseInsensitive) == 0) {
            *value = 1;
            return true;
        }
        if (trimmed.compare(kFalse, Qt::CaseInsensitive) == 0) {
            *value = 0;
            return true;
        }
        double d = 0;
        if (!readNumber(trimmed, &d)) {
            *why = kind == ColumnKind::YesNo ? Text::tr("it is neither True nor False")
                                             : Text::tr("it is not a number");
            return false;
        }
        *value = kind == ColumnKind::YesNo ? QVariant(d != 0 ? 1 : 0) : stagedNumber(d);
        return true;
    }
    case ColumnKind::Date: {
        const QString s = trimmed.toString();
        QDateTime at = QDateTime::fromString(s, Qt::ISODate);
        if (at.isValid()) {
            *value = at.time() == QTime(0, 0) ? at.date().toString(Qt::ISODate)
                                              : at.toString(Qt::ISODate);
            return true;
        }
        const QString shortFormat = locale_.dateFormat(QLocale::ShortFormat);
        // Names of months and of AM and PM are tried in the locale and in English, as the
        // file may come from a system in another language.
        auto readDay = [&](const QString& text) {
            QDate d = QDate::fromString(text, Qt::ISODate);
            if (!d.isValid())
                d = locale_.toDate(text, dateFormat_);
            if (!d.isValid())
                d = QLocale::c().toDate(text, dateFormat_);
            // A date in the system's short form with two digits for the year, as older
            // files hold them; a file that names its forms is read with those alone.
            if (!d.isValid() && !namedForms_ && shortFormat != dateFormat_)
                d = twoDigitYearFixed(locale_.toDate(text, shortFormat));
            return d;
        };
        auto readTime = [&](const QString& text) {
            for (const QString& f : {timeFormat_, locale_.timeFormat(QLocale::ShortFormat),
                                     QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")}) {
                for (const QLocale& in : {locale_, QLocale::c()}) {
                    const QTime t = in.toTime(text, f);
                    if (t.isValid())
                        return t;
                }
            }
            return QTime::fromString(text, Qt::ISODate);
        };
        QDate day = readDay(s);
        QTime time(0, 0);
        // The day may hold blanks itself, so every blank is tried as the start of the time.
        for (qsizetype blank = s.indexOf(QLatin1Char(' ')); !day.isValid() && blank > 0;
             blank = s.indexOf(QLatin1Char(' '), blank + 1)) {
            const QDate d = readDay(s.left(blank));
            const QTime t = readTime(s.mid(blank + 1).trimmed());
            if (d.isValid() && t.isValid()) {
                day = d;
                time = t;
            }
        }
        if (!day.isValid()) {
            const QTime alone = readTime(s);
            if (alone.isValid()) {
                *value = alone.toString(Qt::ISODate);
                return true;
            }
            *why = Text::tr("it is not a date");
            return false;
        }
        *value = time == QTime(0, 0) ? day.toString(Qt::ISODate)
                                     : QDateTime(day, time).toString(Qt::ISODate);
        return true;
    }
    default:
        return true;
    }
}

} // namespace exchange
