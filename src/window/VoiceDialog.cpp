// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/VoiceDialog.h"

#include "speech/DefaultVoice.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace window {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(VoiceDialog)
};
} // namespace

VoiceDialog::VoiceDialog(const QStringList& voices, const QHash<QString, QString>& names,
                         const QString& current, const QString& setName, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)),
      allSets_(new QCheckBox(Text::tr("Use this voice for all sets"), this)),
      try_(new QPushButton(Text::tr("Try"), this)) {
    setObjectName(QStringLiteral("VoiceDialog"));
    setWindowTitle(Text::tr("Voice"));
    list_->setObjectName(QStringLiteral("voiceList"));
    list_->setAccessibleName(Text::tr("Voices"));
    allSets_->setObjectName(QStringLiteral("allSets"));
    try_->setObjectName(QStringLiteral("tryButton"));

    // By the names a learner reads, not by code: "German" sits beside "Greek", not "da".
    QList<std::pair<QString, QString>> named;
    for (const QString& v : voices)
        named.append({speech::voiceLabel(v, names.value(v)), v});
    std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto& [label, code] : named) {
        auto* item = new QListWidgetItem(label, list_);
        item->setData(Qt::UserRole, code);
    }
    // Wide enough for the longest name, which tells a variant only at its end.
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() +
                           list_->verticalScrollBar()->sizeHint().width());
    selectVoice(current);

    if (setName.isEmpty()) {
        allSets_->setChecked(true);
        allSets_->setEnabled(false);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(try_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(try_, &QPushButton::clicked, this, [this] {
        if (const QString v = selectedVoice(); !v.isEmpty())
            emit tryVoice(v);
    });
    connect(list_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { try_->setEnabled(item != nullptr); });
    try_->setEnabled(list_->currentItem() != nullptr);

    auto* what = new QLabel(
        setName.isEmpty()
            ? Text::tr("The voice the questions are spoken in:")
            : Text::tr("The voice the questions of the set \"%1\" are spoken in:").arg(setName),
        this);
    what->setTextFormat(Qt::PlainText); // a set's name is never markup
    what->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addWidget(list_);
    layout->addWidget(allSets_);
    layout->addWidget(buttons);
    resize(380, 420);
}

QString VoiceDialog::selectedVoice() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void VoiceDialog::selectVoice(const QString& voice) {
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        if (item->data(Qt::UserRole).toString() == voice) {
            list_->setCurrentItem(item);
            list_->scrollToItem(item);
            return;
        }
    }
}

bool VoiceDialog::forAllSets() const {
    return allSets_->isChecked();
}

} // namespace window
