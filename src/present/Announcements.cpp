// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/Announcements.h"

#include <QAccessible>
#include <QWidget>

namespace present {

QString learningAnnouncement(const QString& result, const QString& question,
                             const QStringList& progress) {
    QStringList parts;
    if (!result.isEmpty())
        parts << result + QLatin1Char('.');
    if (!question.isEmpty())
        parts << QStringLiteral("Question: ") + question;
    QStringList said;
    for (const QString& p : progress)
        if (!p.trimmed().isEmpty())
            said << p.trimmed();
    if (!said.isEmpty())
        parts << said.join(QStringLiteral(", ")) + QLatin1Char('.');
    return parts.join(QLatin1Char(' '));
}

void announceOn(QWidget* w, const QString& text) {
    w->setAccessibleDescription(text);
    // A reader speaks a description that changes on the focused control; the event is sent
    // here too, so the same words after the same reply are said again.
    QAccessibleEvent changed(w, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace present
