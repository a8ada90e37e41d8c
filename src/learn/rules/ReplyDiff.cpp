// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/ReplyDiff.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>
#include <dtl/dtl.hpp>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

struct MarkStyle {
    const char* fore;
    const char* back;
    const char* legend;
};

// Dark text on a light ground: each pair has a contrast of at least 7:1, and the underline
// tells a mark without colour.
MarkStyle styleOf(DiffMark mark) {
    switch (mark) {
    case DiffMark::Inserted:
        return {"#8a0000", "#ffe0e0", QT_TRANSLATE_NOOP("Form1", "not in the answer")};
    case DiffMark::Missing:
        return {"#00307a", "#dde8ff", QT_TRANSLATE_NOOP("Form1", "missing from your reply")};
    case DiffMark::Changed:
        return {"#6a3500", "#ffe8c8", QT_TRANSLATE_NOOP("Form1", "typed in place of the answer's")};
    case DiffMark::Same:
        break;
    }
    return {"", "", ""};
}

// A marked unit as it shows: a blank as a middle dot, so an extra or missing blank can be
// seen, and a gap (the other side's unit) as an empty marked space.
QString shownUnit(const QString& unit) {
    if (unit.isEmpty())
        return QStringLiteral("&nbsp;");
    if (unit.trimmed().isEmpty())
        return QString(unit.size(), QChar(0x00B7));
    return unit.toHtmlEscaped();
}

QString markedSpan(const QString& shown, DiffMark mark) {
    const MarkStyle style = styleOf(mark);
    return QStringLiteral("<span style=\"color:%1; background-color:%2; "
                          "text-decoration:underline\">%3</span>")
        .arg(QLatin1String(style.fore), QLatin1String(style.back), shown);
}

// One side of the alignment: runs of units with the same mark stay one piece of text, so
// letters that join (Arabic) stay joined; blanks of the same text keep their number.
QString sideHtml(const std::vector<DiffColumn>& columns, bool replySide) {
    QString html;
    for (size_t i = 0; i < columns.size();) {
        const DiffMark mark = columns[i].mark;
        QString run;
        for (; i < columns.size() && columns[i].mark == mark; ++i) {
            const QString& unit = replySide ? columns[i].reply : columns[i].answer;
            run += mark == DiffMark::Same ? unit.toHtmlEscaped() : shownUnit(unit);
        }
        html += mark == DiffMark::Same ? run : markedSpan(run, mark);
    }
    return html;
}

QString legendHtml() {
    QStringList parts;
    for (DiffMark mark : {DiffMark::Inserted, DiffMark::Missing, DiffMark::Changed})
        parts << markedSpan(QStringLiteral("abc"), mark) + QStringLiteral("&nbsp;") +
                     Text::tr(styleOf(mark).legend).toHtmlEscaped();
    parts << QStringLiteral("\u00b7 ") + Text::tr("a blank").toHtmlEscaped();
    return QStringLiteral("<p>%1</p>").arg(parts.join(QStringLiteral("; ")));
}

// Pairs a run of deletions with the run of insertions after it (or before it) into changes.
void appendRun(std::vector<DiffColumn>& out, QStringList& missing, QStringList& inserted) {
    const qsizetype paired = std::min(missing.size(), inserted.size());
    for (qsizetype i = 0; i < paired; ++i)
        out.push_back({inserted[i], missing[i], DiffMark::Changed});
    for (qsizetype i = paired; i < inserted.size(); ++i)
        out.push_back({inserted[i], QString(), DiffMark::Inserted});
    for (qsizetype i = paired; i < missing.size(); ++i)
        out.push_back({QString(), missing[i], DiffMark::Missing});
    missing.clear();
    inserted.clear();
}

} // namespace

QStringList graphemeClusters(const QString& text) {
    QStringList units;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        if (end > start)
            units << text.mid(start, end - start);
        start = end;
    }
    return units;
}

std::vector<DiffColumn> alignReply(const QString& reply, const QString& answer) {
    const QStringList a = graphemeClusters(answer);
    const QStringList r = graphemeClusters(reply);
    const std::vector<QString> from(a.begin(), a.end());
    const std::vector<QString> to(r.begin(), r.end());
    dtl::Diff<QString, std::vector<QString>> diff(from, to);
    diff.compose();

    std::vector<DiffColumn> out;
    QStringList missing;
    QStringList inserted;
    for (const auto& [unit, info] : diff.getSes().getSequence()) {
        if (info.type == dtl::SES_DELETE) {
            missing << unit;
        } else if (info.type == dtl::SES_ADD) {
            inserted << unit;
        } else {
            appendRun(out, missing, inserted);
            out.push_back({unit, unit, DiffMark::Same});
        }
    }
    appendRun(out, missing, inserted);
    return out;
}

QString replyDiffHtml(const QString& reply, const QString& answer, qsizetype longest) {
    std::vector<DiffColumn> columns = alignReply(reply, answer);
    const bool cut = static_cast<qsizetype>(columns.size()) > longest;
    if (cut)
        columns.resize(static_cast<size_t>(longest));
    const QString more = cut ? QStringLiteral(" [...]") : QString();
    // The two texts in one column of a table: when they wrap, both lines start at its edge.
    const QString row = QStringLiteral("<tr><td>%1&nbsp;</td>"
                                       "<td style=\"white-space:pre-wrap\">%2%3</td></tr>");
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">%1%2</table>%3")
        .arg(row.arg(Text::tr("Your reply:").toHtmlEscaped(), sideHtml(columns, true), more),
             row.arg(Text::tr("Answer:").toHtmlEscaped(), sideHtml(columns, false), more),
             legendHtml());
}

QString markedSideHtml(const QString& reply, const QString& answer, bool replySide,
                       qsizetype longest) {
    std::vector<DiffColumn> columns = alignReply(reply, answer);
    const bool cut = static_cast<qsizetype>(columns.size()) > longest;
    if (cut)
        columns.resize(static_cast<size_t>(longest));
    // A unit only the other side has leaves a marked gap here.
    const QString html = sideHtml(columns, replySide);
    return cut ? html + QStringLiteral(" [...]") : html;
}

} // namespace learn
