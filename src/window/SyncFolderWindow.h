// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Dialogs.h"

#include <QDialog>
#include <QSqlDatabase>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace window {

// "Sync folder": which folder this database syncs through, the name this machine goes by
// there, and how far each machine syncing through it has got. Nothing syncs from here; the
// main window syncs when told of a new folder.
class SyncFolderWindow : public QDialog {
    Q_OBJECT
  public:
    SyncFolderWindow(const QSqlDatabase& db, present::Dialogs& dialogs, QWidget* parent = nullptr);

    // Reads the folder, the name and the machines again; a field the learner has edited keeps
    // what was typed.
    void reload();

  signals:
    // A folder was stored (its absolute path), or syncing stopped (empty).
    void folderChanged(const QString& folder);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Sets the window's texts in the language in use; it stays open through a change.
    void retranslate();
    void chooseFolder();
    void storeChoice();
    void stopSyncing();
    void showMachines();
    // True when the typed folder may be stored: it exists, and a poor choice was confirmed.
    bool folderAccepted(const QString& folder);

    QSqlDatabase db_;
    present::Dialogs& dialogs_;
    QString remembered_; // the folder stored in the database, empty while none is
    QLineEdit* folder_ = nullptr;
    QLineEdit* name_ = nullptr;
    QTreeWidget* machines_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* about_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLabel* machinesLabel_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace window
