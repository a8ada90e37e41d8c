// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LostEditsWindow.h"

#include "data/Sql.h"
#include "sync/LostEdits.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace window {
namespace {

QString title() {
    return QCoreApplication::translate("LostEditsWindow", "Edits that lost");
}

enum Column { About, Field, Lost, Kept, LostOn, KeptFrom, Columns };

// The stored field names are English words: shown in the learner's language.
QString fieldName(const QString& field) {
    if (field == QLatin1String("SetName"))
        return QCoreApplication::translate("LostEditsWindow", "Set name");
    if (field == QLatin1String("Question"))
        return QCoreApplication::translate("LostEditsWindow", "Question");
    if (field == QLatin1String("Answer"))
        return QCoreApplication::translate("LostEditsWindow", "Answer");
    if (field == QLatin1String("Answers"))
        return QCoreApplication::translate("LostEditsWindow", "Answers");
    return field;
}

// The answers of an Answers field, which holds them as a JSON array of texts; anything else
// is shown as it is.
QStringList answersOf(const QString& json) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return {json};
    QStringList answers;
    const QJsonArray array = doc.array();
    for (const auto& v : array) {
        if (!v.isString())
            return {json};
        answers << v.toString();
    }
    return answers;
}

// A tooltip that shows the text as it is, its lines kept and long ones wrapped; marks in it
// are not taken for rich text.
QString wholeText(const QString& text) {
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(text.toHtmlEscaped());
}

// A text cell: the text on one line, the whole of it in the tooltip.
QTableWidgetItem* textCell(const QString& field, const QString& text) {
    const bool list = field == QLatin1String("Answers");
    const QStringList answers = list ? answersOf(text) : QStringList{text};
    auto* item = new QTableWidgetItem(answers.join(QStringLiteral("; ")));
    item->setToolTip(wholeText(answers.join(QLatin1Char('\n'))));
    return item;
}

QTableWidgetItem* whereCell(const QString& machine, const QDateTime& at) {
    const QString text =
        at.isValid() ? QStringLiteral("%1, %2").arg(
                           machine, QLocale().toString(at.toLocalTime(), QLocale::ShortFormat))
                     : machine;
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(wholeText(text));
    return item;
}

void fillRow(QTableWidget* list, int row, const syncing::LostEdit& e) {
    const QString about =
        e.about.isEmpty() ? QCoreApplication::translate("LostEditsWindow", "(deleted)") : e.about;
    auto* aboutCell = new QTableWidgetItem(about);
    aboutCell->setToolTip(wholeText(about));
    list->setItem(row, About, aboutCell);
    list->setItem(row, Field, new QTableWidgetItem(fieldName(e.field)));
    list->setItem(row, Lost, textCell(e.field, e.lost));
    list->setItem(row, Kept, textCell(e.field, e.won));
    list->setItem(row, LostOn, whereCell(e.lostOn, e.lostAt));
    list->setItem(row, KeptFrom, whereCell(e.wonOn, e.wonAt));
}

} // namespace

