// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RecordsetModel.h"

#include "data/Sql.h"

#include <algorithm>

namespace data {

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsetModel::setConnection(const QSqlDatabase& db) {
    db_ = db;
    refresh();
}

void RecordsetModel::setSource(const QString& source) {
    source_ = source;
    refresh();
}

void RecordsetModel::refresh() {
    beginResetModel();
    ++refreshes_;
    rs_ = (db_.isValid() && !source_.isEmpty()) ? Recordset(db_, source_) : Recordset();
    // A view loses its current index on a reset, so the next row it makes current is a
    // change even when it is the row that was current before.
    current_ = -1;
    pendingFailed_ = false; // the chosen set may have changed: the held row may go now
    endResetModel();
}

void RecordsetModel::setReadOnly(bool readOnly) {
    beginResetModel();
    readOnly_ = readOnly;
    endResetModel();
}

void RecordsetModel::setCellLocked(std::function<bool(int, const QString&)> locked) {
    locked_ = std::move(locked);
}

void RecordsetModel::setCaption(const QString& column, const QString& caption) {
    captions_.insert(column.toLower(), caption);
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, columnCount() - 1));
}

int RecordsetModel::dataRowCount() const {
    if (!rs_.isOpen())
        return 0;
    try {
        return rs_.recordCount();
    } catch (const DbError&) {
        return 0;
    }
}

int RecordsetModel::columnOf(const QString& column) const {
    if (!rs_.isOpen())
        return -1;
    try {
        const QStringList names = rs_.columnNames();
        for (int i = 0; i < names.size(); ++i) {
            if (names[i].compare(column, Qt::CaseInsensitive) == 0)
                return i;
        }
    } catch (const DbError&) {
    }
    return -1;
}

QVariant RecordsetModel::valueAt(int row, const QString& column) const {
    if (isNewRow(row))
        return pending_.value(column.toLower());
    const int c = columnOf(column);
    return c < 0 ? QVariant() : rs_.valueAt(row, c);
}

void RecordsetModel::setCurrentRow(int row) {
    if (row == current_)
        return;
    // Leaving the held new row stores it whole.
    if (holdsNewRow_ && isNewRow(current_))
        storePendingRow();
    const int previous = current_;
    current_ = row;
    emit currentRowChanged(previous, row);
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return dataRowCount() + (readOnly_ || !rs_.isOpen() ? 0 : 1);
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !rs_.isOpen())
        return 0;
    try {
        return static_cast<int>(rs_.columnNames().size() + extra_.size());
    } catch (const DbError&) {
        return 0;
    }
}

void RecordsetModel::addExtraColumn(const QString& caption, ExtraColumn value) {
    beginResetModel();
    extra_.append({caption, std::move(value)});
    endResetModel();
}

void RecordsetModel::setExtraCaption(int which, const QString& caption) {
    if (which < 0 || which >= extra_.size())
        return;
    extra_[which].first = caption;
    const int column = firstExtraColumn() + which;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int RecordsetModel::firstExtraColumn() const {
    try {
        return rs_.isOpen() ? static_cast<int>(rs_.columnNames().size()) : 0;
    } catch (const DbError&) {
        return 0;
    }
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (index.isValid() && !extra_.isEmpty() && index.column() >= firstExtraColumn()) {
        const int which = index.column() - firstExtraColumn();
        if (index.row() >= dataRowCount() || which >= extra_.size())
            return {};
        return extra_.at(which).second(index.row(), role);
    }
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (index.row() >= dataRowCount()) {
        if (pending_.isEmpty() || !isNewRow(index.row()))
            return {};
        return pending_.value(rs_.columnNames().value(index.column()).toLower());
    }
    return rs_.valueAt(index.row(), index.column());
}

Qt::ItemFlags RecordsetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (readOnly_ || !index.isValid() || index.column() >= firstExtraColumn())
        return f;
    const QString column = rs_.columnNames().value(index.column());
    if (locked_ && locked_(index.row(), column))
        return f;
    return f | Qt::ItemIsEditable;
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= firstExtraColumn() && !extra_.isEmpty()) {
        const int which = section - firstExtraColumn();
        if (which >= extra_.size())
            return {};
        if (role == kDisplayOnlyRole)
            return true;
        return role == Qt::DisplayRole ? QVariant(extra_.at(which).first) : QVariant();
    }
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return isNewRow(section) ? QVariant(QStringLiteral("*")) : QVariant(section + 1);
    try {
        if (!rs_.isOpen())
            return {};
        const QString name = rs_.columnNames().value(section);
        return captions_.value(name.toLower(), name);
    } catch (const DbError&) {
        return {};
    }
}

