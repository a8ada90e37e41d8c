// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/SyncFolderWindow.h"

#include "data/Sql.h"
#include "sync/FolderChoice.h"
#include "sync/Sync.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSysInfo>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace window {
namespace {

const QString kTitle = QStringLiteral("Sync folder");

// A time the sync files give in ISO form, as the learner reads times here; a text that is no
// time is shown as it is.
QString localTime(const QString& iso) {
    if (iso.isEmpty())
        return QStringLiteral("-");
    const QDateTime at = QDateTime::fromString(iso, Qt::ISODateWithMs);
    return at.isValid() ? QLocale().toString(at.toLocalTime(), QLocale::ShortFormat) : iso;
}

QTreeWidgetItem* machineRow(const syncing::MachineStatus& m, qint64 writtenHere) {
    auto* row = new QTreeWidgetItem;
    row->setText(0, m.self ? QStringLiteral("%1 (this machine)").arg(m.name) : m.name);
    row->setText(1, localTime(m.lastChange));
    row->setText(2, m.self ? QStringLiteral("-")
                           : QStringLiteral("%1 of %2").arg(m.readOfThis).arg(writtenHere));
    return row;
}

} // namespace

SyncFolderWindow::SyncFolderWindow(const QSqlDatabase& db, present::Dialogs& dialogs,
                                   QWidget* parent)
    : QDialog(parent), db_(db), dialogs_(dialogs) {
    setObjectName(QStringLiteral("SyncFolderWindow"));
    setWindowTitle(kTitle);

    auto* about = new QLabel(
        QStringLiteral("Choose a folder that a sync tool keeps alike on all your machines: a "
                       "Syncthing folder, a cloud folder (Nextcloud, Dropbox, OneDrive) or a "
                       "network share. Memorant writes its changes into a folder "
                       "\"memorant-sync\" inside it, never the database itself. Every machine "
                       "chooses the same folder."),
        this);
    about->setTextFormat(Qt::PlainText);
    about->setWordWrap(true);

    folder_ = new QLineEdit(this);
    folder_->setObjectName(QStringLiteral("txtSyncFolder"));
    folder_->setAccessibleName(QStringLiteral("Sync folder"));
    auto* choose = new QPushButton(QStringLiteral("Choose..."), this);
    choose->setObjectName(QStringLiteral("cmdChooseFolder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(choose);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("txtMachineName"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Folder:"), folderRow);
    form->addRow(QStringLiteral("This machine's name:"), name_);

    machines_ = new QTreeWidget(this);
    machines_->setObjectName(QStringLiteral("lstMachines"));
    machines_->setAccessibleName(QStringLiteral("Machines syncing through this folder"));
    machines_->setHeaderLabels({QStringLiteral("Machine"), QStringLiteral("Last change"),
                                QStringLiteral("Has read this machine's changes")});
    machines_->setRootIsDecorated(false);
    machines_->setSelectionMode(QAbstractItemView::NoSelection);
    machines_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    machines_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    machines_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    machines_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    machines_->header()->setStretchLastSection(false);

    stop_ = new QPushButton(QStringLiteral("Stop syncing"), this);
    stop_->setObjectName(QStringLiteral("cmdStopSyncing"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(stop_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Machines syncing through this folder:"), this));
    layout->addWidget(machines_, 1);
    layout->addLayout(buttons);
    resize(600, 400);

    connect(choose, &QPushButton::clicked, this, &SyncFolderWindow::chooseFolder);
    connect(stop_, &QPushButton::clicked, this, &SyncFolderWindow::stopSyncing);
    connect(ok, &QPushButton::clicked, this, &SyncFolderWindow::storeChoice);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    reload();
}

void SyncFolderWindow::reload() {
    syncing::ReplicaRow replica;
    try {
        replica = syncing::readReplica(db_);
    } catch (const data::DbError& e) {
        dialogs_.warning(e.message(), kTitle);
        return;
    }
    remembered_ = replica.folder;
    // Only what the learner typed counts as a change; the text shown here does not.
    if (!folder_->isModified())
        folder_->setText(QDir::toNativeSeparators(replica.folder));
    if (!name_->isModified())
        name_->setText(replica.name.isEmpty() ? QSysInfo::machineHostName() : replica.name);
    stop_->setEnabled(!remembered_.isEmpty());
    showMachines();
}

void SyncFolderWindow::showMachines() {
    std::vector<syncing::MachineStatus> seen;
    try {
        seen = syncing::machines(db_);
    } catch (const data::DbError& e) {
        dialogs_.warning(e.message(), kTitle);
    }
    machines_->clear();
    const qint64 writtenHere = seen.empty() ? 0 : seen.front().written;
    for (const syncing::MachineStatus& m : seen)
        machines_->addTopLevelItem(machineRow(m, writtenHere));
}

void SyncFolderWindow::chooseFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, kTitle, QDir::fromNativeSeparators(folder_->text()));
    if (chosen.isEmpty())
        return;
    folder_->setText(QDir::toNativeSeparators(chosen));
    folder_->setModified(true);
}

bool SyncFolderWindow::folderAccepted(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isRelative()) {
        dialogs_.warning(
            QStringLiteral("\"%1\" is not a whole path: give the folder from its drive or root, "
                           "or use Choose...")
                .arg(QDir::toNativeSeparators(folder)),
            kTitle);
        return false;
    }
    if (!info.isDir()) {
        dialogs_.warning(
            (info.exists() ? QStringLiteral("\"%1\" is a file, not a folder: choose a folder.")
                           : QStringLiteral("The folder \"%1\" does not exist. Create it, or let "
                                            "the sync tool create it, and choose it again."))
                .arg(QDir::toNativeSeparators(folder)),
            kTitle);
        return false;
    }
    // A choice confirmed once is not questioned each time the window is closed with OK.
    if (info.absoluteFilePath() == remembered_)
        return true;
    const QString warning = syncing::folderWarning(folder, db_.databaseName());
    return warning.isEmpty() ||
           dialogs_.confirm(warning + QStringLiteral("\n\nUse this folder anyway?"), kTitle,
                            present::Dialogs::Button::No);
}

void SyncFolderWindow::storeChoice() {
    const QString typed = QDir::fromNativeSeparators(folder_->text().trimmed());
    const QString name = name_->text().trimmed();
    const QString folder = typed.isEmpty() ? remembered_ : typed;
    if (folder.isEmpty()) {
        accept(); // nothing to sync through: the name waits for a folder
        return;
    }
    if (!typed.isEmpty() && !folderAccepted(folder))
        return;
    try {
        syncing::rememberFolder(db_, folder, name);
    } catch (const data::DbError& e) {
        dialogs_.warning(QStringLiteral("The sync folder could not be stored: %1").arg(e.message()),
                         kTitle);
        return;
    }
    if (!typed.isEmpty())
        emit folderChanged(QFileInfo(folder).absoluteFilePath());
    accept();
}

void SyncFolderWindow::stopSyncing() {
    if (!dialogs_.confirm(QStringLiteral("Stop syncing with this folder? Nothing is deleted there "
                                         "or here; changes made meanwhile are sent when you "
                                         "choose the folder again."),
                          kTitle, present::Dialogs::Button::No))
        return;
    try {
        syncing::stopSync(db_);
    } catch (const data::DbError& e) {
        dialogs_.warning(QStringLiteral("Syncing could not be stopped: %1").arg(e.message()),
                         kTitle);
        return;
    }
    remembered_.clear();
    folder_->clear();
    folder_->setModified(false);
    stop_->setEnabled(false);
    showMachines();
    emit folderChanged(QString());
}

} // namespace window
