// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/StatisticsWindow.h"

#include "data/Database.h"
#include "data/RegularFile.h"
#include "data/Sql.h"
#include "present/SystemPalette.h"
#include "present/WindowKeys.h"
#include "stats/StatsText.h"
#include "window/DueOutlookView.h"
#include "window/ReplyCalendar.h"
#include "window/ScreenFit.h"
#include "window/StatisticsParts.h"

#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QStackedBarSeries>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace window {

QString rangeTitle(const stats::DayRange& range) {
    if (range.isEmpty())
        return QCoreApplication::translate("StatisticsWindow", "no replies yet");
    return QCoreApplication::translate("StatisticsWindow", "%1 – %2 (%n days)", nullptr,
                                       range.days())
        .arg(range.first.toString(Qt::ISODate), range.last.toString(Qt::ISODate));
}

const QList<int>& StatisticsWindow::rangeDays() {
    static const QList<int> ranges{30, 90, 365, 0};
    return ranges;
}

StatisticsWindow::StatisticsWindow(present::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    present::closeOnEscape(this);

    rangeChooser = new QComboBox(this);
    rangeChooser->setObjectName(QStringLiteral("rangeChooser"));
    for (qsizetype i = 0; i < rangeDays().size(); ++i)
        rangeChooser->addItem(QString());
    setChooser = new QComboBox(this);
    setChooser->setObjectName(QStringLiteral("setChooser"));
    savePngButton = new QPushButton(this);
    saveCsvButton = new QPushButton(this);
    auto* choosers = new QHBoxLayout;
    choosers->addWidget(rangeChooser);
    choosers->addWidget(setChooser, 1);
    auto* saves = new QHBoxLayout;
    saves->addStretch();
    saves->addWidget(savePngButton);
    saves->addWidget(saveCsvButton);
    top_ = new QBoxLayout(QBoxLayout::LeftToRight);
    top_->addLayout(choosers, 1);
    top_->addLayout(saves);
    dateNote = new QLabel(this);
    dateNote->setObjectName(QStringLiteral("dateNote"));
    dateNote->setWordWrap(true);
    dateNote->hide();

    // Bars and line share one axis of days, numbered from the range's first day.
    correctBars = new QBarSet(QString());
    correctBars->setColor(seriesColour(QColor(0x2e, 0x8b, 0x57)));
    wrongBars = new QBarSet(QString());
    wrongBars->setColor(seriesColour(QColor(0xc0, 0x39, 0x2b)));
    auto* bars = new QStackedBarSeries;
    bars->append(correctBars);
    bars->append(wrongBars);
    bars->setBarWidth(0.9);
    QChart* barsChart = newChart(QString());
    barsChart->addSeries(bars);
    barsX_ = new QValueAxis;
    barsX_->setLabelsVisible(false);
    barsX_->setGridLineVisible(false);
    auto* barsY = new QValueAxis;
    barsY->setLabelFormat(QStringLiteral("%d"));
    barsChart->addAxis(barsX_, Qt::AlignBottom);
    barsChart->addAxis(barsY, Qt::AlignLeft);
    bars->attachAxis(barsX_);
    bars->attachAxis(barsY);
    followSystemPalette(barsChart);
    barsView = new QChartView(barsChart, this);
    barsView->setObjectName(QStringLiteral("barsView"));
    barsView->setMinimumHeight(220);

    QChart* shareChart = newChart(QString());
    shareChart->legend()->hide();
    shareX_ = new QValueAxis;
    shareX_->setLabelsVisible(false);
    shareX_->setGridLineVisible(false);
    auto* shareY = new QValueAxis;
    shareY->setRange(0, 1);
    shareY->setTickCount(6); // 0.2 apart, so each label is exact with one decimal
    shareY->setLabelFormat(QStringLiteral("%.1f"));
    shareChart->addAxis(shareX_, Qt::AlignBottom);
    shareChart->addAxis(shareY, Qt::AlignLeft);
    followSystemPalette(shareChart);
    shareView = new QChartView(shareChart, this);
    shareView->setObjectName(QStringLiteral("shareView"));
    shareView->setMinimumHeight(180);
    // The charts are pictures of numbers the tables and the CSV also give: named for a
    // screen reader (in retranslate()), but no stops for Tab.
    for (QChartView* view : {barsView, shareView}) {
        view->setFocusPolicy(Qt::NoFocus);
        view->viewport()->setFocusPolicy(Qt::NoFocus);
    }

    calendar = new ReplyCalendar(this);
    runsLabel = new QLabel(this);
    runsLabel->setObjectName(QStringLiteral("runsLabel"));

    charts_ = new QWidget(this);
    auto* chartsLayout = new QVBoxLayout(charts_);
    chartsLayout->setContentsMargins(0, 0, 0, 0);
    chartsLayout->addWidget(barsView, 3);
    chartsLayout->addWidget(shareView, 2);
    calendarTitle_ = new QLabel(charts_);
    chartsLayout->addWidget(calendarTitle_);
    chartsLayout->addWidget(calendar);
    chartsLayout->addWidget(runsLabel);
    dueOutlook = new DueOutlookView(charts_);
    chartsLayout->addWidget(dueOutlook, 2);

    setTable = newTable(6, 1, this);
    setTable->setObjectName(QStringLiteral("setTable"));
    hardTable = newTable(5, 2, this);
    hardTable->setObjectName(QStringLiteral("hardTable"));
    auto* tables = new QVBoxLayout;
    setsTitle_ = new QLabel(this);
    tables->addWidget(setsTitle_);
    tables->addWidget(setTable, 1);
    hardTitle_ = new QLabel(this);
    tables->addWidget(hardTitle_);
    tables->addWidget(hardTable, 1);

    body_ = new QBoxLayout(QBoxLayout::LeftToRight);
    body_->addWidget(charts_, 3);
    body_->addLayout(tables, 2);
    // Everything scrolls where the screen is smaller than the least the window can show,
    // so no button and no table is ever out of reach.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(top_);
    layout->addWidget(dateNote);
    layout->addLayout(body_, 1);
    area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("statisticsArea"));
    // Tab goes to the controls inside, and the area scrolls to each; it is no stop itself.
    area->setFocusPolicy(Qt::NoFocus);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    retranslate();
    resize(wantedSize());

    chooseSaveFile = [this](const QString& caption, const QString& suggested) {
        return QFileDialog::getSaveFileName(this, caption, QDir::home().filePath(suggested));
    };
    connect(rangeChooser, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(setChooser, &QComboBox::currentIndexChanged, this, [this] {
        refresh();
        refreshCalendar();
    });
    connect(setTable, &QTableWidget::currentCellChanged, this, [this] { showHardCards(); });
    connect(hardTable, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        const int set = setTable->currentRow();
        if (openCard && row >= 0 && row < hard_.size() && set >= 0 && set < sets_.size())
            openCard(sets_[set].name, hard_[row].cardId);
    });
    connect(savePngButton, &QPushButton::clicked, this, &StatisticsWindow::saveChartAsPng);
    connect(saveCsvButton, &QPushButton::clicked, this, &StatisticsWindow::saveNumbersAsCsv);
}

