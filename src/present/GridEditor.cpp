// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/GridEditor.h"

#include "data/RecordsetModel.h"

#include <QAbstractItemDelegate>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace present {

bool commitOpenEditor(QTableView* grid) {
    const QModelIndex index = grid->currentIndex();
    QWidget* editor = index.isValid() ? grid->indexWidget(index) : nullptr;
    QAbstractItemDelegate* delegate = editor ? grid->itemDelegateForIndex(index) : nullptr;
    if (!delegate)
        return false;
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void EntryGrid::typeAsList(std::function<void()> onDone) {
    list_ = true;
    onDone_ = std::move(onDone);
    setTabKeyNavigation(false);
}

void EntryGrid::leave(bool forward) {
    commitOpenEditor(this);
    QWidget::focusNextPrevChild(forward); // past the view's own move to the next cell
}

bool EntryGrid::rowIsEmpty(int row) const {
    for (int c = 0; c < model()->columnCount(); ++c) {
        if (!isColumnHidden(c) && !displayOnly(c) &&
            !model()->index(row, c).data().toString().trimmed().isEmpty())
            return false;
    }
    return true;
}

void EntryGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const QModelIndex cell = currentIndex();
    // Tab in a cell's editor: the text is kept and the focus leaves the list.
    if (list_ && (hint == QAbstractItemDelegate::EditNextItem ||
                  hint == QAbstractItemDelegate::EditPreviousItem)) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        QWidget::focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    QTableView::closeEditor(editor, hint);
    // The delegate closes an editor with this hint exactly when Enter was pressed in it.
    if (hint == QAbstractItemDelegate::SubmitModelCache && cell.isValid())
        enterOn(cell);
}

void EntryGrid::keyPressEvent(QKeyEvent* event) {
    auto* m = qobject_cast<data::RecordsetModel*>(model());
    const QModelIndex cell = currentIndex();
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (list_ && tab && !(event->modifiers() & Qt::AltModifier)) {
        leave(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && plain && state() != EditingState && cell.isValid() &&
        (model()->flags(cell) & Qt::ItemIsEditable)) {
        edit(cell);
        if (auto* line = qobject_cast<QLineEdit*>(indexWidget(cell))) {
            line->deselect();
            line->end(false);
            line->insert(QStringLiteral(" "));
        }
        event->accept();
        return;
    }
    if (m && cell.isValid() && plain) {
        const int key = event->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && state() != EditingState) {
            enterOn(cell);
            event->accept();
            return;
        }
        // There is no row below the new one: Down stores it and opens the next.
        if (key == Qt::Key_Down && m->isNewRow(cell.row())) {
            commitOpenEditor(this);
            goToNewRow();
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void EntryGrid::enterOn(const QModelIndex& cell) {
    auto* m = qobject_cast<data::RecordsetModel*>(model());
    if (!m)
        return;
    if (m->isNewRow(cell.row()) && list_ && onDone_ && rowIsEmpty(cell.row())) {
        onDone_(); // nothing more to enter: the list is done
        return;
    }
    if (m->isNewRow(cell.row())) {
        const int next = nextVisibleColumn(cell.column());
        if (next >= 0)
            setCurrentIndex(m->index(cell.row(), next));
        else
            goToNewRow();
    } else if (rule_ == Enter::FromAnyRow) {
        goToNewRow();
    }
}

bool EntryGrid::goToNewRow() {
    auto* m = qobject_cast<data::RecordsetModel*>(model());
    if (!m || m->isReadOnly() || !m->storePendingRow())
        return false;
    const int first = nextVisibleColumn(-1);
    const QModelIndex target = m->index(m->rowCount() - 1, std::max(first, 0));
    setCurrentIndex(target);
    scrollTo(target);
    return true;
}

bool EntryGrid::displayOnly(int column) const {
    return model()
        ->headerData(column, Qt::Horizontal, data::RecordsetModel::kDisplayOnlyRole)
        .toBool();
}

int EntryGrid::nextVisibleColumn(int after) const {
    for (int c = after + 1; c < model()->columnCount(); ++c) {
        if (!isColumnHidden(c) && !displayOnly(c))
            return c;
    }
    return -1;
}

} // namespace present
