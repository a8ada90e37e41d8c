// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QWidget>

class QBarSet;
class QChartView;
class QLabel;

namespace window {

// The statistics window's part for due review, shown while it is on: the cards coming due on
// each of the next 30 days, and how often a card was answered right when it was due, beside
// the recall wanted.
class DueOutlookView : public QWidget {
    Q_OBJECT
  public:
    explicit DueOutlookView(QWidget* parent = nullptr);

    // Reads the outlook of all sets (`setName` empty) or one, or hides itself while review is
    // off. Throws data::DbError.
    void refresh(const QSqlDatabase& db, const QDate& today, const QString& setName);

    QChartView* chartView = nullptr;
    QBarSet* dueBars = nullptr;
    QLabel* retentionLabel = nullptr;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void showRetention();

    // What the label says, as the last refresh read it.
    int wantedPercent_ = 0;
    int dueReplies_ = 0;
    int dueRight_ = 0;
};

} // namespace window
