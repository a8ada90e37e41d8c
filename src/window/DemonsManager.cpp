// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DemonsManager.h"

#include "data/Database.h"
#include "data/RecordsetModel.h"
#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "learn/rules/DemonMarks.h"
#include "present/Guarded.h"
#include "present/WindowKeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

namespace window {
namespace {

const QString kInclude = QStringLiteral("IncludeInDeamons");
const QString kSetId = QStringLiteral("Set_ID");

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DemonsManager)
};

} // namespace

DemonSetsModel::DemonSetsModel(data::RecordsetModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
    setSourceModel(source);
}

bool DemonSetsModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return !source_->isNewRow(sourceRow);
}

bool DemonSetsModel::isIncludeColumn(const QModelIndex& index) const {
    // The grid shows the columns of qSet1 as they are, in their order.
    return index.isValid() && index.column() == source_->columnOf(kInclude);
}

qint64 DemonSetsModel::setIdAt(const QModelIndex& index) const {
    return source_->valueAt(mapToSource(index).row(), kSetId).toLongLong();
}

QVariant DemonSetsModel::data(const QModelIndex& index, int role) const {
    if (!isIncludeColumn(index))
        return QSortFilterProxyModel::data(index, role);
    if (role == Qt::CheckStateRole) {
        const auto tick = ticks_.constFind(setIdAt(index));
        const bool included =
            tick != ticks_.constEnd()
                ? *tick
                : QSortFilterProxyModel::data(index, Qt::EditRole).toDouble() != 0;
        return static_cast<int>(included ? Qt::Checked : Qt::Unchecked);
    }
    return {}; // the check box says it all
}

bool DemonSetsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!isIncludeColumn(index) || role != Qt::CheckStateRole)
        return false;
    ticks_.insert(setIdAt(index), value.toInt() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

void DemonSetsModel::storeTicks(const QSqlDatabase& db) {
    data::Transaction t(db);
    for (auto it = ticks_.constBegin(); it != ticks_.constEnd(); ++it)
        data::exec(db, QStringLiteral("UPDATE Set1 SET IncludeInDeamons = ? WHERE Set_ID = ?"),
                   {it.value() ? 1 : 0, it.key()});
    t.commit();
    ticks_.clear();
}

void DemonSetsModel::dropTicks() {
    ticks_.clear();
}

Qt::ItemFlags DemonSetsModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return isIncludeColumn(index) ? base | Qt::ItemIsUserCheckable : base;
}

QVariant DemonSetsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole &&
        section == source_->columnOf(kInclude))
        return QString();
    return QSortFilterProxyModel::headerData(section, orientation, role);
}

