// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/ReplyDiff.h"

#include <QTextBoundaryFinder>
#include <dtl/dtl.hpp>

namespace learn {
namespace {

// Columns per table row: longer texts wrap into further tables, each still aligned.
constexpr qsizetype kColumnsPerLine = 40;

QString colourOf(DiffMark mark) {
    switch (mark) {
    case DiffMark::Inserted:
        return QStringLiteral("#c00000");
    case DiffMark::Missing:
        return QStringLiteral("#0050c0");
    case DiffMark::Changed:
        return QStringLiteral("#b05000");
    case DiffMark::Same:
        break;
    }
    return {};
}

QString markedUnit(const QString& unit, DiffMark mark) {
    QString shown = unit.isEmpty() || unit.trimmed().isEmpty() ? QStringLiteral("&nbsp;")
                                                               : unit.toHtmlEscaped();
    if (mark == DiffMark::Same)
        return shown;
    return QStringLiteral("<span style=\"color:%1; text-decoration:underline\"><b>%2</b></span>")
        .arg(colourOf(mark), shown);
}

// A cell never collapses: a blank or a gap keeps its width, and a marked gap shows as an
// underlined space.
QString cell(const QString& unit, DiffMark mark) {
    return QStringLiteral("<td>%1</td>").arg(markedUnit(unit, mark));
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
    QString html;
    for (qsizetype first = 0; first < static_cast<qsizetype>(columns.size());
         first += kColumnsPerLine) {
        const qsizetype last =
            std::min(first + kColumnsPerLine, static_cast<qsizetype>(columns.size()));
        QString replyRow = QStringLiteral("<tr><td>Your reply:&nbsp;</td>");
        QString answerRow = QStringLiteral("<tr><td>Answer:&nbsp;</td>");
        for (qsizetype i = first; i < last; ++i) {
            const DiffColumn& c = columns[static_cast<size_t>(i)];
            replyRow += cell(c.reply, c.mark);
            answerRow += cell(c.answer, c.mark);
        }
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" "
                               "style=\"font-family:monospace\">%1</tr>%2</tr></table>")
                    .arg(replyRow, answerRow);
    }
    if (cut)
        html += QStringLiteral("<p>[...]</p>");
    return html;
}

QString markedSideHtml(const QString& reply, const QString& answer, bool replySide,
                       qsizetype longest) {
    std::vector<DiffColumn> columns = alignReply(reply, answer);
    const bool cut = static_cast<qsizetype>(columns.size()) > longest;
    if (cut)
        columns.resize(static_cast<size_t>(longest));
    QString html;
    for (const DiffColumn& c : columns) {
        const QString& unit = replySide ? c.reply : c.answer;
        // A unit only the other side has leaves a marked gap here.
        html += unit.isEmpty() && c.mark == DiffMark::Same ? QString() : markedUnit(unit, c.mark);
    }
    return cut ? html + QStringLiteral(" [...]") : html;
}

} // namespace learn
