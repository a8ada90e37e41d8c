// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Progress.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressBar;
class QWidget;

namespace window {

// The progress of a long job started from a menu: a modal box with a progress bar, shown
// only once the job has taken `showAfterMs`, so that a short one flashes nothing. While it
// is up the main window keeps painting but takes no input, and a SIGTERM waits until the
// job is done (its notifier is not served meanwhile). A job that can stop gets a Cancel
// button, which makes the callback answer false.
class ProgressWindow {
  public:
    enum class Cancel { No, Yes };

    // `barFormat` is QProgressBar's: "%p%", or "%v of %m records" for a job counting records.
    ProgressWindow(QWidget* parent, const QString& text, const QString& barFormat, Cancel cancel,
                   int showAfterMs = 500);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    data::Progress callback();
    QDialog* dialog() const { return dialog_; }

  private:
    bool tick(qint64 done, qint64 total);
    void show();

    QWidget* parent_;
    QString text_;
    QString barFormat_;
    Cancel cancel_;
    int showAfterMs_;
    QElapsedTimer clock_;
    QPointer<QDialog> dialog_;
    QProgressBar* bar_ = nullptr;
    bool cancelled_ = false;
};

} // namespace window
