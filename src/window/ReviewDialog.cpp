// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ReviewDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace window {

ReviewDialog::ReviewDialog(const learn::ReviewSettings& current, std::vector<double> stabilities,
                           QWidget* parent)
    : QDialog(parent),
      on_(new QCheckBox(
          QCoreApplication::translate("ReviewDialog", "Review cards when they are due"), this)),
      retention_(new QSpinBox(this)), workload_(new QLabel(this)),
      stabilities_(std::move(stabilities)) {
    setObjectName(QStringLiteral("ReviewDialog"));
    setWindowTitle(QCoreApplication::translate("ReviewDialog", "Review"));
    on_->setObjectName(QStringLiteral("chkReview"));
    retention_->setObjectName(QStringLiteral("spnRetention"));
    workload_->setObjectName(QStringLiteral("lblWorkload"));
    retention_->setRange(static_cast<int>(std::lround(learn::kLowestRetention * 100)),
                         static_cast<int>(std::lround(learn::kHighestRetention * 100)));
    retention_->setSuffix(QStringLiteral(" %"));
    auto* what =
        new QLabel(QCoreApplication::translate(
                       "ReviewDialog",
                       "Memorant works out from your replies how well you still remember each "
                       "card. A card is due when the chance that you recall it has fallen below "
                       "the recall you want. Learn > Due cards asks the due cards of all sets."),
                   this);
    what->setWordWrap(true);
    workload_->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("ReviewDialog", "Recall wanted:"), retention_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addWidget(on_);
    layout->addLayout(form);
    layout->addWidget(workload_);
    layout->addWidget(buttons);
    connect(on_, &QCheckBox::toggled, retention_, &QWidget::setEnabled);
    connect(retention_, &QSpinBox::valueChanged, this, &ReviewDialog::showWorkload);
    choose(current);
    showWorkload();
}

learn::ReviewSettings ReviewDialog::chosen() const {
    return {on_->isChecked(), retention_->value() / 100.0};
}

void ReviewDialog::choose(const learn::ReviewSettings& settings) {
    on_->setChecked(settings.on);
    retention_->setEnabled(settings.on);
    retention_->setValue(static_cast<int>(std::lround(settings.retention * 100)));
}

void ReviewDialog::showWorkload() {
    if (stabilities_.empty()) {
        workload_->setText(QCoreApplication::translate(
            "ReviewDialog", "No card has been answered yet: the reviews a day show here once "
                            "there are replies."));
        return;
    }
    const double perDay = learn::reviewsPerDay(stabilities_, retention_->value() / 100.0);
    workload_->setText(
        QCoreApplication::translate(
            "ReviewDialog",
            "For the %n cards answered so far, about %1 reviews a day. More recall wanted means "
            "more reviews.",
            nullptr, int(stabilities_.size()))
            .arg(perDay < 10 ? QString::number(perDay, 'f', 1)
                             : QString::number(std::lround(perDay))));
}

} // namespace window
