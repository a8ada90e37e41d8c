// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScreenChecks.h"

#include "present/Form1Controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace testing {

// The text a control shows, or a null string for a control that shows none.
QString textOf(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->pixmap().isNull() ? l->text() : QString();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text().isEmpty() ? QStringLiteral(" ") : e->text(); // what is typed later
    if (auto* c = qobject_cast<const QComboBox*>(w))
        return c->isEditable() ? QString() : c->currentText(); // an editable one: its line
    return {};
}

QString nameOf(const QWidget* w) {
    return w->objectName().isEmpty()
               ? QString::fromLatin1(w->metaObject()->className()) + ' ' + textOf(w).left(20)
               : w->objectName();
}

// Each control of `root` shown whose caption does not fit in it.
QStringList cutCaptions(QWidget* root) {
    QStringList faults;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root))
            continue;
        const QString text = textOf(w);
        const bool label = qobject_cast<QLabel*>(w) != nullptr;
        const bool button = qobject_cast<QPushButton*>(w) != nullptr;
        if (text.trimmed().isEmpty() || (!label && !button))
            continue;
        const QFontMetrics m(w->font());
        if (label && static_cast<QLabel*>(w)->wordWrap()) {
            if (w->heightForWidth(w->width()) > w->height())
                faults << nameOf(w) + QStringLiteral(": wrapped text taller than the label");
            continue;
        }
        int room = w->width();
        if (label)
            room = static_cast<QLabel*>(w)->contentsRect().width();
        else
            room -= 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w) / 2 + 2;
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, m.horizontalAdvance(QString(line).remove(QLatin1Char('&'))));
        if (widest > room)
            faults << QStringLiteral("%1: caption %2 px in %3 px")
                          .arg(nameOf(w))
                          .arg(widest)
                          .arg(room);
        else if (m.height() > w->height())
            faults << QStringLiteral("%1: line %2 px high in %3 px")
                          .arg(nameOf(w))
                          .arg(m.height())
                          .arg(w->height());
    }
    return faults;
}

QString outsideTheArea(present::Form1Controls& c) {
    const QRect area = c.area->rect();
    for (QWidget* child : c.canvas->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(c.Form1) &&
            !area.contains(QRect(child->mapTo(c.area, QPoint(0, 0)), child->size())))
            return child->objectName() + QStringLiteral(" is outside the window");
    return {};
}

} // namespace testing
