// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QStyledItemDelegate>

namespace window {

// Draws each set's due count at the right of its row in the set list. The count is drawn, never
// part of the item's text, which the program reads as the chosen set's name.
class DueCountDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Empty: nothing drawn beside the names.
    void setCounts(QHash<QString, int> counts);
    const QHash<QString, int>& counts() const { return counts_; }
    // The text drawn beside a set's name: empty when none of its cards is due.
    QString countText(const QString& setName) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    QHash<QString, int> counts_;
};

} // namespace window
