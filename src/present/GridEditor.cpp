#include "present/GridEditor.h"

#include <QAbstractItemDelegate>
#include <QTableView>

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

} // namespace present
