// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/StatsText.h"

#include "data/Counted.h"
#include "data/LogDates.h"

#include <QStringList>
#include <algorithm>

namespace stats {
namespace {

QString row(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted << csvField(f);
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

// Columns of a text table: the first left-aligned, the rest right-aligned.
QString table(const QList<QStringList>& rows) {
    QList<int> widths;
    for (const QStringList& r : rows)
        for (int i = 0; i < r.size(); ++i) {
            if (widths.size() <= i)
                widths << 0;
            widths[i] = std::max(widths[i], int(r[i].size()));
        }
    QString out;
    for (const QStringList& r : rows) {
        QString line;
        for (int i = 0; i < r.size(); ++i)
            line += i == 0 ? r[i].leftJustified(widths[i])
                           : QStringLiteral("  ") + r[i].rightJustified(widths[i]);
        out += line.trimmed() + QLatin1Char('\n');
    }
    return out;
}

QString rows(qint64 n) {
    return data::counted(n, QStringLiteral("log row"));
}

// The dates of such rows as the log spells them; a full list of the first few may go on.
QString named(const QStringList& dates) {
    QStringList quoted;
    for (const QString& d : dates)
        quoted << (d.isEmpty() ? QStringLiteral("no date")
                               : QLatin1Char('"') + d + QLatin1Char('"'));
    return (dates.size() >= kNamedDates ? QStringLiteral("among them ") : QString()) +
           quoted.join(QStringLiteral(", "));
}

} // namespace

QString logSpanNote(const LogSpan& span) {
    QStringList notes;
    if (span.outsideRows > 0)
        notes << QStringLiteral("%1 %2 dated outside %3 to %4 and not shown (%5).")
                     .arg(rows(span.outsideRows),
                          span.outsideRows == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                          data::firstLogDay().toString(Qt::ISODate),
                          data::lastLogDay().toString(Qt::ISODate), named(span.outsideDays));
    if (span.unreadableRows > 0)
        notes << QStringLiteral("%1 %2 no readable date and %3 not shown (%4).")
                     .arg(rows(span.unreadableRows),
                          span.unreadableRows == 1 ? QStringLiteral("has") : QStringLiteral("have"),
                          span.unreadableRows == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                          named(span.unreadableDates));
    return notes.join(QLatin1Char(' '));
}

QString share(int part, int whole) {
    if (whole == 0)
        return {};
    return QString::number(double(part) / whole, 'f', 4);
}

QString fourDecimals(const std::optional<double>& value) {
    return value ? QString::number(*value, 'f', 4) : QString();
}

QString csvField(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString statsCsv(const QVector<DayCount>& days, const QVector<SetSummary>& sets) {
    QString out = QStringLiteral("date,replies,correct,wrong,share_correct\n");
    for (const DayCount& d : days)
        out += row({d.day.toString(Qt::ISODate), QString::number(d.replies),
                    QString::number(d.correct), QString::number(d.wrong()),
                    share(d.correct, d.replies)});
    out += QStringLiteral("\nset,cards,answered,replies,correct,share_correct,mean_rating\n");
    for (const SetSummary& s : sets)
        out += row({s.name, QString::number(s.cards), QString::number(s.answered),
                    QString::number(s.replies), QString::number(s.correct),
                    share(s.correct, s.replies), fourDecimals(s.meanRating)});
    return out;
}

QString statsText(const QVector<DayCount>& days, const QVector<SetSummary>& sets) {
    QList<QStringList> dayRows{{QStringLiteral("Date"), QStringLiteral("Replies"),
                                QStringLiteral("Correct"), QStringLiteral("Wrong"),
                                QStringLiteral("Share correct")}};
    int replies = 0;
    int correct = 0;
    for (const DayCount& d : days) {
        dayRows << QStringList{d.day.toString(Qt::ISODate), QString::number(d.replies),
                               QString::number(d.correct), QString::number(d.wrong()),
                               share(d.correct, d.replies)};
        replies += d.replies;
        correct += d.correct;
    }
    dayRows << QStringList{QStringLiteral("Total"), QString::number(replies),
                           QString::number(correct), QString::number(replies - correct),
                           share(correct, replies)};
    QList<QStringList> setRows{{QStringLiteral("Set"), QStringLiteral("Cards"),
                                QStringLiteral("Answered"), QStringLiteral("Replies"),
                                QStringLiteral("Correct"), QStringLiteral("Share correct"),
                                QStringLiteral("Mean rating")}};
    for (const SetSummary& s : sets)
        setRows << QStringList{s.name,
                               QString::number(s.cards),
                               QString::number(s.answered),
                               QString::number(s.replies),
                               QString::number(s.correct),
                               share(s.correct, s.replies),
                               fourDecimals(s.meanRating)};
    return table(dayRows) + QLatin1Char('\n') + table(setRows);
}

} // namespace stats
