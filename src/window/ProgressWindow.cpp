// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ProgressWindow.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace window {

ProgressWindow::ProgressWindow(QWidget* parent, const QString& text, const QString& barFormat,
                               Cancel cancel, int showAfterMs)
    : parent_(parent), text_(text), barFormat_(barFormat), cancel_(cancel),
      showAfterMs_(showAfterMs) {
    clock_.start();
}

ProgressWindow::~ProgressWindow() {
    delete dialog_;
}

data::Progress ProgressWindow::callback() {
    return [this](qint64 done, qint64 total) { return tick(done, total); };
}

void ProgressWindow::show() {
    dialog_ = new QDialog(parent_);
    dialog_->setObjectName(QStringLiteral("ProgressWindow"));
    dialog_->setWindowTitle(QStringLiteral("Memorant"));
    dialog_->setModal(true);
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(new QLabel(text_, dialog_));
    bar_ = new QProgressBar(dialog_);
    bar_->setFormat(barFormat_);
    layout->addWidget(bar_);
    if (cancel_ == Cancel::Yes) {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, dialog_);
        layout->addWidget(buttons);
        // Closing the box is cancelling too: the job cannot go on unseen.
        QObject::connect(dialog_, &QDialog::rejected, dialog_, [this] { cancelled_ = true; });
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog_, &QDialog::reject);
    }
    dialog_->resize(360, dialog_->sizeHint().height());
    dialog_->show();
}

bool ProgressWindow::tick(qint64 done, qint64 total) {
    if (!dialog_) {
        if (clock_.elapsed() < showAfterMs_)
            return !cancelled_;
        show();
    }
    // The bar counts in int: a larger total (a file's bytes) is scaled down to fit.
    const qint64 scale = total / INT_MAX + 1;
    bar_->setMaximum(static_cast<int>(total / scale));
    bar_->setValue(static_cast<int>(std::min(done, total) / scale));
    // Only the Cancel button needs the learner's input; the box is modal, so the main window
    // still takes none.
    QEventLoop::ProcessEventsFlags flags = QEventLoop::ExcludeSocketNotifiers;
    if (cancel_ == Cancel::No)
        flags |= QEventLoop::ExcludeUserInputEvents;
    QCoreApplication::processEvents(flags);
    return !cancelled_;
}

} // namespace window
