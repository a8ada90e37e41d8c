// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LanguageMenu.h"

#include "i18n/Language.h"
#include "present/ApplyLayout.h"
#include "present/TranslatedText.h"
#include "window/LanguageDialog.h"

#include <QEvent>
#include <QMenu>

namespace window {

LanguageMenu::LanguageMenu(present::Form1Controls& c, QObject* parent) : QObject(parent), c_(c) {
    entry_ = c.mnuEdit->menu()->addAction(QString());
    entry_->setObjectName(QStringLiteral("mnuLanguage"));
    present::setTranslatedText(entry_, "Form1",
                               QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Language...")));
    c.mnuLanguage = entry_;
    connect(entry_, &QAction::triggered, this, &LanguageMenu::openDialog);
}

bool LanguageMenu::event(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        present::retranslateScreen(c_);
        if (afterChange)
            afterChange();
    }
    return QObject::event(e);
}

void LanguageMenu::openDialog() {
    if (dialog_) {
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    auto* dialog = new LanguageDialog(i18n::languageInUse(), c_.Form1);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog_ = dialog;
    connect(dialog, &QDialog::finished, this, [this] { dialog_ = nullptr; });
    connect(dialog, &QDialog::accepted, this, [this, dialog] { choose(dialog->chosen()); });
    dialog->open();
}

void LanguageMenu::choose(const QString& code) {
    i18n::rememberLanguage(code);
    if (code != i18n::languageInUse())
        (void)i18n::useLanguage(code);
}

} // namespace window
