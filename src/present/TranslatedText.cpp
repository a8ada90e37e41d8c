// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TranslatedText.h"

#include "i18n/Language.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace present {
namespace {

// Properties on the object itself: the text's source, its context and what was last shown,
// which tells a text the program replaced since.
constexpr const char* kSource = "translationSource";
constexpr const char* kContext = "translationContext";
constexpr const char* kShown = "translationShown";
constexpr const char* kTipSource = "translationTipSource";
constexpr const char* kTipContext = "translationTipContext";

QString translate(const QByteArray& context, const QString& source) {
    return QCoreApplication::translate(context.constData(), source.toUtf8().constData());
}

QString textOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    return w->windowTitle();
}

} // namespace

void setShownText(QWidget* w, const QString& text) {
    if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else
        w->setWindowTitle(text);
}

namespace {

void remember(QObject* o, const char* context, const QString& source, const QString& shown) {
    o->setProperty(kSource, source);
    o->setProperty(kContext, QByteArray(context));
    o->setProperty(kShown, shown);
}

template <typename Object, typename Get, typename Set>
void retranslate(Object* o, Get get, Set set) {
    const QVariant source = o->property(kSource);
    if (!source.isValid() || get(o) != o->property(kShown).toString())
        return;
    const QString text = translate(o->property(kContext).toByteArray(), source.toString());
    set(o, text);
    o->setProperty(kShown, text);
}

} // namespace

void setTranslatedText(QWidget* w, const char* context, const QString& source) {
    const QString text = translate(context, source);
    setShownText(w, text);
    remember(w, context, source, text);
}

void setTranslatedText(QAction* a, const char* context, const QString& source) {
    const QString text = translate(context, source);
    a->setText(text);
    remember(a, context, source, text);
}

void setTranslatedToolTip(QWidget* w, const char* context, const QString& source) {
    w->setToolTip(translate(context, source));
    w->setProperty(kTipSource, source);
    w->setProperty(kTipContext, QByteArray(context));
}

void retranslateTexts(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        retranslate(w, textOf, setShownText);
        const QVariant tip = w->property(kTipSource);
        if (tip.isValid())
            w->setToolTip(translate(w->property(kTipContext).toByteArray(), tip.toString()));
    }
    for (QAction* a : root->findChildren<QAction*>())
        retranslate(
            a, [](QAction* x) { return x->text(); },
            [](QAction* x, const QString& t) { x->setText(t); });
}

bool interfaceTranslated() {
    return i18n::languageInUse() != QStringLiteral("en");
}

} // namespace present
