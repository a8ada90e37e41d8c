#include "app/WordListDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace app {
namespace {

struct SeparatorChoice {
    char c;
    const char* caption;
};
constexpr SeparatorChoice kSeparators[] = {
    {'\t', "Tab"}, {';', "Semicolon ;"}, {',', "Comma ,"}, {'|', "Bar |"}, {':', "Colon :"}};

template <typename W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

WordListDialog::WordListDialog(const exchange::ListFile& file, const QStringList& existingNames,
                               QWidget* parent)
    : QDialog(parent), file_(file), existingNames_(existingNames) {
    setObjectName(QStringLiteral("WordListDialog"));
    setWindowTitle(QStringLiteral("Import word list"));

    separator_ = named(new QComboBox(this), "separatorBox");
    for (const SeparatorChoice& s : kSeparators)
        separator_->addItem(QString::fromLatin1(s.caption), QVariant(int(s.c)));
    separator_->setCurrentIndex(std::max(0, separator_->findData(int(file.separator))));
    header_ =
        named(new QCheckBox(QStringLiteral("The first line names the columns"), this), "headerBox");
    header_->setChecked(file.header);
    question_ = named(new QComboBox(this), "questionBox");
    answer_ = named(new QComboBox(this), "answerBox");
    multi_ = named(new QCheckBox(QStringLiteral("Several answer fields make a multiple-answer "
                                                "card (the answer column and those after it)"),
                                 this),
                   "multiBox");
    name_ = named(new QLineEdit(exchange::setNameForFile(file.path), this), "nameEdit");
    nameNote_ = named(new QLabel(this), "nameNote");
    summary_ = named(new QLabel(this), "summary");
    summary_->setWordWrap(true);
    table_ = named(new QTableWidget(this), "previewTable");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Separator:"), separator_);
    form->addRow(QString(), header_);
    form->addRow(QStringLiteral("Question column:"), question_);
    form->addRow(QStringLiteral("Answer column:"), answer_);
    form->addRow(QString(), multi_);
    form->addRow(QStringLiteral("New set:"), name_);
    form->addRow(QString(), nameNote_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Import"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(640, 480);

    fillColumns();
    refresh();
    const auto redo = [this] { refresh(); };
    connect(separator_, &QComboBox::currentIndexChanged, this, [this] {
        fillColumns();
        refresh();
    });
    connect(header_, &QCheckBox::toggled, this, [this] {
        fillColumns();
        refresh();
    });
    connect(question_, &QComboBox::currentIndexChanged, this, redo);
    connect(answer_, &QComboBox::currentIndexChanged, this, redo);
    connect(multi_, &QCheckBox::toggled, this, redo);
    connect(name_, &QLineEdit::textChanged, this, [this] { updateNameNote(); });
    updateNameNote();
}

exchange::ListOptions WordListDialog::options() const {
    exchange::ListOptions o;
    o.separator = static_cast<char>(separator_->currentData().toInt());
    o.header = header_->isChecked();
    o.columns.question = std::max(0, question_->currentIndex());
    o.columns.answer = std::max(0, answer_->currentIndex());
    o.columns.multi = multi_->isChecked();
    o.setName = name_->text();
    return o;
}

void WordListDialog::fillColumns() {
    const exchange::ListOptions o = options();
    // The column count and the header's names come from the rows as now read.
    const exchange::ListPreview p =
        exchange::previewList(file_, *o.separator, *o.header, o.columns, kPreviewRows);
    const int columns = std::max(2, p.columnCount);
    const int q = question_->count() ? question_->currentIndex() : 0;
    const int a = answer_->count() ? answer_->currentIndex() : 1;
    for (QComboBox* box : {question_, answer_}) {
        const QSignalBlocker quiet(box);
        box->clear();
        for (int i = 0; i < columns; ++i) {
            const QString title = i < p.header.size() ? p.header[i] : QString();
            box->addItem(title.isEmpty() ? QStringLiteral("Column %1").arg(i + 1)
                                         : QStringLiteral("Column %1: %2").arg(i + 1).arg(title));
        }
    }
    const QSignalBlocker quietQ(question_);
    const QSignalBlocker quietA(answer_);
    question_->setCurrentIndex(std::min(q, columns - 1));
    answer_->setCurrentIndex(std::min(a, columns - 1));
}

void WordListDialog::refresh() {
    const exchange::ListOptions o = options();
    preview_ = exchange::previewList(file_, *o.separator, *o.header, o.columns, kPreviewRows);
    fillTable();
    int usable = 0;
    for (const exchange::PreviewRow& r : preview_.rows)
        usable += r.card.usable() ? 1 : 0;
    QString text = QStringLiteral("%1, read as %2. The first %3 rows make %4 cards.")
                       .arg(QFileInfo(file_.path).fileName(), file_.decoded.encoding)
                       .arg(preview_.rows.size())
                       .arg(usable);
    if (o.columns.question == o.columns.answer)
        text += QStringLiteral(" Choose two different columns for the question and the answer.");
    if (!preview_.problem.isEmpty())
        text += QLatin1Char(' ') + preview_.problem + QLatin1Char('.');
    summary_->setText(text);
    if (QPushButton* ok = findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok))
        ok->setEnabled(o.columns.question != o.columns.answer);
}

void WordListDialog::fillTable() {
    table_->clear();
    table_->setColumnCount(4);
    table_->setHorizontalHeaderLabels({QStringLiteral("Line"), QStringLiteral("Question"),
                                       QStringLiteral("Answer"), QStringLiteral("Note")});
    table_->setRowCount(static_cast<int>(preview_.rows.size()));
    for (int r = 0; r < preview_.rows.size(); ++r) {
        const exchange::PreviewRow& row = preview_.rows[r];
        const exchange::ListCard& card = row.card;
        QStringList cells{
            QString::number(row.line), card.question, card.answers.join(QStringLiteral(" | ")),
            card.usable() ? (card.multiAnswer() ? QStringLiteral("several answers") : QString())
                          : QStringLiteral("skipped: ") + card.skipReason};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (!card.usable())
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            table_->setItem(r, c, item);
        }
    }
    QHeaderView* h = table_->horizontalHeader();
    h->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    h->setSectionResizeMode(1, QHeaderView::Stretch);
    h->setSectionResizeMode(2, QHeaderView::Stretch);
    h->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    table_->resizeRowsToContents();
}

void WordListDialog::updateNameNote() {
    const QString wanted =
        name_->text().trimmed().isEmpty() ? exchange::setNameForFile(file_.path) : name_->text();
    const QString actual = exchange::uniqueSetName(existingNames_, wanted);
    nameNote_->setText(
        actual == wanted
            ? QString()
            : QStringLiteral("That name is taken; the set will be called \"%1\".").arg(actual));
}

} // namespace app
