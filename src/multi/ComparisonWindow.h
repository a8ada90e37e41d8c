// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPair>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace data {
class RecordsetModel;
}

namespace multi {

// The "Wrong!" window: each correct answer beside the reply given for it, as the comparison
// table stood when the window was loaded, with the rows that differ selected. It has a
// connection of its own and holds nothing once closed.
class Form6 : public QDialog {
    Q_OBJECT
  public:
    explicit Form6(QWidget* parent = nullptr);

    // Opens the connection, picks the source the settings row names and marks the rows that
    // differ. Throws data::DbError.
    void Form_Load();
    void Command1_Click() { accept(); }

    // Rows of the grid shown marked, in ascending order.
    QList<int> markedRows() const;
    // The rich text a differing cell is shown with, its differing characters marked; empty
    // for a cell shown as it is.
    QString markedCellHtml(int row, int column) const;

    // Loads the window and shows it modally. Tests replace the modal wait with a function
    // that gets the loaded window instead; an empty function restores the modal wait.
    static void openModal(QWidget* parent);
    static void setOpenerForTests(std::function<void(Form6&)> opener);

    QLabel* Label1 = nullptr;
    QTableView* TDBGrid1 = nullptr;
    data::RecordsetModel* Adodc1 = nullptr;
    QPushButton* Command1 = nullptr;

  private:
    QHash<QPair<int, int>, QString> markedHtml_;
};

} // namespace multi
