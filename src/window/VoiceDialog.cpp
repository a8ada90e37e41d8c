// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/VoiceDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace app {

VoiceDialog::VoiceDialog(const QStringList& voices, const QString& current, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("VoiceDialog"));
    setWindowTitle(QStringLiteral("Voice"));
    list_->setObjectName(QStringLiteral("voiceList"));
    list_->addItems(voices);
    selectVoice(current);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("The language the questions are spoken in:")));
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

QString VoiceDialog::selectedVoice() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->text() : QString();
}

void VoiceDialog::selectVoice(const QString& voice) {
    const QList<QListWidgetItem*> found = list_->findItems(voice, Qt::MatchExactly);
    if (!found.isEmpty()) {
        list_->setCurrentItem(found.first());
        list_->scrollToItem(found.first());
    }
}

} // namespace app
