// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <limits>

namespace present {

// A line editor that takes texts of any length: QLineEdit cuts at 32,767 characters unless
// told otherwise, which would store a pasted question cut and make a longer answer
// impossible to give.
inline void takeLongText(QLineEdit* editor) {
    editor->setMaxLength(std::numeric_limits<int>::max());
}

// The grids' cell editors, taking texts of any length.
class LongTextDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            takeLongText(line);
        return editor;
    }
};

} // namespace present
