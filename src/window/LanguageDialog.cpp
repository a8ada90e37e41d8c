// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LanguageDialog.h"

#include "i18n/Language.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace window {

LanguageDialog::LanguageDialog(const QString& current, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(tr("Language"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("The language of Memorant's windows on this computer:"), this);
    layout->addWidget(label);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("languageList"));
    label->setBuddy(list_);
    // Each language under its own name, so a learner finds it whatever is shown now.
    for (const QString& code : i18n::offeredLanguages()) {
        auto* item = new QListWidgetItem(i18n::languageName(code), list_);
        item->setData(Qt::UserRole, code);
    }
    layout->addWidget(list_);
    const QString system = i18n::systemLanguageOffered();
    if (!system.isEmpty()) {
        auto* note = new QLabel(
            tr("Memorant speaks your system's language, %1.").arg(i18n::languageName(system)),
            this);
        note->setObjectName(QStringLiteral("systemLanguageNote"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    layout->addWidget(buttons);
    choose(current);
}

QString LanguageDialog::chosen() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QStringLiteral("en");
}

void LanguageDialog::choose(const QString& code) {
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->data(Qt::UserRole).toString() == code)
            list_->setCurrentRow(i);
}

} // namespace window
