// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Recordset.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QStringList>
#include <functional>

namespace data {

// An editable table model over a record source (table, stored query or SELECT text), shared
// by every grid and the set list. Each edit of a stored row is written at once (an edit a user
// typed is never left waiting in the grid), and the model raises the notifications the windows
// react to. A new row is written at its first cell, unless the model holds new rows: then the
// row is kept until storePendingRow() writes it whole.
class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit RecordsetModel(QObject* parent = nullptr);

    void setConnection(const QSqlDatabase& db);
    void setSource(const QString& source);
    const QString& source() const { return source_; }

    // Re-runs the source, as a data control told to refresh.
    void refresh();
    // How many times the source was re-run; tells a caller whether it is fresh since.
    int refreshCount() const { return refreshes_; }

    // Read-only models offer no row for new entries and refuse edits.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }
    // Columns hidden from the grid stay in the model (index 0, Card_ID, for example).
    void setCellLocked(std::function<bool(int row, const QString& column)> locked);
    // The header text of a column; its name when none is set.
    void setCaption(const QString& column, const QString& caption);

    // A column shown after the source's own, filled by `value` (a stored row, a role) and never
    // edited through the model: what the window draws beside the stored text.
    using ExtraColumn = std::function<QVariant(int row, int role)>;
    void addExtraColumn(const QString& caption, ExtraColumn value);
    // The header text of the extra column `which` (0 for the first), as the language changes.
    void setExtraCaption(int which, const QString& caption);
    // The first extra column; the source's own come before it.
    int firstExtraColumn() const;
    // The role whose header value is true for an extra column: grids pass over it when the
    // next cell to type in is sought.
    static constexpr int kDisplayOnlyRole = Qt::UserRole + 1;

    // A new row is held until it is stored whole, so that a row half typed (a question
    // without its answer) never reaches the database.
    void setHoldsNewRow(bool holds) { holdsNewRow_ = holds; }
    bool hasPendingRow() const { return !pending_.isEmpty(); }
    // Writes the held row in one transaction. True when nothing is held or it was stored;
    // false after writeFailed, with the row still held as typed.
    bool storePendingRow();

    Recordset& recordset() { return rs_; }
    int dataRowCount() const;
    QVariant valueAt(int row, const QString& column) const;
    int columnOf(const QString& column) const;
    bool isNewRow(int row) const { return !readOnly_ && row == dataRowCount(); }

    int currentRow() const { return current_; }
    void setCurrentRow(int row);
    // The grid lost the focus.
    void notifyFocusLeft() { emit focusLeft(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

  signals:
    void beforeRowWrite(int row, bool* cancel);
    void afterRowWrite(int row);
    void afterRowAdded(int row);
    void beforeRowDelete(int row, bool* cancel);
    void currentRowChanged(int previous, int current);
    void focusLeft();
    // A write failed; the grid shows the message and the row keeps its stored value.
    void writeFailed(const QString& message);

  private:
    QSqlDatabase db_;
    QString source_;
    mutable Recordset rs_;
    bool readOnly_ = false;
    std::function<bool(int, const QString&)> locked_;
    int current_ = -1;
    int refreshes_ = 0;
    QHash<QString, QString> captions_; // column name (lower case) -> header text
    QList<QPair<QString, ExtraColumn>> extra_;
    bool holdsNewRow_ = false;
    QHash<QString, QVariant> pending_; // the held new row: column name -> typed value
    bool storing_ = false;
    bool pendingFailed_ = false;
};

} // namespace data
