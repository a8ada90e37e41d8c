// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/StatisticsParts.h"

#include "present/SystemPalette.h"

#include <QApplication>
#include <QChart>
#include <QHeaderView>
#include <QLegend>
#include <QTableWidget>
#include <QValueAxis>

namespace window {

QTableWidget* newTable(int columns, int textColumns, QWidget* parent) {
    auto* table = new QTableWidget(0, columns, parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    // The numbers take the width they need (fitNumbers) and the texts share the rest,
    // elided, so every column stays in view however long a name or an answer is.
    QHeaderView* header = table->horizontalHeader();
    header->setMinimumSectionSize(40);
    for (int c = 0; c < columns; ++c)
        header->setSectionResizeMode(c,
                                     c < textColumns ? QHeaderView::Stretch : QHeaderView::Fixed);
    table->setTextElideMode(Qt::ElideRight);
    table->setWordWrap(false);
    table->setMinimumHeight(140);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells, int textColumns) {
    for (int c = 0; c < cells.size(); ++c) {
        QTableWidgetItem* item = table->item(row, c);
        if (item) {
            item->setText(cells[c]);
        } else {
            item = new QTableWidgetItem(cells[c]);
            if (c >= textColumns)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, c, item);
        }
        if (c < textColumns && item->toolTip() != cells[c])
            item->setToolTip(cells[c]);
    }
}

void fitNumbers(QTableWidget* table, int textColumns) {
    const QFontMetrics cells(table->font());
    const QFontMetrics heads(table->horizontalHeader()->font());
    constexpr int kPadding = 16;
    for (int c = textColumns; c < table->columnCount(); ++c) {
        QString longest;
        for (int r = 0; r < table->rowCount(); ++r)
            if (const QTableWidgetItem* item = table->item(r, c);
                item && item->text().size() > longest.size())
                longest = item->text();
        const QTableWidgetItem* head = table->horizontalHeaderItem(c);
        const int width = std::max(head ? heads.horizontalAdvance(head->text()) : 0,
                                   cells.horizontalAdvance(longest));
        table->horizontalHeader()->resizeSection(c, width + kPadding);
    }
}

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

void followSystemPalette(QChart* chart) {
    if (!present::followsSystemPalette())
        return;
    const QPalette p = QApplication::palette();
    chart->setBackgroundBrush(p.color(QPalette::Base));
    chart->setBackgroundPen(QPen(p.color(QPalette::Mid)));
    chart->setTitleBrush(p.color(QPalette::Text));
    chart->legend()->setLabelColor(p.color(QPalette::Text));
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsBrush(p.color(QPalette::Text));
        axis->setLinePenColor(p.color(QPalette::Text));
        axis->setGridLineColor(p.color(QPalette::Mid));
    }
}

QColor seriesColour(const QColor& designed) {
    if (!present::followsSystemPalette())
        return designed;
    return present::readableOn(designed, QApplication::palette().color(QPalette::Base), 3.0);
}

} // namespace window
