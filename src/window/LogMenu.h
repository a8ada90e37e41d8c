// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/Form1State.h"

#include <QObject>
#include <QPointer>

namespace app {

class Form4;

// File > Log: showing the log window and cleaning the log.
class LogMenu : public QObject {
    Q_OBJECT
  public:
    // Connects both entries at once; `window` is the main window.
    LogMenu(learn::Form1State& s, QWidget* window);

    void mnulog_Click();
    void mnuCleanLog_Click();

    // The log window while it is open.
    Form4* logWindow() const;

  private:
    learn::Form1State& s_;
    QWidget* window_;
    QPointer<Form4> form4_;
};

} // namespace app
