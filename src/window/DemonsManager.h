// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Recordset.h"
#include "present/Dialogs.h"
#include "present/Form1State.h"

#include <QHash>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QWidget>

class QLabel;
class QListWidget;
class QLineEdit;
class QPushButton;
class QTableView;

namespace data {
class RecordsetModel;
}

namespace window {

// The sets of qSet1 as the Demons Manager's grid shows them: the name, and a check box for
// IncludeInDeamons. Names cannot be changed here, and there is no row for a new set. A tick
// is only shown until Apply stores it (storeTicks), so closing the window drops it.
class DemonSetsModel : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit DemonSetsModel(data::RecordsetModel* source, QObject* parent = nullptr);

    // Writes the ticks made since the last Apply in one transaction, and forgets them.
    // Throws data::DbError, keeping them, when they cannot be written.
    void storeTicks(const QSqlDatabase& db);
    void dropTicks();

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    bool isIncludeColumn(const QModelIndex& index) const;
    qint64 setIdAt(const QModelIndex& index) const;

    data::RecordsetModel* source_;
    QHash<qint64, bool> ticks_; // Set_ID -> included, as ticked and not yet applied
};

// The "Demons Manager" window: which sets feed the Demons, and how many Demons there are.
// It keeps its own connection; the main window sees the changes when it next reads them.
class Form3 : public QWidget {
    Q_OBJECT
  public:
    explicit Form3(present::Dialogs& dialogs, QWidget* parent = nullptr);

    // Opens the window's connection and shows the sets and the number.
    // Throws data::DbError when the database cannot be read.
    void Form_Load();
    void LoadAll3();
    void UnloadAll3();
    // The sets as the file has them now (another machine changed them); ticks not applied
    // yet stay.
    void readAgain();
    // The Demons marked now, listed while some set is asked another way than question to
    // answer, each with its direction beside its question.
    void showDemons();

    void Command1_Click(); // "Clear all"
    void Command2_Click(); // "Select all"
    void Command3_Click(); // "Apply" for the grid
    void Command4_Click(); // "Apply" for the number
    void Text1_Change();
    void TDBGrid1_Change();

    QLabel* Label1 = nullptr;
    QTableView* TDBGrid1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command4 = nullptr;
    data::RecordsetModel* Adodc1 = nullptr; // qSet1
    DemonSetsModel* sets = nullptr;         // what the grid shows of Adodc1
    QLabel* demonsNow = nullptr;
    QListWidget* demonsList = nullptr;

  protected:
    void changeEvent(QEvent* e) override;

  private:
    void retranslate();
    void captionColumns();
    void setAllIncluded(bool included);
    void showDemonsNum();

    present::Dialogs& dialogs_;
    QSqlDatabase db_;
    data::Recordset fields1_;
};

// Demons > Arrange Demons and the Demons button: open the Demons Manager, or bring the open
// one to the front.
class DemonsManagerMenu : public QObject {
    Q_OBJECT
  public:
    // Connects the entry and the button at once; `window` is the parent of the manager.
    DemonsManagerMenu(present::Form1State& s, QWidget* window);

    void mnuArrangeDemons_Click();
    void Command11_Click() { mnuArrangeDemons_Click(); }

    // The Demons Manager while it is open.
    Form3* managerWindow() const { return manager_; }

  private:
    present::Form1State& s_;
    QWidget* window_;
    QPointer<Form3> manager_;
};

} // namespace window