bool RecordsetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row();
    const QString column = rs_.columnNames().value(index.column());
    const bool adding = isNewRow(row);
    if (adding && holdsNewRow_) {
        pendingFailed_ = false;
        if (value.toString().isEmpty())
            pending_.remove(column.toLower());
        else
            pending_.insert(column.toLower(), value);
        emit dataChanged(index, index);
        return true;
    }
    if (adding && value.toString().isEmpty())
        return false; // an untouched new row is not a card, and nothing is written
    bool cancel = false;
    emit beforeRowWrite(row, &cancel);
    if (cancel)
        return false;
    try {
        if (adding) {
            const int added = dataRowCount();
            // Written before the rows are announced, so a refused row leaves the model whole.
            rs_.addNew();
            rs_.setValue(column, value);
            rs_.update();
            rs_.requery();
            beginInsertRows({}, added + 1, added + 1);
            endInsertRows();
            emit dataChanged(this->index(added, 0), this->index(added, columnCount() - 1));
            emit afterRowWrite(added);
            emit afterRowAdded(added);
            return true;
        }
        rs_.moveTo(row);
        rs_.setValue(column, value);
        rs_.update();
    } catch (const DbError& e) {
        rs_.cancelUpdate();
        emit writeFailed(e.message());
        return false;
    }
    emit dataChanged(index, index);
    emit afterRowWrite(row);
    return true;
}

bool RecordsetModel::storePendingRow() {
    if (pending_.isEmpty())
        return true;
    // Once refused, the row is tried again only after it was edited or the grid refreshed,
    // so that the message is not repeated at every click while it is shown.
    if (storing_ || pendingFailed_)
        return false;
    storing_ = true;
    const int added = dataRowCount();
    bool cancel = false;
    emit beforeRowWrite(added, &cancel);
    if (cancel) {
        storing_ = false;
        return false;
    }
    try {
        Transaction t(db_);
        rs_.addNew();
        for (auto it = pending_.constBegin(); it != pending_.constEnd(); ++it)
            rs_.setValue(it.key(), it.value());
        rs_.update();
        t.commit();
    } catch (const DbError& e) {
        rs_.cancelUpdate();
        pendingFailed_ = true;
        emit writeFailed(e.message());
        storing_ = false;
        return false;
    }
    pending_.clear();
    rs_.requery();
    beginInsertRows({}, added + 1, added + 1);
    endInsertRows();
    emit dataChanged(index(added, 0), index(added, columnCount() - 1));
    storing_ = false;
    emit afterRowWrite(added);
    emit afterRowAdded(added);
    return true;
}

bool RecordsetModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || readOnly_ || count < 1 || row + count > dataRowCount())
        return false;
    for (int r = row + count - 1; r >= row; --r) {
        bool cancel = false;
        emit beforeRowDelete(r, &cancel);
        if (cancel)
            continue;
        try {
            beginRemoveRows({}, r, r);
            rs_.moveTo(r);
            rs_.deleteCurrent();
            endRemoveRows();
        } catch (const DbError& e) {
            endRemoveRows();
            refresh();
            emit writeFailed(e.message());
            return false;
        }
    }
    return true;
}

} // namespace data
