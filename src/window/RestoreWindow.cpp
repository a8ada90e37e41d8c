// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RestoreWindow.h"

#include "data/OpenCheck.h"
#include "data/RecordsetModel.h"
#include "data/Restore.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
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

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RestoreWindow)
};
// The entry sits in the main window's menu.
struct MenuText {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    return item;
}

QString count(int n) {
    return n < 0 ? Text::tr("unreadable") : QLocale().toString(n);
}

QString kindText(data::BackupFile::Kind kind) {
    switch (kind) {
    case data::BackupFile::Kind::BeforeRestore:
        return Text::tr("kept before a restore");
    case data::BackupFile::Kind::Damaged:
        return Text::tr("damaged file, kept");
    case data::BackupFile::Kind::Backup:
        break;
    }
    return Text::tr("backup");
}

// What restoring it brings back, for the confirmation and the message after it.
QString described(const data::BackupFile& b) {
    const QString when = QLocale().toString(b.taken, QLocale::ShortFormat);
    switch (b.kind) {
    case data::BackupFile::Kind::BeforeRestore:
        return Text::tr("the database as it was before the restore of %1").arg(when);
    case data::BackupFile::Kind::Damaged:
        return Text::tr("the damaged file kept %1").arg(when);
    case data::BackupFile::Kind::Backup:
        break;
    }
    return Text::tr("the backup taken %1").arg(when);
}

} // namespace

RestoreWindow::RestoreWindow(present::Form1State& s, QWidget* parent)
    : QDialog(parent), s_(s), databasePath_(s.rs.connection().databaseName()) {
    setObjectName(QStringLiteral("RestoreWindow"));
    setWindowTitle(Text::tr("Restore from backup"));
    auto* where =
        new QLabel(Text::tr("Backups in %1, and the copies that earlier restores kept beside the "
                            "database: restoring one of those undoes that restore.")
                       .arg(QDir::toNativeSeparators(data::backupFolder(databasePath_))),
                   this);
    where->setTextFormat(Qt::PlainText);
    where->setWordWrap(true);
    list_ = new QTableWidget(0, 5, this);
    list_->setObjectName(QStringLiteral("backupList"));
    list_->setAccessibleName(Text::tr("Backups"));
    list_->setHorizontalHeaderLabels({Text::tr("Taken"), Text::tr("Size"), Text::tr("Cards"),
                                      Text::tr("Sets"), Text::tr("What")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::ResizeToContents);
    restore_ = new QPushButton(Text::tr("Restore"), this);
    restore_->setObjectName(QStringLiteral("restoreButton"));
    auto* close = new QPushButton(Text::tr("Close"), this);
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
            Text::tr("Restore %1? The database as it is now is kept beside it as \"%2\".")
                .arg(what,
                     QFileInfo(data::keptName(databasePath_, QStringLiteral("before-restore"), now))
                         .fileName()),
            Text::tr("Restore from backup")))
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
        s_.dialogs.warning(outcome.message, Text::tr("Restore from backup"));
        if (!outcome.ok)
            return;
    } else {
        QString done = Text::tr("%1 was restored. The previous database is kept as \"%2\".")
                           .arg(what, QDir::toNativeSeparators(outcome.keptAs));
        done[0] = done[0].toUpper();
        s_.dialogs.message(done, Text::tr("Restore from backup"));
    }
    close();
}

RestoreMenu::RestoreMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), owner_(window) {
    entry_ = s_.c.mnuFileMenu->addAction(MenuText::tr("Restore from backup..."));
    entry_->setObjectName(QStringLiteral("mnuRestore"));
    connect(entry_, &QAction::triggered, this, [this] {
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

bool RestoreMenu::event(QEvent* e) {
    // The main window hands a change of language on to its children. The window itself is
    // modal to the main window, so no language is chosen while it is open.
    if (e->type() == QEvent::LanguageChange)
        entry_->setText(MenuText::tr("Restore from backup..."));
    return QObject::event(e);
}

} // namespace window