Form3::Form3(present::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Form3"));
    present::closeOnEscape(this);
    setAttribute(Qt::WA_DeleteOnClose);

    const auto named = [](auto* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    Label1 = named(new QLabel(this), "Label1");
    Label1->setWordWrap(true);
    Adodc1 = named(new data::RecordsetModel(this), "Adodc1");
    Adodc1->setCellLocked([](int, const QString& column) { return column != kInclude; });
    sets = new DemonSetsModel(Adodc1, this);
    TDBGrid1 = named(new QTableView(this), "TDBGrid1");
    TDBGrid1->setModel(sets);
    TDBGrid1->horizontalHeader()->setStretchLastSection(false);
    TDBGrid1->verticalHeader()->hide();
    Command2 = named(new QPushButton(this), "Command2");
    Command1 = named(new QPushButton(this), "Command1");
    Command3 = named(new QPushButton(this), "Command3");
    Label2 = named(new QLabel(this), "Label2");
    Label2->setWordWrap(true);
    Text1 = named(new QLineEdit(this), "Text1");
    Command4 = named(new QPushButton(this), "Command4");
    Command3->setEnabled(false);
    Command4->setEnabled(false);
    demonsNow = named(new QLabel(this), "lblDemonsNow");
    demonsList = named(new QListWidget(this), "lstDemons");
    demonsNow->setBuddy(demonsList);
    demonsNow->hide();
    demonsList->hide();
    retranslate();

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 3);
    layout->addWidget(TDBGrid1, 1, 0, 1, 3);
    layout->addWidget(Command2, 2, 0);
    layout->addWidget(Command1, 2, 1);
    layout->addWidget(Command3, 2, 2);
    layout->addWidget(Label2, 3, 0, 1, 3);
    layout->addWidget(Text1, 4, 0, 1, 2);
    layout->addWidget(Command4, 4, 2);
    layout->addWidget(demonsNow, 5, 0, 1, 3);
    layout->addWidget(demonsList, 6, 0, 1, 3);
    resize(380, 400);

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    // Only what the learner types is a change; showing the stored number is not.
    connect(Text1, &QLineEdit::textEdited, this, &Form3::Text1_Change);
    connect(Text1, &QLineEdit::returnPressed, this, [this] {
        if (Command4->isEnabled())
            Command4_Click();
    });
    connect(sets, &QAbstractItemModel::dataChanged, this, &Form3::TDBGrid1_Change);
    connect(Adodc1, &data::RecordsetModel::writeFailed, this, [this](const QString& message) {
        dialogs_.warning(Text::tr("The set could not be changed: %1").arg(message));
    });
}

void Form3::retranslate() {
    setWindowTitle(Text::tr("Demons Manager"));
    Label1->setText(Text::tr("Select the sets you  want to be included in your Deamons set"));
    Command2->setText(Text::tr("Select all"));
    Command1->setText(Text::tr("Clear all"));
    Command3->setText(Text::tr("Apply"));
    Label2->setText(Text::tr("Enter the number of cards you want to be in your Deamons sets"));
    Command4->setText(Text::tr("Apply"));
    // Two buttons say "Apply": a screen reader says what each applies.
    TDBGrid1->setAccessibleName(Text::tr("Sets in the Demons"));
    Command3->setAccessibleName(Text::tr("Apply the chosen sets"));
    Text1->setAccessibleName(Text::tr("Number of cards in the Demons sets"));
    Command4->setAccessibleName(Text::tr("Apply the number of cards"));
    demonsNow->setText(Text::tr("The Demons now:"));
    captionColumns();
}

void Form3::captionColumns() {
    // Before the sets are read there is no heading to name.
    if (Adodc1->columnCount() > 0)
        Adodc1->setCaption(QStringLiteral("SetName"), Text::tr("SetName"));
}

void Form3::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        retranslate();
        if (db_.isValid())
            showDemons(); // each Demon asked back says so in words
    }
    QWidget::changeEvent(e);
}

void Form3::LoadAll3() {
    db_ = data::openConnection(QStringLiteral("Form3"));
    Adodc1->setConnection(db_);
    Adodc1->setSource(QStringLiteral("qSet1"));
    fields1_ = data::Recordset(db_, QStringLiteral("Fields1"));
}

void Form3::readAgain() {
    Adodc1->refresh();
    showDemons();
}

void Form3::showDemons() {
    std::vector<learn::MarkedDemon> demons;
    bool otherWays = false;
    try {
        otherWays = data::scalar(db_, QStringLiteral("SELECT EXISTS (SELECT 1 FROM Set1 WHERE "
                                                     "Direction <> 0)"))
                        .toBool();
        if (otherWays)
            demons = learn::markedDemons(db_);
    } catch (const data::DbError&) {
        otherWays = false; // the list is extra: the window works without it
    }
    demonsNow->setVisible(otherWays);
    demonsList->setVisible(otherWays);
    demonsList->clear();
    for (const learn::MarkedDemon& d : demons)
        demonsList->addItem(d.reverse ? Text::tr("%1 (answer to question)").arg(d.question)
                                      : d.question);
}

void Form3::UnloadAll3() {
    fields1_ = data::Recordset();
}

