// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace learn {

// How one aligned unit of a reply stands against the answer.
enum class DiffMark {
    Same,
    Inserted, // in the reply, not in the answer
    Missing,  // in the answer, not in the reply
    Changed,  // typed in place of the answer's unit
};

// One column of a reply aligned with its answer; the side without a unit is empty.
struct DiffColumn {
    QString reply;
    QString answer;
    DiffMark mark = DiffMark::Same;
};

// The user-perceived characters of a text: an accented letter made of two code points, or an
// emoji with its modifiers, is one unit.
QStringList graphemeClusters(const QString& text);

// The reply aligned with the answer unit by unit (a shortest edit script over grapheme
// clusters); a deletion next to an insertion is one changed unit.
std::vector<DiffColumn> alignReply(const QString& reply, const QString& answer);

// Rich text showing the reply above the answer, both starting at the same place, each
// difference coloured on its own ground and underlined so it reads without colour too (a
// differing blank shows as a middle dot), and a legend of the marks below. The texts are
// escaped, their blanks kept; beyond `longest` columns the display is cut with " [...]".
QString replyDiffHtml(const QString& reply, const QString& answer, qsizetype longest = 200);

// One side of the alignment as inline rich text, its differing units marked as above:
// the reply's side (`replySide`) or the answer's. For a cell of the comparison window.
QString markedSideHtml(const QString& reply, const QString& answer, bool replySide,
                       qsizetype longest = 200);

} // namespace learn
