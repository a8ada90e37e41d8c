// SPDX-License-Identifier: GPL-3.0-or-later
#include "multi/MultiAuthoring.h"

#include "data/RecordsetModel.h"
#include "data/Sql.h"
#include "learn/rules/LessonRules.h"
#include "multi/rules/AnswerList.h"
#include "multi/rules/MultiRules.h"
#include "present/GridEditor.h"
#include "present/Guarded.h"
#include "present/LayoutScaler.h"
#include "present/Twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTableView>
#include <QTimer>
#include <algorithm>

namespace multi {
namespace {

const QString kCardId = QStringLiteral("Card_ID");
const QString kAnswer = QStringLiteral("Answer");
const QString kMAnswer = QStringLiteral("M_Answer");

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

bool inside(const QWidget* grid, const QWidget* w) {
    return w && (w == grid || grid->isAncestorOf(w));
}

// The Delete key on whole rows selected in the answers grid removes them; a change of language
// puts the option buttons' captions in the new one.
class AnswersGridWatcher : public QObject {
  public:
    AnswersGridWatcher(MultiAuthoring& authoring, QTableView* view)
        : authoring_(authoring), view_(view) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == view_ && event->type() == QEvent::LanguageChange)
            authoring_.captionOptionButtons();
        if (watched == view_ && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
            !view_->selectionModel()->selectedRows().isEmpty()) {
            authoring_.deleteSelectedRows();
            return true;
        }
        return false;
    }

  private:
    MultiAuthoring& authoring_;
    QTableView* view_;
};

} // namespace

MultiAuthoring::MultiAuthoring(present::Form1State& s) : s_(s) {}

MultiAuthoring::~MultiAuthoring() = default;

void MultiAuthoring::connectControls() {
    present::Form1Controls& c = s_.c;
    watcher_ = std::make_unique<AnswersGridWatcher>(*this, c.TDBGrid1);
    c.TDBGrid1->installEventFilter(watcher_.get());
    QObject* ctx = watcher_.get();

    QObject::connect(c.mnuCrMulti, &QAction::triggered, ctx, [this] { mnuCrMulti_Click(); });
    QObject::connect(c.Command4, &QPushButton::clicked, ctx, [this] { Command4_Click(); });
    QObject::connect(c.Command5, &QPushButton::clicked, ctx, [this] { Command5_Click(); });
    // Queued: the grid finishes closing the cell editor before it is moved.
    QObject::connect(
        c.Adodc3, &data::RecordsetModel::afterRowAdded, ctx, [this] { TDBGrid1_AfterInsert(); },
        Qt::QueuedConnection);
    QObject::connect(
        c.Adodc3, &data::RecordsetModel::writeFailed, ctx, [this](const QString& message) {
            s_.dialogs.warning(Text::tr("The answer could not be saved.\n\n%1").arg(message));
        });
    QTableView* g = c.TDBGrid1;
    QObject::connect(qApp, &QApplication::focusChanged, ctx, [this, g](QWidget* old, QWidget* now) {
        if (now && inside(g, old) && !inside(g, now))
            SubLeaveTdbGrid1();
    });
}

void MultiAuthoring::reopen() {
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
}

void MultiAuthoring::mnuCrMulti_Click() {
    present::guarded(s_, [this] {
        // No by default: the conversion cannot be undone.
        if (!s_.dialogs.confirm(Text::tr("Are you sure you want to convert the current question "
                                         "into the multiple answer question?"),
                                QString(), present::Dialogs::Button::No))
            return;
        QTableView* grid = s_.c.TDBGrid2;
        data::RecordsetModel* cards = s_.c.Adodc2;
        const int row = grid->currentIndex().row();
        if (row < 0 || learn::isMultiAnswerCard(cards->valueAt(row, kAnswer)))
            return;
        // A row still being typed becomes a card first, whole and tied to the chosen set.
        if (!s_.window.commitCardGrid())
            return;
        if (row >= cards->dataRowCount())
            return; // nothing typed: there is no card to convert
        const QVariant cardId = cards->valueAt(row, kCardId);
        if (cardId.isNull() || learn::isMultiAnswerCard(cards->valueAt(row, kAnswer)))
            return;
        cardId_ = cardId;
        SubCreateMultiple();
        s_.window.refreshCardGrid();
        s_.window.SubReturnToProperTableRow(cardId.toString());
        SubShowMultiple();
    });
}

void MultiAuthoring::SubCreateMultiple() {
    // The caller has made sure the card is there and not yet a multiple-answer card.
    (void)convertToMultiAnswer(s_.rs.connection(), cardId_);
}

void MultiAuthoring::SubShowMultiple() {
    present::guarded(s_, [this] {
        data::RecordsetModel* cards = s_.c.Adodc2;
        const QModelIndex current = s_.c.TDBGrid2->currentIndex();
        const int row = current.isValid() ? current.row() : cards->currentRow();
        const QVariant cardId = cards->valueAt(row, kCardId);
        if (cardId.isNull() || !cardId.isValid())
            return;
        // Answers edited so far are stored before the buffer is loaded afresh.
        if (s_.c.TDBGrid1->isVisibleTo(s_.c.Form1))
            SubLeaveTdbGrid1(cardId != cardId_);
        try {
            loadAnswerBuffer(s_.rs.connection(), cardId);
        } catch (const data::DbError&) {
            // Never leave another card's answers on show, to be stored for this one.
            hideEditor();
            throw;
        }
        cardId_ = cardId;
        refreshAnswersGrid();
        s_.c.Adodc4->refresh();
        showAnswersGrid();
        reopen();
        s_.c.mnuCrMulti->setVisible(true);
        s_.c.Command4->show();
        s_.c.Command5->show();
        SubShowCheckBoxesValue();
    });
}

