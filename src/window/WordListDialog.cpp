// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WordListDialog.h"

#include "sets/rules/SetRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace window {
namespace {

struct SeparatorChoice {
    char c;
    const char* caption;
};
constexpr SeparatorChoice kSeparators[] = {
    {'\t', QT_TRANSLATE_NOOP("WordListDialog", "Tab")},
    {';', QT_TRANSLATE_NOOP("WordListDialog", "Semicolon ;")},
    {',', QT_TRANSLATE_NOOP("WordListDialog", "Comma ,")},
    {'|', QT_TRANSLATE_NOOP("WordListDialog", "Bar |")},
    {':', QT_TRANSLATE_NOOP("WordListDialog", "Colon :")}};

template <typename W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

WordListDialog::WordListDialog(const wordlist::ListFile& file, const QStringList& existingNames,
                               QWidget* parent)
    : QDialog(parent), file_(file), existingNames_(existingNames) {
    setObjectName(QStringLiteral("WordListDialog"));
    setWindowTitle(QCoreApplication::translate("WordListDialog", "Import word list"));

    encoding_ = named(new QComboBox(this), "encodingBox");
    encoding_->addItem(
        file.encoding.badLine
            ? QCoreApplication::translate("WordListDialog", "As detected: none (a stray byte)")
            : QCoreApplication::translate("WordListDialog", "As detected: %1")
                  .arg(file.encoding.name),
        QVariant(int(data::TextEncoding::Detect)));
    encoding_->addItem(QStringLiteral("UTF-8"), QVariant(int(data::TextEncoding::Utf8)));
    encoding_->addItem(QStringLiteral("UTF-16"), QVariant(int(data::TextEncoding::Utf16)));
    encoding_->addItem(QStringLiteral("Windows-1252"),
                       QVariant(int(data::TextEncoding::Windows1252)));
    encoding_->setCurrentIndex(std::max(0, encoding_->findData(int(file.requested))));

    separator_ = named(new QComboBox(this), "separatorBox");
    for (const SeparatorChoice& s : kSeparators)
        separator_->addItem(QCoreApplication::translate("WordListDialog", s.caption),
                            QVariant(int(s.c)));
    separator_->setCurrentIndex(std::max(0, separator_->findData(int(file.separator))));
    header_ = named(new QCheckBox(QCoreApplication::translate("WordListDialog",
                                                              "The first line names the columns"),
                                  this),
                    "headerBox");
    header_->setChecked(file.header);
    question_ = named(new QComboBox(this), "questionBox");
    answer_ = named(new QComboBox(this), "answerBox");
    multi_ = named(new QCheckBox(QCoreApplication::translate(
                                     "WordListDialog",
                                     "Several answer fields make a multiple-answer card (the "
                                     "answer column and those after it)"),
                                 this),
                   "multiBox");
    name_ = named(new QLineEdit(sets::setNameForFile(file.path), this), "nameEdit");
    nameNote_ = named(new QLabel(this), "nameNote");
    summary_ = named(new QLabel(this), "summary");
    summary_->setWordWrap(true);
    table_ = named(new QTableWidget(this), "previewTable");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("WordListDialog", "Encoding:"), encoding_);
    form->addRow(QCoreApplication::translate("WordListDialog", "Separator:"), separator_);
    form->addRow(QString(), header_);
    form->addRow(QCoreApplication::translate("WordListDialog", "Question column:"), question_);
    form->addRow(QCoreApplication::translate("WordListDialog", "Answer column:"), answer_);
    form->addRow(QString(), multi_);
    form->addRow(QCoreApplication::translate("WordListDialog", "New set:"), name_);
    form->addRow(QString(), nameNote_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("WordListDialog", "Import"));
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
    connect(encoding_, &QComboBox::currentIndexChanged, this, [this] { rereadInChosenEncoding(); });
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

wordlist::ListOptions WordListDialog::options() const {
    wordlist::ListOptions o;
    o.encoding = static_cast<data::TextEncoding>(encoding_->currentData().toInt());
    o.separator = static_cast<char>(separator_->currentData().toInt());
    o.header = header_->isChecked();
    o.columns.question = std::max(0, question_->currentIndex());
    o.columns.answer = std::max(0, answer_->currentIndex());
    o.columns.multi = multi_->isChecked();
    o.setName = name_->text();
    return o;
}

void WordListDialog::fillColumns() {
    const wordlist::ListOptions o = options();
    // The column count and the header's names come from the rows as now read.
    wordlist::ListPreview p;
    try {
        p = wordlist::previewList(file_, *o.separator, *o.header, o.columns, kPreviewRows);
    } catch (const wordlist::WordListError&) {
        // refresh() says why
    }
    const int columns = std::max(2, p.columnCount);
    const int q = question_->count() ? question_->currentIndex() : 0;
    const int a = answer_->count() ? answer_->currentIndex() : 1;
    for (QComboBox* box : {question_, answer_}) {
        const QSignalBlocker quiet(box);
        box->clear();
        for (int i = 0; i < columns; ++i) {
            const QString title = i < p.header.size() ? p.header[i] : QString();
            box->addItem(title.isEmpty()
                             ? QCoreApplication::translate("WordListDialog", "Column %1").arg(i + 1)
                             : QCoreApplication::translate("WordListDialog", "Column %1: %2")
                                   .arg(i + 1)
                                   .arg(title));
        }
    }
    const QSignalBlocker quietQ(question_);
    const QSignalBlocker quietA(answer_);
    question_->setCurrentIndex(std::min(q, columns - 1));
    answer_->setCurrentIndex(std::min(a, columns - 1));
}

void WordListDialog::refresh() {
    const wordlist::ListOptions o = options();
    QString problem = rereadProblem_;
    preview_ = {};
    if (problem.isEmpty()) {
        try {
            preview_ =
                wordlist::previewList(file_, *o.separator, *o.header, o.columns, kPreviewRows);
        } catch (const wordlist::WordListError& e) {
            problem = e.message();
        }
    }
    fillTable();
    const bool undecided = file_.encoding.badLine > 0 || !problem.isEmpty();
    const QString fileName = QFileInfo(file_.path).fileName();
    QString text = undecided ? fileName + QLatin1Char(':')
                             : QCoreApplication::translate(
                                   "WordListDialog",
                                   "%1, read as %2. The whole file makes %n cards (%3 skipped).",
                                   nullptr, preview_.cards)
                                   .arg(fileName, file_.encoding.name,
                                        QCoreApplication::translate("WordListDialog", "%n rows",
                                                                    nullptr, preview_.skipped));
    if (!preview_.header.isEmpty() && !wordlist::isListHeader(preview_.header)) {
        QString which = wordlist::describeHeaderLine(preview_.headerLine, preview_.header);
        which[0] = which[0].toUpper();
        text += QCoreApplication::translate(
                    "WordListDialog",
                    " %1 is taken as the column names; untick \"The first line names the "
                    "columns\" to keep it as a card.")
                    .arg(which);
    }
    if (o.columns.question == o.columns.answer)
        text += QCoreApplication::translate(
            "WordListDialog", " Choose two different columns for the question and the answer.");
    if (!problem.isEmpty())
        text += QLatin1Char(' ') + problem;
    if (!preview_.problem.isEmpty())
        text += QLatin1Char(' ') + preview_.problem;
    summary_->setText(text);
    if (QPushButton* ok = findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok))
        ok->setEnabled(!undecided && o.columns.question != o.columns.answer);
}

