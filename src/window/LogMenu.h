// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"

#include <QObject>
#include <QPointer>

namespace window {

class Form4;
class StatisticsWindow;

// File > Log: showing the log window and cleaning the log.
class LogMenu : public QObject {
    Q_OBJECT
  public:
    // Connects both entries at once; `window` is the main window.
    LogMenu(present::Form1State& s, QWidget* window);

    void mnulog_Click();
    void mnuCleanLog_Click();
    void mnuStatistics_Click();

    // The log window while it is open.
    Form4* logWindow() const;
    // The statistics window while it is open.
    StatisticsWindow* statisticsWindow() const;
    // Shows the card grid of a set with one card current.
    void openCardInGrid(const QString& setName, qint64 cardId);

  private:
    present::Form1State& s_;
    QWidget* window_;
    QPointer<Form4> form4_;
    QPointer<StatisticsWindow> statistics_;
};

} // namespace window
