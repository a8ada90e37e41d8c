// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Dialogs.h"
#include "stats/LogAggregates.h"

#include <QSqlDatabase>
#include <QWidget>
#include <functional>

class QBoxLayout;
class QComboBox;
class QLabel;
class QScrollArea;
class QTableWidget;
class QPushButton;
class QChartView;
class QBarSet;
class QLineSeries;
class QValueAxis;

namespace window {

class DueOutlookView;
class ReplyCalendar;

// The "Statistics" window: replies per day, the share correct, a year's calendar and the
// sets with their hardest cards, for a range of days and all sets or one. It reads the log
// through a connection of its own and shows it as it stood at the last change of range or set.
class StatisticsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StatisticsWindow(present::Dialogs& dialogs, QWidget* parent = nullptr);

    // Opens the connection and shows the first range. Throws data::DbError.
    void Form_Load();
    // The day the ranges end on; today unless set (the benchmark's log ends earlier).
    void setToday(const QDate& today) { today_ = today; }

    // The ranges offered, in the chooser's order: days back from today, 0 for all days.
    static const QList<int>& rangeDays();
    // The most bars a chart draws: longer ranges take a bar per week or per several weeks.
    static constexpr int kMostSlots = 366;
    // The size the window would like; it takes less where the screen has less room.
    static QSize wantedSize() { return {1100, 760}; }
    // Sizes and places the window on its screen; done before it is first shown (a window
    // system may not take a size given while the window appears), else when it is.
    void placeOnScreen();

    QComboBox* rangeChooser = nullptr;
    QComboBox* setChooser = nullptr;
    QChartView* barsView = nullptr;
    QChartView* shareView = nullptr;
    QBarSet* correctBars = nullptr;
    QBarSet* wrongBars = nullptr;
    ReplyCalendar* calendar = nullptr;
    QLabel* runsLabel = nullptr;
    DueOutlookView* dueOutlook = nullptr; // shown while due review is on
    QLabel* dateNote = nullptr; // the log rows left out for their dates, when there are some
    QTableWidget* setTable = nullptr;
    QTableWidget* hardTable = nullptr;
    QPushButton* savePngButton = nullptr;
    QPushButton* saveCsvButton = nullptr;

    // What is shown now: the charts' slots (days, or weeks on a long range) and their length.
    const QVector<stats::DayCount>& shownDays() const { return days_; }
    int slotDays() const { return slotDays_; }
    // Everything scrolls inside this area when the screen is too small for it.
    QScrollArea* area = nullptr;
    const QVector<stats::SetSummary>& shownSets() const { return sets_; }
    QList<QLineSeries*> shareLines() const;

    // Asks for the file to save to (empty: cancelled); tests replace it.
    std::function<QString(const QString& caption, const QString& suggested)> chooseSaveFile;
    // Opens the card grid on a set with a card current; set by the window's owner.
    std::function<void(const QString& setName, qint64 cardId)> openCard;

    // Reads the log again for the range and set chosen (replies came from another machine).
    void refresh();
    void saveChartAsPng();
    void saveNumbersAsCsv();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Sets every text the window shows in the language in use.
    void retranslate();
    // The charts' titles, which name the range shown.
    void showTitles();
    void showRuns();
    // Side by side where the width allows, one above the other where it does not.
    void arrange(int width);
    int tablesWidth() const;
    // The file the learner chose to save into, once it may be written; empty otherwise.
    QString chosenSaveFile(const QString& title, const QString& suggested);
    void refreshCalendar();
    void showBars();
    void showShare();
    void showSets();
    void showHardCards();
    QString chosenSet() const;

    QDate today() const;

    present::Dialogs& dialogs_;
    QDate today_;
    QSqlDatabase db_;
    QWidget* charts_ = nullptr;
    QLabel* calendarTitle_ = nullptr;
    QLabel* setsTitle_ = nullptr;
    QLabel* hardTitle_ = nullptr;
    QBoxLayout* top_ = nullptr;
    QBoxLayout* body_ = nullptr;
    bool placed_ = false;
    stats::DayRange range_;
    int slotDays_ = 1;
    QValueAxis* barsX_ = nullptr;
    QValueAxis* shareX_ = nullptr;
    QVector<stats::DayCount> days_;
    QVector<stats::SetSummary> sets_;
    stats::SetsNow setsNow_; // the sets as they were when the window was loaded
    stats::LogSpan span_;    // the log's days, as the last refresh read them
    QVector<stats::HardCard> hard_;
};

// "2026-11-01 – 2026-11-30 (30 days)", the title of the days' axis.
QString rangeTitle(const stats::DayRange& range);

} // namespace window