void WordListDialog::rereadInChosenEncoding() {
    const auto chosen = static_cast<data::TextEncoding>(encoding_->currentData().toInt());
    try {
        file_ = wordlist::readListFile(file_.path, chosen);
        rereadProblem_.clear();
    } catch (const wordlist::WordListError& e) {
        rereadProblem_ = e.message();
    }
    // What was detected in the encoding read before no longer holds.
    {
        const QSignalBlocker quietS(separator_);
        const QSignalBlocker quietH(header_);
        separator_->setCurrentIndex(std::max(0, separator_->findData(int(file_.separator))));
        header_->setChecked(file_.header);
    }
    fillColumns();
    refresh();
}

void WordListDialog::fillTable() {
    table_->clear();
    table_->setColumnCount(4);
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("WordListDialog", "Line"),
                                       QCoreApplication::translate("WordListDialog", "Question"),
                                       QCoreApplication::translate("WordListDialog", "Answer"),
                                       QCoreApplication::translate("WordListDialog", "Note")});
    table_->setRowCount(static_cast<int>(preview_.rows.size()));
    for (int r = 0; r < preview_.rows.size(); ++r) {
        const wordlist::PreviewRow& row = preview_.rows[r];
        const wordlist::ListCard& card = row.card;
        QStringList cells{
            QString::number(row.line), card.question, card.answers.join(QStringLiteral(" | ")),
            card.usable() ? (card.multiAnswer()
                                 ? QCoreApplication::translate("WordListDialog", "several answers")
                                 : QString())
                          : QCoreApplication::translate("WordListDialog", "skipped: %1")
                                .arg(card.skipReason)};
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
        name_->text().trimmed().isEmpty() ? sets::setNameForFile(file_.path) : name_->text();
    const QString actual = sets::uniqueSetName(existingNames_, wanted);
    nameNote_->setText(actual == wanted ? QString()
                                        : QCoreApplication::translate(
                                              "WordListDialog",
                                              "That name is taken; the set will be called \"%1\".")
                                              .arg(actual));
}

} // namespace window
