// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DueCountDelegate.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>

namespace window {
namespace {

constexpr int kGap = 12; // between a set's name and its count

} // namespace

void DueCountDelegate::setCounts(QHash<QString, int> counts) {
    counts_ = std::move(counts);
}

QString DueCountDelegate::countText(const QString& setName) const {
    const int n = counts_.value(setName);
    return n > 0 ? QCoreApplication::translate("DueCountDelegate", "%n due", nullptr, n)
                 : QString();
}

void DueCountDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QString text = countText(index.data(Qt::DisplayRole).toString());
    if (text.isEmpty())
        return;
    painter->save();
    // The palette's own colours, so the count reads on a dark or high-contrast theme too.
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(0, 0, -kGap / 2, 0), Qt::AlignRight | Qt::AlignVCenter,
                      text);
    painter->restore();
}

QSize DueCountDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString text = countText(index.data(Qt::DisplayRole).toString());
    if (!text.isEmpty())
        size.rwidth() += kGap + option.fontMetrics.horizontalAdvance(text);
    return size;
}

} // namespace window