void MultiAuthoring::refreshAnswersGrid() {
    data::RecordsetModel* answers = s_.c.Adodc3;
    answers->refresh();
    // Only the answers are shown; the card each row belongs to is the edited card.
    const int idColumn = answers->columnOf(kCardId);
    if (idColumn >= 0)
        s_.c.TDBGrid1->hideColumn(idColumn);
}

void MultiAuthoring::showAnswersGrid() {
    QWidget* window = s_.c.Form1;
    present::placeTwips(s_.c.TDBGrid1, 6400, 1400, 3495, 3015);
    s_.c.TDBGrid1->show();
    // Room for the answers grid to the right of the card grid.
    present::setWidthTwips(window, 10127);
    window->move(present::twipsToPixels(3900, window), window->y());
}

void MultiAuthoring::hideEditor() {
    cardId_ = QVariant();
    s_.c.TDBGrid1->hide();
    s_.c.Command4->hide();
    s_.c.Command5->hide();
}

void MultiAuthoring::SubShowCheckBoxesValue() {
    present::guarded(s_, [this] {
        const CardOptions options = cardOptions(s_.rs.connection(), cardId_);
        orderImportant_ = orderMatters(options.showOrder);
        countShown_ = learn::cardOptionOn(options.displayQuestionNumber);
        captionOptionButtons();
    });
}

void MultiAuthoring::captionOptionButtons() {
    s_.c.Command5->setText(orderCaption(orderImportant_));
    s_.c.Command4->setText(countCaption(countShown_));
    fitOptionButtons();
}

void MultiAuthoring::fitOptionButtons() {
    // The captions tell the state and must be read whole: the buttons take their text's
    // width, and the window grows when they reach past its edge.
    QWidget* window = s_.c.Form1;
    int right = 0; // on the screens' canvas
    for (QPushButton* b : {s_.c.Command4, s_.c.Command5}) {
        b->adjustSize();
        right = std::max(right, b->geometry().right() + 1);
    }
    const int margin = present::twipsToPixels(240, window);
    if (s_.c.Command4->isVisibleTo(window))
        present::widenWindowTo(window, right + margin);
}

void MultiAuthoring::Command5_Click() {
    present::guarded(s_, [this] {
        // The caption tells the state: a click turns both over.
        const bool important = !orderImportant_;
        setCardOption(s_.rs.connection(), cardId_, CardOption::ShowOrder, important);
        orderImportant_ = important;
        captionOptionButtons();
    });
}

void MultiAuthoring::Command4_Click() {
    present::guarded(s_, [this] {
        const bool show = !countShown_;
        setCardOption(s_.rs.connection(), cardId_, CardOption::DisplayQuestionNumber, show);
        countShown_ = show;
        captionOptionButtons();
    });
}

void MultiAuthoring::TDBGrid1_AfterInsert() {
    // The new answer is stored; typing goes on from the grid's last row.
    QTableView* grid = s_.c.TDBGrid1;
    QWidget* focus = QApplication::focusWidget();
    if (!grid->isVisible() || !inside(grid, focus))
        return;
    data::RecordsetModel* answers = s_.c.Adodc3;
    const int last = answers->dataRowCount() - 1;
    // On the row for a new answer (where Enter goes on to) typing already goes on.
    if (answers->isNewRow(grid->currentIndex().row()))
        return;
    if (last >= 0 && !grid->indexWidget(grid->currentIndex()))
        grid->setCurrentIndex(answers->index(last, std::max(0, answers->columnOf(kMAnswer))));
}

void MultiAuthoring::deleteSelectedRows() {
    data::RecordsetModel* answers = s_.c.Adodc3;
    QList<int> rows;
    for (const QModelIndex& index : s_.c.TDBGrid1->selectionModel()->selectedRows()) {
        if (index.row() < answers->dataRowCount())
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        answers->removeRows(row, 1);
}

void MultiAuthoring::SubLeaveTdbGrid1(bool tellIfEmpty) {
    if (leaving_ || !cardId_.isValid())
        return;
    leaving_ = true;
    const std::unique_ptr<bool, void (*)(bool*)> done(&leaving_, [](bool* b) { *b = false; });
    present::commitOpenEditor(s_.c.TDBGrid1);
    const QSqlDatabase db = s_.rs.connection();
    try {
        switch (storeAnswerList(db, cardId_)) {
        case StoreOutcome::Stored:
            reopen();
            break;
        case StoreOutcome::NoAnswers:
            if (!tellIfEmpty)
                break; // the card is shown again at once, from what is stored
            s_.dialogs.warning(
                Text::tr("A card with several answers needs at least one answer, or it "
                         "could never be answered right. Its answers were left as they were."));
            loadAnswerBuffer(db, cardId_);
            refreshAnswersGrid();
            break;
        case StoreOutcome::Unchanged:
        case StoreOutcome::NotMulti:
            break;
        }
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            Text::tr("The answers could not be saved; the card keeps the answers it had.\n\n%1")
                .arg(e.message()));
    }
}

} // namespace multi