LostEditsWindow::LostEditsWindow(const QSqlDatabase& db, present::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), db_(db), dialogs_(dialogs) {
    setObjectName(QStringLiteral("LostEditsWindow"));

    about_ = new QLabel(this);
    about_->setTextFormat(Qt::PlainText);
    about_->setWordWrap(true);

    list_ = new QTableWidget(0, Columns, this);
    list_->setObjectName(QStringLiteral("lstLostEdits"));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    QHeaderView* header = list_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(Field, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(LostOn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(KeptFrom, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(Lost, QHeaderView::Stretch);
    header->setSectionResizeMode(Kept, QHeaderView::Stretch);
    header->setStretchLastSection(false);

    none_ = new QLabel(this);
    none_->setObjectName(QStringLiteral("lblNoLostEdits"));
    none_->setTextFormat(Qt::PlainText);
    none_->setAlignment(Qt::AlignCenter);

    use_ = new QPushButton(this);
    use_->setObjectName(QStringLiteral("cmdUseThisOne"));
    forget_ = new QPushButton(this);
    forget_->setObjectName(QStringLiteral("cmdForget"));
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("cmdClose"));
    // Enter closes: a slip of the key neither overwrites a text nor forgets an entry.
    use_->setAutoDefault(false);
    forget_->setAutoDefault(false);
    close_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(use_);
    buttons->addWidget(forget_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about_);
    layout->addWidget(list_, 1);
    layout->addWidget(none_, 1);
    layout->addLayout(buttons);
    resize(820, 360);
    retranslate();

    connect(use_, &QPushButton::clicked, this, &LostEditsWindow::useChosen);
    connect(forget_, &QPushButton::clicked, this, &LostEditsWindow::forgetChosen);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QTableWidget::itemSelectionChanged, this, &LostEditsWindow::selectionChanged);
    reload();
}

void LostEditsWindow::retranslate() {
    setWindowTitle(title());
    about_->setText(QCoreApplication::translate(
        "LostEditsWindow",
        "When two machines changed the same text before they synced, the later "
        "change was kept and the other is listed here. \"Use this one\" brings it "
        "back as a new change, which the other machines then receive."));
    list_->setHorizontalHeaderLabels({QCoreApplication::translate("LostEditsWindow", "Card or set"),
                                      QCoreApplication::translate("LostEditsWindow", "Field"),
                                      QCoreApplication::translate("LostEditsWindow", "Lost text"),
                                      QCoreApplication::translate("LostEditsWindow", "Kept text"),
                                      QCoreApplication::translate("LostEditsWindow", "Lost on"),
                                      QCoreApplication::translate("LostEditsWindow", "Kept from")});
    none_->setText(
        QCoreApplication::translate("LostEditsWindow", "No edit has lost to another machine's."));
    use_->setText(QCoreApplication::translate("LostEditsWindow", "Use this one"));
    forget_->setText(QCoreApplication::translate("LostEditsWindow", "Forget"));
    close_->setText(QCoreApplication::translate("LostEditsWindow", "Close"));
}

void LostEditsWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        reload(); // the field names and "(deleted)" in the rows
    }
}

void LostEditsWindow::reload() {
    std::vector<syncing::LostEdit> entries;
    try {
        entries = syncing::lostEdits(db_);
    } catch (const data::DbError& e) {
        dialogs_.warning(e.message(), title());
    }
    list_->clearSelection();
    list_->setRowCount(0);
    list_->setRowCount(int(entries.size()));
    ids_.clear();
    for (const syncing::LostEdit& e : entries) {
        fillRow(list_, int(ids_.size()), e);
        ids_.push_back(e.id);
    }
    list_->setVisible(!entries.empty());
    none_->setVisible(entries.empty());
    selectionChanged();
}

qint64 LostEditsWindow::chosenId() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return 0;
    const auto row = size_t(rows.first().row());
    return row < ids_.size() ? ids_[row] : 0;
}

void LostEditsWindow::selectionChanged() {
    const bool chosen = chosenId() != 0;
    use_->setEnabled(chosen);
    forget_->setEnabled(chosen);
}

void LostEditsWindow::useChosen() {
    const qint64 id = chosenId();
    if (id == 0)
        return;
    QString refused;
    try {
        refused = syncing::useLostEdit(db_, id);
    } catch (const data::DbError& e) {
        dialogs_.warning(e.message(), title());
        return;
    }
    if (!refused.isEmpty()) {
        dialogs_.warning(refused, title());
        return;
    }
    // The text brought back may be what other entries are about: all are read again.
    reload();
    emit textBroughtBack();
}

void LostEditsWindow::forgetChosen() {
    const qint64 id = chosenId();
    if (id == 0)
        return;
    try {
        syncing::forgetLostEdit(db_, id);
    } catch (const data::DbError& e) {
        dialogs_.warning(e.message(), title());
        return;
    }
    reload();
}

} // namespace window
