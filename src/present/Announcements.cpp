// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/Announcements.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>

namespace present {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

} // namespace

QString learningAnnouncement(const QString& result, const QString& question,
                             const QStringList& progress) {
    QStringList parts;
    // The result comes as the log stores it; the reader says it in the language in use.
    if (result == QLatin1String("Correct"))
        parts << Text::tr("Correct.");
    else if (result == QLatin1String("Wrong"))
        parts << Text::tr("Wrong.");
    else if (!result.isEmpty())
        parts << result + QLatin1Char('.');
    if (!question.isEmpty())
        parts << Text::tr("Question: %1").arg(question);
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
