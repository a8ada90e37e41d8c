// SPDX-License-Identifier: GPL-3.0-or-later
#include "multi/ComparisonWindow.h"

#include "data/Database.h"
#include "data/Recordset.h"
#include "data/RecordsetModel.h"
#include "data/SettingsColumns.h"
#include "learn/rules/Judging.h"
#include "learn/rules/ReplyDiff.h"
#include "multi/rules/MultiRules.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace multi {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ComparisonWindow)
};

// Pairs by position, in the order they were written.
const QString kPositionalSource =
    QStringLiteral("SELECT Answer AS \"Correct Answer\", Reply AS \"Your Reply\" "
                   "FROM ComparisonTable ORDER BY rowid");
// Matched pairs first, in the answers' order, then the rest.
const QString kUnorderedSource = QStringLiteral(
    "SELECT Answer AS \"Correct Answer\", Reply AS \"Your Reply\" FROM qComparisonTable");

// Shows a cell's rich text where one is given (a differing pair), its plain text otherwise.
class MarkedCellDelegate : public QStyledItemDelegate {
  public:
    MarkedCellDelegate(QObject* parent, const QHash<QPair<int, int>, QString>& html)
        : QStyledItemDelegate(parent), html_(html) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const auto it = html_.find({index.row(), index.column()});
        if (it == html_.end()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
        QTextDocument doc;
        doc.setDefaultFont(option.font);
        doc.setHtml(*it);
        painter->save();
        painter->translate(option.rect.topLeft());
        doc.drawContents(painter, QRectF(0, 0, option.rect.width(), option.rect.height()));
        painter->restore();
    }

  private:
    const QHash<QPair<int, int>, QString>& html_;
};

std::function<void(Form6&)>& testOpener() {
    static std::function<void(Form6&)> opener;
    return opener;
}

} // namespace

Form6::Form6(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(Text::tr("Wrong!"));
    Label1 = new QLabel(Text::tr("Please compare your answers with the correct ones"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Adodc1 = new data::RecordsetModel(this);
    Adodc1->setObjectName(QStringLiteral("Adodc1"));
    Adodc1->setReadOnly(true);
    // The headings are the columns' names in the source, which stay English.
    Adodc1->setCaption(QStringLiteral("Correct Answer"), Text::tr("Correct Answer"));
    Adodc1->setCaption(QStringLiteral("Your Reply"), Text::tr("Your Reply"));
    TDBGrid1 = new QTableView(this);
    TDBGrid1->setObjectName(QStringLiteral("TDBGrid1"));
    TDBGrid1->setModel(Adodc1);
    TDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TDBGrid1->setSelectionMode(QAbstractItemView::MultiSelection);
    TDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TDBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    TDBGrid1->setItemDelegate(new MarkedCellDelegate(TDBGrid1, markedHtml_));
    Command1 = new QPushButton(Text::tr("Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(TDBGrid1);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    resize(420, 300);
}

void Form6::Form_Load() {
    const QSqlDatabase db = data::openConnection(QStringLiteral("Form6"));
    data::Recordset fields1(db, QStringLiteral("Fields1"));
    QString multiSource;
    if (!fields1.isEmpty()) {
        fields1.moveFirst();
        multiSource = fields1.value(data::column::MultiSource).toString();
    }
    Adodc1->setConnection(db);
    Adodc1->setSource(multiSource == QStringLiteral("Q") ? kUnorderedSource : kPositionalSource);

    data::Recordset count(db, QStringLiteral("qCountCompTab"));
    const int n = count.isEmpty() ? 0 : count.value(data::column::Countt).toInt();
    const learn::JudgingOptions options = learn::loadJudgingOptions(db);
    TDBGrid1->clearSelection();
    markedHtml_.clear();
    QItemSelectionModel* selection = TDBGrid1->selectionModel();
    for (int i = 0; i < n && i < Adodc1->dataRowCount(); ++i) {
        const QVariant answer = Adodc1->data(Adodc1->index(i, 0));
        const QVariant reply = Adodc1->data(Adodc1->index(i, 1));
        if (!cellsDiffer(answer, reply, options))
            continue;
        selection->select(Adodc1->index(i, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        // Where both sides hold a text, the characters that differ are marked in each.
        if (!answer.toString().isEmpty() && !reply.toString().isEmpty()) {
            markedHtml_.insert({i, 0}, learn::markedSideHtml(reply.toString(), answer.toString(),
                                                             /*replySide=*/false));
            markedHtml_.insert({i, 1}, learn::markedSideHtml(reply.toString(), answer.toString(),
                                                             /*replySide=*/true));
        }
    }
}

QString Form6::markedCellHtml(int row, int column) const {
    return markedHtml_.value({row, column});
}

QList<int> Form6::markedRows() const {
    QList<int> rows;
    for (const QModelIndex& i : TDBGrid1->selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void Form6::openModal(QWidget* parent) {
    Form6 window(parent);
    window.Form_Load();
    if (testOpener())
        testOpener()(window);
    else
        window.exec();
}

void Form6::setOpenerForTests(std::function<void(Form6&)> opener) {
    testOpener() = std::move(opener);
}

} // namespace multi
