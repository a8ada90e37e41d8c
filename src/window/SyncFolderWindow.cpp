// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/SyncFolderWindow.h"

#include "data/Sql.h"
#include "sync/FolderChoice.h"
#include "sync/Sync.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
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

QString title() {
    return QCoreApplication::translate("SyncFolderWindow", "Sync folder");
}

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
    row->setText(
        0, m.self ? QCoreApplication::translate("SyncFolderWindow", "%1 (this machine)").arg(m.name)
                  : m.name);
    row->setText(1, localTime(m.lastChange));
    row->setText(2, m.self ? QStringLiteral("-")
                           : QCoreApplication::translate("SyncFolderWindow", "%1 of %2")
                                 .arg(m.readOfThis)
                                 .arg(writtenHere));
    return row;
}

} // namespace

SyncFolderWindow::SyncFolderWindow(const QSqlDatabase& db, present::Dialogs& dialogs,
                                   QWidget* parent)
    : QDialog(parent), db_(db), dialogs_(dialogs) {
    setObjectName(QStringLiteral("SyncFolderWindow"));

    about_ = new QLabel(this);
    about_->setTextFormat(Qt::PlainText);
    about_->setWordWrap(true);

    folder_ = new QLineEdit(this);
    folder_->setObjectName(QStringLiteral("txtSyncFolder"));
    choose_ = new QPushButton(this);
    choose_->setObjectName(QStringLiteral("cmdChooseFolder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(choose_);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("txtMachineName"));
    folderLabel_ = new QLabel(this);
    nameLabel_ = new QLabel(this);
    nameLabel_->setBuddy(name_);
    auto* form = new QFormLayout;
    form->addRow(folderLabel_, folderRow);
    form->addRow(nameLabel_, name_);

    machines_ = new QTreeWidget(this);
    machines_->setObjectName(QStringLiteral("lstMachines"));
    machines_->setColumnCount(3);
    machines_->setRootIsDecorated(false);
    machines_->setSelectionMode(QAbstractItemView::NoSelection);
    machines_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    machines_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    machines_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    machines_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    machines_->header()->setStretchLastSection(false);

    stop_ = new QPushButton(this);
    stop_->setObjectName(QStringLiteral("cmdStopSyncing"));
    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(stop_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    machinesLabel_ = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about_);
    layout->addLayout(form);
    layout->addWidget(machinesLabel_);
    layout->addWidget(machines_, 1);
    layout->addLayout(buttons);
    resize(600, 400);
    retranslate();

    connect(choose_, &QPushButton::clicked, this, &SyncFolderWindow::chooseFolder);
    connect(stop_, &QPushButton::clicked, this, &SyncFolderWindow::stopSyncing);
    connect(ok_, &QPushButton::clicked, this, &SyncFolderWindow::storeChoice);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    reload();
}

void SyncFolderWindow::retranslate() {
    setWindowTitle(title());
    about_->setText(QCoreApplication::translate(
        "SyncFolderWindow", "Choose a folder that a sync tool keeps alike on all your machines: a "
                            "Syncthing folder, a cloud folder (Nextcloud, Dropbox, OneDrive) or a "
                            "network share. Memorant writes its changes into a folder "
                            "\"memorant-sync\" inside it, never the database itself. Every machine "
                            "chooses the same folder."));
    folder_->setAccessibleName(QCoreApplication::translate("SyncFolderWindow", "Sync folder"));
    choose_->setText(QCoreApplication::translate("SyncFolderWindow", "Choose..."));
    folderLabel_->setText(QCoreApplication::translate("SyncFolderWindow", "Folder:"));
    nameLabel_->setText(QCoreApplication::translate("SyncFolderWindow", "This machine's name:"));
    machines_->setAccessibleName(
        QCoreApplication::translate("SyncFolderWindow", "Machines syncing through this folder"));
    machines_->setHeaderLabels(
        {QCoreApplication::translate("SyncFolderWindow", "Machine"),
         QCoreApplication::translate("SyncFolderWindow", "Last change"),
         QCoreApplication::translate("SyncFolderWindow", "Has read this machine's changes")});
    machinesLabel_->setText(
        QCoreApplication::translate("SyncFolderWindow", "Machines syncing through this folder:"));
    stop_->setText(QCoreApplication::translate("SyncFolderWindow", "Stop syncing"));
    ok_->setText(QCoreApplication::translate("SyncFolderWindow", "OK"));
    cancel_->setText(QCoreApplication::translate("SyncFolderWindow", "Cancel"));
}

void SyncFolderWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showMachines(); // "(this machine)" and the times, in the new language's words
    }
}

void SyncFolderWindow::reload() {
    syncing::ReplicaRow replica;
    try {
        replica = syncing::readReplica(db_);
    } catch (const data::DbError& e) {
        dialogs_.warning(e.message(), title());
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
        dialogs_.warning(e.message(), title());
    }
    machines_->clear();
    const qint64 writtenHere = seen.empty() ? 0 : seen.front().written;
    for (const syncing::MachineStatus& m : seen)
        machines_->addTopLevelItem(machineRow(m, writtenHere));
}

void SyncFolderWindow::chooseFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, title(), QDir::fromNativeSeparators(folder_->text()));
    if (chosen.isEmpty())
        return;
    folder_->setText(QDir::toNativeSeparators(chosen));
    folder_->setModified(true);
}

bool SyncFolderWindow::folderAccepted(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isRelative()) {
        dialogs_.warning(
            QCoreApplication::translate(
                "SyncFolderWindow",
                "\"%1\" is not a whole path: give the folder from its drive or root, or use "
                "Choose...")
                .arg(QDir::toNativeSeparators(folder)),
            title());
        return false;
    }
    if (!info.isDir()) {
        dialogs_.warning(
            (info.exists()
                 ? QCoreApplication::translate("SyncFolderWindow",
                                               "\"%1\" is a file, not a folder: choose a folder.")
                 : QCoreApplication::translate(
                       "SyncFolderWindow",
                       "The folder \"%1\" does not exist. Create it, or let the sync "
                       "tool create it, and choose it again."))
                .arg(QDir::toNativeSeparators(folder)),
            title());
        return false;
    }
    // A choice confirmed once is not questioned each time the window is closed with OK.
    if (info.absoluteFilePath() == remembered_)
        return true;
    const QString warning = syncing::folderWarning(folder, db_.databaseName());
    return warning.isEmpty() ||
           dialogs_.confirm(
               QCoreApplication::translate("SyncFolderWindow", "%1\n\nUse this folder anyway?")
                   .arg(warning),
               title(), present::Dialogs::Button::No);
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
        dialogs_.warning(QCoreApplication::translate("SyncFolderWindow",
                                                     "The sync folder could not be stored: %1")
                             .arg(e.message()),
                         title());
        return;
    }
    if (!typed.isEmpty())
        emit folderChanged(QFileInfo(folder).absoluteFilePath());
    accept();
}

void SyncFolderWindow::stopSyncing() {
    if (!dialogs_.confirm(QCoreApplication::translate(
                              "SyncFolderWindow",
                              "Stop syncing with this folder? Nothing is deleted there or here; "
                              "changes made meanwhile are sent when you choose the folder again."),
                          title(), present::Dialogs::Button::No))
        return;
    try {
        syncing::stopSync(db_);
    } catch (const data::DbError& e) {
        dialogs_.warning(
            QCoreApplication::translate("SyncFolderWindow", "Syncing could not be stopped: %1")
                .arg(e.message()),
            title());
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