void Form3::Form_Load() {
    LoadAll3();
    captionColumns();
    // Reading now lets a database that cannot be read stop the window from opening.
    Adodc1->recordset().recordCount();
    const int id = Adodc1->columnOf(QStringLiteral("Set_ID"));
    if (id >= 0)
        TDBGrid1->setColumnHidden(id, true);
    TDBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const int name = Adodc1->columnOf(QStringLiteral("SetName"));
    if (name >= 0)
        TDBGrid1->horizontalHeader()->setSectionResizeMode(name, QHeaderView::Stretch);
    showDemonsNum();
    showDemons();
}

void Form3::showDemonsNum() {
    QVariant stored;
    if (!fields1_.isEmpty()) {
        fields1_.moveFirst();
        stored = fields1_.value(data::column::DemonsNum);
    }
    Text1->setText(learn::demonsNumText(stored));
    Command4->setEnabled(false);
}

void Form3::setAllIncluded(bool included) {
    // Every set is ticked or cleared now; ticks made before are overruled.
    sets->dropTicks();
    Command3->setEnabled(false);
    try {
        UnloadAll3();
        LoadAll3();
        data::exec(db_, QStringLiteral("UPDATE Set1 SET IncludeInDeamons = ?"), {included ? 1 : 0});
    } catch (const data::DbError& e) {
        dialogs_.warning(Text::tr("The sets could not be changed: %1").arg(e.message()));
    }
    Adodc1->refresh();
}

void Form3::Command1_Click() {
    setAllIncluded(false);
}

void Form3::Command2_Click() {
    setAllIncluded(true);
}

void Form3::TDBGrid1_Change() {
    Command3->setEnabled(true);
}

void Form3::Command3_Click() {
    try {
        sets->storeTicks(db_);
    } catch (const data::DbError& e) {
        dialogs_.warning(Text::tr("The sets could not be changed: %1").arg(e.message()));
        return; // the ticks stay on show, to be applied again
    }
    Command3->setEnabled(false);
    Adodc1->refresh();
    close();
}

void Form3::Text1_Change() {
    Command4->setEnabled(true);
}

void Form3::Command4_Click() {
    const std::optional<int> n = learn::parseDemonsNum(Text1->text());
    if (!n) {
        dialogs_.warning(learn::demonsNumRangeMessage());
        Text1->setFocus();
        return;
    }
    try {
        if (fields1_.isEmpty())
            fields1_.addNew();
        else
            fields1_.moveFirst();
        fields1_.setValue(data::column::DemonsNum, *n);
        fields1_.update();
    } catch (const data::DbError& e) {
        fields1_.cancelUpdate();
        dialogs_.warning(Text::tr("The number could not be saved: %1").arg(e.message()));
        return;
    }
    Command4->setEnabled(false);
    Text1->setText(QString::number(*n));
}

DemonsManagerMenu::DemonsManagerMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), window_(window) {
    connect(s_.c.mnuArrangeDemons, &QAction::triggered, this,
            [this] { present::guarded(s_, [this] { mnuArrangeDemons_Click(); }); });
    connect(s_.c.Command11, &QPushButton::clicked, this,
            [this] { present::guarded(s_, [this] { Command11_Click(); }); });
}

void DemonsManagerMenu::mnuArrangeDemons_Click() {
    if (manager_ == nullptr) {
        auto* form = new Form3(s_.dialogs, window_);
        try {
            form->Form_Load();
        } catch (const data::DbError& e) {
            delete form;
            s_.dialogs.warning(
                Text::tr("The Demons Manager cannot be opened: %1").arg(e.message()));
            return;
        }
        manager_ = form;
    }
    // Not modal: the main window stays usable beside it. The Demons may have been marked
    // afresh since it was opened.
    manager_->showDemons();
    manager_->show();
    manager_->raise();
    manager_->activateWindow();
}

} // namespace window
