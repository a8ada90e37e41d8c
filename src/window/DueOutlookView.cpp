// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DueOutlookView.h"

#include "learn/rules/MemoryStore.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace window {

namespace {

constexpr int kDays = 30;
} // namespace

DueOutlookView::DueOutlookView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dueOutlook"));
    dueBars = new QBarSet(QString());
    auto* series = new QBarSeries;
    series->append(dueBars);
    series->setBarWidth(0.8);
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->addSeries(series);
    auto* x = new QValueAxis;
    x->setRange(-0.5, kDays - 0.5);
    x->setLabelsVisible(false);
    x->setGridLineVisible(false);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chartView = new QChartView(chart, this);
    chartView->setObjectName(QStringLiteral("dueView"));
    chartView->setMinimumHeight(160);
    retentionLabel = new QLabel(this);
    retentionLabel->setObjectName(QStringLiteral("retentionLabel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chartView);
    layout->addWidget(retentionLabel);
    retranslate();
    hide();
}

void DueOutlookView::retranslate() {
    dueBars->setLabel(QCoreApplication::translate("DueOutlookView", "Due"));
    chartView->chart()->setTitle(QCoreApplication::translate(
        "DueOutlookView", "Cards due in the next %n days (today first)", nullptr, kDays));
    showRetention();
}

void DueOutlookView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void DueOutlookView::showRetention() {
    retentionLabel->setText(
        dueReplies_ == 0
            ? QCoreApplication::translate(
                  "DueOutlookView", "No card has been answered when due yet (recall wanted: %1%).")
                  .arg(wantedPercent_)
            : QCoreApplication::translate("DueOutlookView",
                                          "Answered right when due: %1% of %2 (recall wanted: %3%)")
                  .arg(QString::number(100.0 * dueRight_ / dueReplies_, 'f', 1))
                  .arg(dueReplies_)
                  .arg(wantedPercent_));
}

void DueOutlookView::refresh(const QSqlDatabase& db, const QDate& today, const QString& setName) {
    const learn::ReviewSettings settings = learn::reviewSettings(db);
    if (!settings.on) {
        hide();
        return;
    }
    const learn::DueOutlook outlook = learn::dueOutlook(db, today.toJulianDay(), setName, kDays);
    QList<qreal> counts;
    int highest = 0;
    for (const int n : outlook.perDay) {
        counts << n;
        highest = std::max(highest, n);
    }
    dueBars->remove(0, dueBars->count());
    dueBars->append(counts);
    auto* y = qobject_cast<QValueAxis*>(chartView->chart()->axes(Qt::Vertical).value(0));
    y->setRange(0, std::max(1, highest));
    y->applyNiceNumbers();
    wantedPercent_ = int(std::lround(settings.retention * 100));
    dueReplies_ = outlook.dueReplies;
    dueRight_ = outlook.dueRight;
    showRetention();
    show();
}

} // namespace window
