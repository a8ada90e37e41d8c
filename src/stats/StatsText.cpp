// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/StatsText.h"

#include "data/LogDates.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace stats {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Stats)
};

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

// The dates of such rows as the log spells them; a full list of the first few may go on.
QString named(const QStringList& dates) {
    QStringList quoted;
    for (const QString& d : dates)
        quoted << (d.isEmpty() ? Text::tr("no date") : QLatin1Char('"') + d + QLatin1Char('"'));
    const QString list = quoted.join(QStringLiteral(", "));
    return dates.size() >= kNamedDates ? Text::tr("among them %1").arg(list) : list;
}

} // namespace

QString logSpanNote(const LogSpan& span) {
    QStringList notes;
    if (span.outsideRows > 0)
        notes << Text::tr("%n log rows are dated outside %1 to %2 and not shown (%3).", nullptr,
                          int(span.outsideRows))
                     .arg(data::firstLogDay().toString(Qt::ISODate),
                          data::lastLogDay().toString(Qt::ISODate), named(span.outsideDays));
    if (span.unreadableRows > 0)
        notes << Text::tr("%n log rows have no readable date and are not shown (%1).", nullptr,
                          int(span.unreadableRows))
                     .arg(named(span.unreadableDates));
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
    QList<QStringList> dayRows{{Text::tr("Date"), Text::tr("Replies"), Text::tr("Correct"),
                                Text::tr("Wrong"), Text::tr("Share correct")}};
    int replies = 0;
    int correct = 0;
    for (const DayCount& d : days) {
        dayRows << QStringList{d.day.toString(Qt::ISODate), QString::number(d.replies),
                               QString::number(d.correct), QString::number(d.wrong()),
                               share(d.correct, d.replies)};
        replies += d.replies;
        correct += d.correct;
    }
    dayRows << QStringList{Text::tr("Total"), QString::number(replies), QString::number(correct),
                           QString::number(replies - correct), share(correct, replies)};
    QList<QStringList> setRows{{Text::tr("Set"), Text::tr("Cards"), Text::tr("Answered"),
                                Text::tr("Replies"), Text::tr("Correct"), Text::tr("Share correct"),
                                Text::tr("Mean rating")}};
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
