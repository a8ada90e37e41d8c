// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Dialogs.h"

#include <QDialog>
#include <QSqlDatabase>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace window {

// "Edits that lost": the texts another machine's later edit overwrote, each beside the text
// that was kept, to be brought back or forgotten one by one.
class LostEditsWindow : public QDialog {
    Q_OBJECT
  public:
    LostEditsWindow(const QSqlDatabase& db, present::Dialogs& dialogs, QWidget* parent = nullptr);

    // Reads the entries again, newest first; nothing stays selected.
    void reload();

  signals:
    // A lost text is back in its card or set.
    void textBroughtBack();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Sets the window's texts in the language in use; it stays open through a change.
    void retranslate();
    void useChosen();
    void forgetChosen();
    void selectionChanged();
    // The entry of the selected row, 0 when none is selected.
    qint64 chosenId() const;

    QSqlDatabase db_;
    present::Dialogs& dialogs_;
    std::vector<qint64> ids_; // of the rows, in their order
    QTableWidget* list_ = nullptr;
    QLabel* none_ = nullptr;
    QPushButton* use_ = nullptr;
    QPushButton* forget_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* about_ = nullptr;
};

} // namespace window
