// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/Progress.h"
#include "exchange/RegularFile.h"
#include "learn/Form1State.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class QProgressBar;
class QWidget;

namespace app {

// A modal box with a progress bar, shown only once the work has taken half a second.
// While it is up the window keeps painting but takes no input, and a SIGTERM waits until
// the work is done (its notifier is not served meanwhile).
class ExchangeProgress {
  public:
    ExchangeProgress(QWidget* parent, const QString& text);
    ~ExchangeProgress();
    ExchangeProgress(const ExchangeProgress&) = delete;
    ExchangeProgress& operator=(const ExchangeProgress&) = delete;

    exchange::Progress callback();
    bool shown() const { return dialog_ != nullptr; }

  private:
    void tick(qint64 done, qint64 total);

    QWidget* parent_;
    QString text_;
    QElapsedTimer clock_;
    QPointer<QDialog> dialog_;
    QProgressBar* bar_ = nullptr;
};

// File > Export and File > Import: writing the exchange file and merging one.
class ExchangeMenu : public QObject {
    Q_OBJECT
  public:
    ExchangeMenu(learn::Form1State& s, QWidget* window);

    void mnuExport_Click();
    void mnuImpWithLog_Click();
    void mnuImpNoLog_Click();

    // The file both entries use; tests point it into a temporary folder.
    void setExchangePath(const QString& path) { path_ = path; }
    const QString& exchangePath() const { return path_; }

  private:
    void importFile(bool withLog);
    // Warns and says true when the exchange file or its companion is not a regular file.
    bool refuseSpecialFile(exchange::FileUse use);

    learn::Form1State& s_;
    QWidget* window_;
    QString path_;
};

} // namespace app
