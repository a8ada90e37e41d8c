// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DeckDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace window {
namespace {

constexpr int kCardsShown = 20;

QTableWidget* table(QWidget* parent, const char* name, const QStringList& headers) {
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setRow(QTableWidget* t, int row, const QStringList& texts) {
    for (int col = 0; col < texts.size(); ++col)
        t->setItem(row, col, new QTableWidgetItem(texts[col]));
}

} // namespace

DeckDialog::DeckDialog(const decks::DeckContent& content, const QStringList& names, QWidget* parent)
    : QDialog(parent), content_(content) {
    setObjectName(QStringLiteral("DeckDialog"));
    setWindowTitle(QCoreApplication::translate("DeckDialog", "Import cards from another trainer"));
    auto* layout = new QVBoxLayout(this);
    const QString file = QFileInfo(content.path).fileName();
    const QString newSets =
        QCoreApplication::translate("DeckDialog", "%n new sets", nullptr, int(names.size()));
    const QString media = content.mediaKept();
    auto* summary = new QLabel(
        media.isEmpty()
            ? QCoreApplication::translate("DeckDialog", "%1 (%2) makes %n cards in %3:", nullptr,
                                          content.cardCount())
                  .arg(file, content.format, newSets)
            : QCoreApplication::translate("DeckDialog", "%1 (%2) makes %n cards (with %3) in %4:",
                                          nullptr, content.cardCount())
                  .arg(file, content.format, media, newSets),
        this);
    summary->setObjectName(QStringLiteral("summary"));
    layout->addWidget(summary);

    sets_ = table(this, "sets",
                  {QCoreApplication::translate("DeckDialog", "New set"),
                   QCoreApplication::translate("DeckDialog", "Cards")});
    sets_->setRowCount(static_cast<int>(names.size()));
    for (int i = 0; i < names.size(); ++i)
        setRow(sets_, i, {names[i], QString::number(content.sets[i].cards.size())});
    layout->addWidget(sets_);

    layout->addWidget(new QLabel(
        QCoreApplication::translate("DeckDialog", "The first cards of the chosen set:"), this));
    cards_ = table(this, "cards",
                   {QCoreApplication::translate("DeckDialog", "Question"),
                    QCoreApplication::translate("DeckDialog", "Answer")});
    layout->addWidget(cards_, 1);

    const QStringList leftOut = content.leftOut();
    auto* left = new QLabel(leftOut.isEmpty()
                                ? QCoreApplication::translate("DeckDialog", "Nothing is left out.")
                                : QCoreApplication::translate("DeckDialog", "Left out: %1.")
                                      .arg(leftOut.join(QStringLiteral("; "))),
                            this);
    left->setObjectName(QStringLiteral("leftOut"));
    left->setWordWrap(true);
    layout->addWidget(left);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("DeckDialog", "Import"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(sets_, &QTableWidget::currentCellChanged, this, [this](int row) { showCards(row); });
    sets_->setCurrentCell(0, 0);
    showCards(0);
    resize(640, 480);
}

void DeckDialog::showCards(int set) {
    cards_->setRowCount(0);
    if (set < 0 || set >= content_.sets.size())
        return;
    const QList<decks::DeckCard>& cards = content_.sets[set].cards;
    const int shown = std::min<int>(kCardsShown, static_cast<int>(cards.size()));
    cards_->setRowCount(shown);
    for (int i = 0; i < shown; ++i)
        setRow(cards_, i, {cards[i].question, cards[i].answers.join(QStringLiteral("; "))});
}

} // namespace window