void StatisticsWindow::retranslate() {
    setWindowTitle(QCoreApplication::translate("StatisticsWindow", "Statistics"));
    const QString ranges[] = {QCoreApplication::translate("StatisticsWindow", "Last 30 days"),
                              QCoreApplication::translate("StatisticsWindow", "Last 90 days"),
                              QCoreApplication::translate("StatisticsWindow", "Last 365 days"),
                              QCoreApplication::translate("StatisticsWindow", "All days")};
    for (int i = 0; i < rangeChooser->count() && i < int(std::size(ranges)); ++i)
        rangeChooser->setItemText(i, ranges[i]);
    if (setChooser->count() > 0)
        setChooser->setItemText(0, QCoreApplication::translate("StatisticsWindow", "All sets"));
    savePngButton->setText(QCoreApplication::translate("StatisticsWindow", "Save chart as PNG..."));
    saveCsvButton->setText(
        QCoreApplication::translate("StatisticsWindow", "Save numbers as CSV..."));
    correctBars->setLabel(QCoreApplication::translate("StatisticsWindow", "Correct"));
    wrongBars->setLabel(QCoreApplication::translate("StatisticsWindow", "Wrong"));
    barsView->setAccessibleName(
        QCoreApplication::translate("StatisticsWindow", "Correct and wrong replies per day"));
    shareView->setAccessibleName(
        QCoreApplication::translate("StatisticsWindow", "Share of correct replies"));
    calendarTitle_->setText(
        QCoreApplication::translate("StatisticsWindow", "Replies in the last year"));
    setTable->setHorizontalHeaderLabels(
        {QCoreApplication::translate("StatisticsWindow", "Set"),
         QCoreApplication::translate("StatisticsWindow", "Cards"),
         QCoreApplication::translate("StatisticsWindow", "Answered"),
         QCoreApplication::translate("StatisticsWindow", "Replies"),
         QCoreApplication::translate("StatisticsWindow", "Share correct"),
         QCoreApplication::translate("StatisticsWindow", "Mean rating")});
    setTable->setAccessibleName(QCoreApplication::translate("StatisticsWindow", "Sets"));
    hardTable->setHorizontalHeaderLabels(
        {QCoreApplication::translate("StatisticsWindow", "Question"),
         QCoreApplication::translate("StatisticsWindow", "Answer"),
         QCoreApplication::translate("StatisticsWindow", "Rating"),
         QCoreApplication::translate("StatisticsWindow", "Correct"),
         QCoreApplication::translate("StatisticsWindow", "Wrong")});
    hardTable->setAccessibleName(
        QCoreApplication::translate("StatisticsWindow", "Hardest cards of the chosen set"));
    hardTable->setToolTip(QCoreApplication::translate("StatisticsWindow",
                                                      "Double-click a card to open it in its set"));
    setsTitle_->setText(QCoreApplication::translate("StatisticsWindow", "Sets"));
    hardTitle_->setText(
        QCoreApplication::translate("StatisticsWindow", "Hardest cards of the chosen set"));
    showTitles();
    showRuns();
    fitNumbers(setTable, 1);
    fitNumbers(hardTable, 2);
}

void StatisticsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The hardest cards' table says "(answer to question)" in words, and the note on
        // the log's dates is a sentence.
        showHardCards();
        dateNote->setText(stats::logSpanNote(span_));
    }
}

void StatisticsWindow::Form_Load() {
    db_ = data::openConnection(QStringLiteral("Statistics"));
    const QSignalBlocker quiet(setChooser);
    setChooser->clear();
    setChooser->addItem(QCoreApplication::translate("StatisticsWindow", "All sets"));
    setChooser->addItems(stats::setNames(db_));
    setsNow_ = stats::setsNow(db_);
    refresh();
    refreshCalendar();
}

void StatisticsWindow::placeOnScreen() {
    placed_ = true;
    fitToScreen(this, wantedSize());
    arrange(width());
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_)
        placeOnScreen();
}

void StatisticsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange(width());
}

int StatisticsWindow::tablesWidth() const {
    // The numbers' columns as they are, and room for a name of some length beside them.
    int numbers = 0;
    const QHeaderView* header = setTable->horizontalHeader();
    for (int c = 1; c < header->count(); ++c)
        numbers += std::max(header->sectionSizeHint(c), header->sectionSize(c));
    return numbers + 120 + 2 * setTable->frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void StatisticsWindow::arrange(int width) {
    const int room = width - 2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    // The charts need some width to say anything; below it the tables go under them.
    constexpr int kChartsWidth = 420;
    const int tables = tablesWidth();
    setTable->setMinimumWidth(tables);
    hardTable->setMinimumWidth(tables);
    body_->setDirection(room >= kChartsWidth + tables ? QBoxLayout::LeftToRight
                                                      : QBoxLayout::TopToBottom);
    const int topWidth =
        top_->itemAt(0)->sizeHint().width() + top_->itemAt(1)->sizeHint().width() + top_->spacing();
    top_->setDirection(room >= topWidth ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

QString StatisticsWindow::chosenSet() const {
    return setChooser->currentIndex() > 0 ? setChooser->currentText() : QString();
}

QDate StatisticsWindow::today() const {
    return today_.isValid() ? today_ : QDate::currentDate();
}

QList<QLineSeries*> StatisticsWindow::shareLines() const {
    QList<QLineSeries*> lines;
    for (QAbstractSeries* series : shareView->chart()->series())
        if (auto* line = qobject_cast<QLineSeries*>(series))
            lines << line;
    return lines;
}

void StatisticsWindow::refresh() {
    try {
        const QDate today = this->today();
        const int back = rangeDays().value(rangeChooser->currentIndex());
        // Read again each time: replies and imports go on while the window is open.
        span_ = stats::logSpan(db_);
        range_ = back > 0 ? stats::lastDays(back, today) : stats::allDays(span_, today);
        slotDays_ = stats::slotDaysFor(range_, kMostSlots);
        days_ = stats::repliesPerSlot(db_, range_, chosenSet(), slotDays_);
        sets_ = stats::setSummaries(db_, range_, chosenSet(), &setsNow_, &span_);
        dueOutlook->refresh(db_, today, chosenSet());
        const QString note = stats::logSpanNote(span_);
        dateNote->setText(note);
        dateNote->setVisible(!note.isEmpty());
    } catch (const data::DbError& e) {
        days_.clear();
        sets_.clear();
        range_ = {};
        slotDays_ = 1;
        dialogs_.warning(
            QCoreApplication::translate("StatisticsWindow", "The statistics cannot be read: %1")
                .arg(e.message()));
    }
    showTitles();
    showBars();
    showShare();
    showSets();
}

void StatisticsWindow::showTitles() {
    // The days' axis has no labels of its own: the titles say which days it spans.
    const QString range = rangeTitle(range_);
    if (slotDays_ == 1) {
        barsView->chart()->setTitle(
            QCoreApplication::translate("StatisticsWindow", "Replies per day, %1").arg(range));
        shareView->chart()->setTitle(
            QCoreApplication::translate("StatisticsWindow", "Share correct per day, %1")
                .arg(range));
    } else if (slotDays_ == 7) {
        barsView->chart()->setTitle(
            QCoreApplication::translate("StatisticsWindow", "Replies per week, %1").arg(range));
        shareView->chart()->setTitle(
            QCoreApplication::translate("StatisticsWindow", "Share correct per week, %1")
                .arg(range));
    } else {
        barsView->chart()->setTitle(QCoreApplication::translate("StatisticsWindow",
                                                                "Replies per %n days, %1", nullptr,
                                                                slotDays_)
                                        .arg(range));
        shareView->chart()->setTitle(QCoreApplication::translate("StatisticsWindow",
                                                                 "Share correct per %n days, %1",
                                                                 nullptr, slotDays_)
                                         .arg(range));
    }
}

void StatisticsWindow::showRuns() {
    const stats::Runs runs = stats::runsOfDays(calendar->days(), today());
    runsLabel->setText(
        QCoreApplication::translate("StatisticsWindow", "Current run: %n days learnt in a row",
                                    nullptr, runs.current) +
        QLatin1Char('\n') +
        QCoreApplication::translate("StatisticsWindow", "Longest run this year: %n days", nullptr,
                                    runs.longest));
}

void StatisticsWindow::refreshCalendar() {
    try {
        const QDate today = this->today();
        calendar->setDays(stats::repliesPerDay(db_, stats::lastDays(365, today), chosenSet()));
    } catch (const data::DbError& e) {
        calendar->setDays({});
        dialogs_.warning(
            QCoreApplication::translate("StatisticsWindow", "The statistics cannot be read: %1")
                .arg(e.message()));
    }
    showRuns();
}

void StatisticsWindow::showBars() {
    QList<qreal> correct;
    QList<qreal> wrong;
    correct.reserve(days_.size());
    wrong.reserve(days_.size());
    int highest = 0;
    for (const stats::DayCount& d : days_) {
        correct << d.correct;
        wrong << d.wrong();
        highest = std::max(highest, d.replies);
    }
    correctBars->remove(0, correctBars->count());
    wrongBars->remove(0, wrongBars->count());
    correctBars->append(correct);
    wrongBars->append(wrong);
    barsX_->setRange(-0.5, std::max(qsizetype(1), days_.size()) - 0.5);
    auto* y = qobject_cast<QValueAxis*>(barsView->chart()->axes(Qt::Vertical).value(0));
    y->setRange(0, std::max(1, highest));
    y->applyNiceNumbers();
}

void StatisticsWindow::showShare() {
    // Days without replies have no share: the line stops there and starts again after.
    QChart* chart = shareView->chart();
    chart->removeAllSeries();
    QValueAxis* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    const QColor color = seriesColour(QColor(0x1f, 0x5f, 0xa8));
    // Each piece is filled before it joins the chart: a point appended to a shown series
    // lays the whole series out again.
    QList<QPointF> piece;
    const auto addPiece = [&] {
        if (piece.isEmpty())
            return;
        auto* line = new QLineSeries;
        line->setColor(color);
        line->setPointsVisible(true);
        line->replace(piece);
        chart->addSeries(line);
        line->attachAxis(shareX_);
        line->attachAxis(y);
        piece.clear();
    };
    for (int i = 0; i < days_.size(); ++i) {
        const stats::DayCount& d = days_[i];
        if (d.replies == 0)
            addPiece();
        else
            piece << QPointF(i, double(d.correct) / d.replies);
    }
    addPiece();
    shareX_->setRange(-0.5, std::max(qsizetype(1), days_.size()) - 0.5);
}

void StatisticsWindow::showSets() {
    // The set chosen before stays chosen when it is still listed.
    const QTableWidgetItem* before = setTable->item(setTable->currentRow(), 0);
    const QString current = before ? before->text() : QString();
    const QSignalBlocker quiet(setTable);
    setTable->setRowCount(int(sets_.size()));
    int keep = sets_.isEmpty() ? -1 : 0;
    for (int r = 0; r < sets_.size(); ++r) {
        const stats::SetSummary& s = sets_[r];
        setRow(setTable, r,
               {s.name, QString::number(s.cards), QString::number(s.answered),
                QString::number(s.replies), stats::share(s.correct, s.replies),
                stats::fourDecimals(s.meanRating)},
               1);
        if (s.name == current)
            keep = r;
    }
    fitNumbers(setTable, 1);
    setTable->setCurrentCell(keep, 0);
    showHardCards();
}

void StatisticsWindow::showHardCards() {
    const int set = setTable->currentRow();
    hard_.clear();
    if (set >= 0 && set < sets_.size()) {
        try {
            hard_ = stats::hardestCards(db_, sets_[set].name);
        } catch (const data::DbError& e) {
            dialogs_.warning(
                QCoreApplication::translate("StatisticsWindow", "The statistics cannot be read: %1")
                    .arg(e.message()));
        }
    }
    hardTable->setRowCount(int(hard_.size()));
    for (int r = 0; r < hard_.size(); ++r) {
        const stats::HardCard& c = hard_[r];
        setRow(hardTable, r,
               {c.reverse
                    ? QCoreApplication::translate("StatisticsWindow", "%1 (answer to question)")
                          .arg(c.question)
                    : c.question,
                c.answer, QString::number(c.rating, 'f', 4), QString::number(c.correct),
                QString::number(c.incorrect)},
               2);
    }
    fitNumbers(hardTable, 2);
}

QString StatisticsWindow::chosenSaveFile(const QString& title, const QString& suggested) {
    const QString path = chooseSaveFile(title, suggested);
    if (path.isEmpty())
        return {};
    const QString refused = data::specialFileRefusal(path, data::FileUse::Write);
    if (!refused.isEmpty()) {
        dialogs_.warning(refused);
        return {};
    }
    return path;
}

void StatisticsWindow::saveChartAsPng() {
    const QString path =
        chosenSaveFile(QCoreApplication::translate("StatisticsWindow", "Save chart as PNG"),
                       QStringLiteral("statistics.png"));
    if (path.isEmpty())
        return;
    if (!charts_->grab().save(path, "PNG"))
        dialogs_.warning(QCoreApplication::translate("StatisticsWindow",
                                                     "The chart could not be saved as \"%1\".")
                             .arg(path));
}

void StatisticsWindow::saveNumbersAsCsv() {
    const QString path =
        chosenSaveFile(QCoreApplication::translate("StatisticsWindow", "Save numbers as CSV"),
                       QStringLiteral("statistics.csv"));
    if (path.isEmpty())
        return;
    // The file has a line a day, whatever a bar of the chart stands for.
    QVector<stats::DayCount> perDay = days_;
    if (slotDays_ != 1) {
        try {
            perDay = stats::repliesPerDay(db_, range_, chosenSet());
        } catch (const data::DbError& e) {
            dialogs_.warning(
                QCoreApplication::translate("StatisticsWindow", "The statistics cannot be read: %1")
                    .arg(e.message()));
            return;
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(stats::statsCsv(perDay, sets_).toUtf8()) < 0 || !file.commit())
        dialogs_.warning(QCoreApplication::translate("StatisticsWindow",
                                                     "The numbers could not be saved as \"%1\": %2")
                             .arg(path, file.errorString()));
}

} // namespace window
