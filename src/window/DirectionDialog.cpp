// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DirectionDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace window {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DirectionDialog)
};
} // namespace

DirectionDialog::DirectionDialog(const QString& setName, learn::SetDirection current,
                                 QWidget* parent)
    : QDialog(parent),
      forward_(new QRadioButton(Text::tr("Question to answer (show the question, type the answer)"),
                                this)),
      reverse_(new QRadioButton(Text::tr("Answer to question (show the answer, type the question)"),
                                this)),
      both_(new QRadioButton(Text::tr("Both ways (each card is asked twice a pass)"), this)) {
    setObjectName(QStringLiteral("DirectionDialog"));
    setWindowTitle(Text::tr("Direction"));
    forward_->setObjectName(QStringLiteral("optForward"));
    reverse_->setObjectName(QStringLiteral("optReverse"));
    both_->setObjectName(QStringLiteral("optBoth"));
    auto* what =
        new QLabel(Text::tr("How the cards of the set \"%1\" are asked:").arg(setName), this);
    what->setTextFormat(Qt::PlainText); // a set's name is never markup
    what->setWordWrap(true);
    auto* note =
        new QLabel(Text::tr("Each way keeps its own rating, counts and Demons mark. Cards with "
                            "multiple answers are always asked from the question to "
                            "the answers."),
                   this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addWidget(forward_);
    layout->addWidget(reverse_);
    layout->addWidget(both_);
    layout->addWidget(note);
    layout->addWidget(buttons);
    choose(current);
}

learn::SetDirection DirectionDialog::chosen() const {
    if (reverse_->isChecked())
        return learn::SetDirection::Reverse;
    if (both_->isChecked())
        return learn::SetDirection::Both;
    return learn::SetDirection::Forward;
}

void DirectionDialog::choose(learn::SetDirection direction) {
    switch (direction) {
    case learn::SetDirection::Reverse:
        reverse_->setChecked(true);
        return;
    case learn::SetDirection::Both:
        both_->setChecked(true);
        return;
    case learn::SetDirection::Forward:
        forward_->setChecked(true);
        return;
    }
}

} // namespace window
