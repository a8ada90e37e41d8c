// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Dialogs.h"

#include <QWidget>

class QTableView;

namespace data {
class RecordsetModel;
}

namespace window {

// The "Log" window: every judged reply, oldest first, as the log stood when the window was
// loaded. Read-only; it has a connection of its own.
class Form4 : public QWidget {
    Q_OBJECT
  public:
    explicit Form4(QWidget* parent = nullptr);

    // Opens the connection and reads the rows. Throws data::DbError.
    void Form_Load();

    QTableView* TDBGrid1 = nullptr;
    data::RecordsetModel* Adodc1 = nullptr;

  protected:
    void changeEvent(QEvent* e) override;

  private:
    void retranslate();
    void captionColumns();
};

// How a log date is shown: date and time, the time left out at midnight; a text that is no
// date is shown as stored.
QString generalDate(const QVariant& value);

} // namespace window
