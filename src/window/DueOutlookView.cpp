// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DueOutlookView.h"

#include "learn/rules/MemoryStore.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace window {

namespace {
constexpr int kDays = 30;
}

DueOutlookView::DueOutlookView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dueOutlook"));
    dueBars = new QBarSet(QStringLiteral("Due"));
    auto* series = new QBarSeries;
    series->append(dueBars);
    series->setBarWidth(0.8);
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Cards due in the next %1 days (today first)").arg(kDays));
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
    hide();
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
    const QString wanted = QString::number(settings.retention * 100, 'f', 0);
    retentionLabel->setText(
        outlook.dueReplies == 0
            ? QStringLiteral("No card has been answered when due yet (recall wanted: %1%).")
                  .arg(wanted)
            : QStringLiteral("Answered right when due: %1% of %2 (recall wanted: %3%)")
                  .arg(QString::number(100.0 * outlook.dueRight / outlook.dueReplies, 'f', 1))
                  .arg(outlook.dueReplies)
                  .arg(wanted));
    show();
}

} // namespace window
