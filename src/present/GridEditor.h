// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>
#include <functional>

namespace present {

// Writes the text of a cell editor still open in `grid` to its model and closes the editor,
// so what is being typed is not lost when a command runs or the window closes. True when an
// editor was open.
bool commitOpenEditor(QTableView* grid);

// A grid whose rows are typed one after another from the keyboard. Enter in a row's last
// cell, or Down from the row for a new entry, stores the row and goes on to a new empty row,
// so the next text typed never overwrites the one just entered. Enter in an earlier cell of
// the new row goes on to its next cell. Space on a cell types a blank after its text, never
// in place of it.
class EntryGrid : public QTableView {
  public:
    enum class Enter {
        FromAnyRow, // a list: Enter on any row goes on to a new entry
        FromNewRow  // Enter on a stored row only closes its editor
    };
    explicit EntryGrid(Enter rule, QWidget* parent = nullptr) : QTableView(parent), rule_(rule) {}

    // A list typed from the keyboard and then sent on: Tab and Shift+Tab (with or without
    // Ctrl) leave the grid for the next or previous control, its typing kept, and Enter on
    // the empty row for a new entry runs `onDone`.
    void typeAsList(std::function<void()> onDone);
    // A cell's editor is open: what it holds is not stored yet.
    bool isEditing() const { return state() == EditingState; }

  protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Enter was pressed on `cell` (its editor, if any, already written).
    void enterOn(const QModelIndex& cell);
    // Stores a new row held by the model and makes the new empty row current; false when the
    // row could not be stored (the user has been told).
    bool goToNewRow();
    int nextVisibleColumn(int after) const;
    // A column drawn beside the stored text, never typed in (RecordsetModel::addExtraColumn).
    bool displayOnly(int column) const;
    bool rowIsEmpty(int row) const;
    void leave(bool forward);

    Enter rule_;
    bool list_ = false;
    std::function<void()> onDone_;
};

} // namespace present
