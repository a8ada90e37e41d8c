// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedDialogs.h"

#include <QStringList>

namespace testing {

void ScriptedDialogs::message(const QString& text, const QString& title) {
    if (onMessage)
        onMessage(text);
    shown_.append({Shown::Message, text, title, Button::Yes, {}});
}

void ScriptedDialogs::messageWithDetail(const QString& text, const QString& richDetail,
                                        const QString& title) {
    if (onMessage)
        onMessage(text);
    shown_.append({Shown::Message, text, title, Button::Yes, richDetail});
}

void ScriptedDialogs::warning(const QString& text, const QString& title) {
    shown_.append({Shown::Warning, text, title, Button::Yes, {}});
}

bool ScriptedDialogs::confirm(const QString& text, const QString& title, Button byDefault) {
    shown_.append({Shown::Confirm, text, title, byDefault, {}});
    return answers_.isEmpty() ? true : answers_.takeFirst();
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const Shown& s : shown_)
        out << s.text;
    return out;
}

} // namespace testing
