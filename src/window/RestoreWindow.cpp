// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RestoreWindow.h"

#include "data/OpenCheck.h"
#include "data/RecordsetModel.h"
#include "data/Restore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace window {
namespace {

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    return item;
}

QString count(int n) {
    return n < 0 ? QStringLiteral("unreadable") : QLocale().toString(n);
}

QString kindText(data::BackupFile::Kind kind) {
    switch (kind) {
    case data::BackupFile::Kind::BeforeRestore:
        return QStringLiteral("kept before a restore");
    case data::BackupFile::Kind::Damaged:
        return QStringLiteral("damaged file, kept");
    case data::BackupFile::Kind::Backup:
        break;
    }
    return QStringLiteral("backup");
}

// What restoring it brings back, for the confirmation and the message after it.
QString described(const data::BackupFile& b) {
    const QString when = QLocale().toString(b.taken, QLocale::ShortFormat);
    switch (b.kind) {
    case data::BackupFile::Kind::BeforeRestore:
        return QStringLiteral("the database as it was before the restore of %1").arg(when);
    case data::BackupFile::Kind::Damaged:
        return QStringLiteral("the damaged file kept %1").arg(when);
    case data::BackupFile::Kind::Backup:
        break;
    }
    return QStringLiteral("the backup taken %1").arg(when);
}

} // namespace

RestoreWindow::RestoreWindow(present::Form1State& s, QWidget* parent)
    : QDialog(parent), s_(s), databasePath_(s.rs.connection().databaseName()) {
    setObjectName(QStringLiteral("RestoreWindow"));
    setWindowTitle(QStringLiteral("Restore from backup"));
    auto* where = new QLabel(
        QStringLiteral("Backups in %1, and the copies that earlier restores kept beside the "
                       "database: restoring one of those undoes that restore.")
            .arg(QDir::toNativeSeparators(data::backupFolder(databasePath_))),
        this);
    where->setTextFormat(Qt::PlainText);
    where->setWordWrap(true);
    list_ = new QTableWidget(0, 5, this);
    list_->setObjectName(QStringLiteral("backupList"));
    list_->setAccessibleName(QStringLiteral("Backups"));
    list_->setHorizontalHeaderLabels({QStringLiteral("Taken"), QStringLiteral("Size"),
                                      QStringLiteral("Cards"), QStringLiteral("Sets"),
                                      QStringLiteral("What")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::ResizeToContents);
    restore_ = new QPushButton(QStringLiteral("Restore"), this);
    restore_->setObjectName(QStringLiteral("restoreButton"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restore_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(640, 320);

    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(restore_, &QPushButton::clicked, this, &RestoreWindow::restoreChosen);
    connect(list_, &QTableWidget::itemSelectionChanged, this,
            [this] { restore_->setEnabled(!list_->selectedItems().isEmpty()); });
    fill();
}

void RestoreWindow::fill() {
    backups_ = data::listBackups(databasePath_) + data::keptCopies(databasePath_);
    std::stable_sort(
        backups_.begin(), backups_.end(),
        [](const data::BackupFile& a, const data::BackupFile& b) { return a.taken > b.taken; });
    list_->setRowCount(int(backups_.size()));
    const QLocale locale;
    for (int row = 0; row < backups_.size(); ++row) {
        const data::BackupFile& b = backups_[row];
        const data::BackupSummary held = data::summarizeBackup(b.path);
        list_->setItem(row, 0, cell(locale.toString(b.taken, QLocale::ShortFormat)));
        list_->setItem(row, 1, cell(locale.formattedDataSize(b.size), Qt::AlignRight));
        list_->setItem(row, 2, cell(count(held.cards), Qt::AlignRight));
        list_->setItem(row, 3, cell(count(held.sets), Qt::AlignRight));
        list_->setItem(row, 4, cell(kindText(b.kind)));
    }
    if (!backups_.isEmpty())
        list_->selectRow(0);
    restore_->setEnabled(!backups_.isEmpty());
}

void RestoreWindow::restoreChosen() {
    const QModelIndexList chosen = list_->selectionModel()->selectedRows();
    if (chosen.isEmpty())
        return;
    const data::BackupFile backup = backups_.at(chosen.first().row());
    const QString what = described(backup);
    const QDateTime now = QDateTime::currentDateTime(); // the kept file's name, as announced
    if (!s_.dialogs.confirm(
            QStringLiteral("Restore %1? The database as it is "
                           "now is kept beside it as \"%2\".")
                .arg(what,
                     QFileInfo(data::keptName(databasePath_, QStringLiteral("before-restore"), now))
                         .fileName()),
            QStringLiteral("Restore from backup")))
        return;

    // The small windows hold connections and rows of the file being replaced.
    for (QWidget* w : s_.c.Form1->findChildren<QWidget*>()) {
        if (w != this && w->isWindow() && w->isVisible())
            w->close();
    }
    s_.rs.UnloadAll();
    const data::RestoreOutcome outcome =
        data::restoreBackup(databasePath_, backup.path, data::Replacing::SoundFile, now);
    s_.rs.LoadAll();
    for (data::RecordsetModel* m : {s_.c.Adodc1, s_.c.Adodc2, s_.c.Adodc3, s_.c.Adodc4})
        m->refresh();
    s_.window.ScrChangeVisible();
    if (!outcome.ok || !outcome.message.isEmpty()) {
        s_.dialogs.warning(outcome.message, QStringLiteral("Restore from backup"));
        if (!outcome.ok)
            return;
    } else {
        QString done = QStringLiteral("%1 was restored. The previous database is kept as "
                                      "\"%2\".")
                           .arg(what, QDir::toNativeSeparators(outcome.keptAs));
        done[0] = done[0].toUpper();
        s_.dialogs.message(done, QStringLiteral("Restore from backup"));
    }
    close();
}

RestoreMenu::RestoreMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), owner_(window) {
    QAction* entry = s_.c.mnuFileMenu->addAction(QStringLiteral("Restore from backup..."));
    entry->setObjectName(QStringLiteral("mnuRestore"));
    connect(entry, &QAction::triggered, this, [this] {
        if (!window_) {
            window_ = new RestoreWindow(s_, owner_);
            window_->setAttribute(Qt::WA_DeleteOnClose);
            window_->setWindowModality(Qt::WindowModal);
        }
        window_->show();
        window_->raise();
        window_->activateWindow();
    });
}

} // namespace window
