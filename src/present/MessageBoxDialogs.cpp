// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/MessageBoxDialogs.h"

#include "present/ScaledPlacement.h"

#include <QMessageBox>
#include <QTextDocumentFragment>

namespace present {
namespace {

// An empty title must stay empty rather than fall back to the application name.
QString captionOf(const QString& title) {
    return title.isEmpty() ? QStringLiteral(" ") : title;
}

} // namespace

QString shortenedForBox(const QString& text, qsizetype longest) {
    constexpr qsizetype kLongestRun = 80; // characters without a space on one line
    const QString shown =
        text.size() > longest ? text.left(longest) + QStringLiteral(" [...]") : text;
    QString wrapped;
    wrapped.reserve(shown.size() + shown.size() / kLongestRun);
    qsizetype run = 0;
    for (const QChar ch : shown) {
        if (ch.isSpace()) {
            run = 0;
        } else if (++run > kLongestRun) {
            wrapped += QLatin1Char('\n');
            run = 1;
        }
        wrapped += ch;
    }
    return wrapped;
}

void MessageBoxDialogs::giveFocusBack() const {
    // Typing must go on in the window behind the box, even where no window manager hands
    // the focus back when the box closes.
    if (parent_)
        parent_->activateWindow();
}

void MessageBoxDialogs::message(const QString& text, const QString& title) {
    // Plain text: an answer holding "<b>" or a run of blanks is shown as it is.
    QMessageBox box(QMessageBox::Information, captionOf(title), shortenedForBox(text),
                    QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    giveFocusBack();
}

QString textWithDetailHtml(const QString& text, const QString& richDetail) {
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>%2")
        .arg(shortenedForBox(text).toHtmlEscaped(), richDetail);
}

void MessageBoxDialogs::messageWithDetail(const QString& text, const QString& richDetail,
                                          const QString& title) {
    QMessageBox box(QMessageBox::Information, captionOf(title), QString(), QMessageBox::Ok,
                    parent_);
    box.setTextFormat(Qt::RichText);
    box.setText(textWithDetailHtml(text, richDetail));
    // A screen reader reads the words, not the markup the box is drawn from.
    box.setAccessibleDescription(QTextDocumentFragment::fromHtml(box.text()).toPlainText());
    // As large as the window it tells about is drawn.
    if (parent_) {
        QFont font = box.font();
        font.setPointSizeF(font.pointSizeF() * layoutScale(parent_));
        box.setFont(font);
    }
    box.exec();
    giveFocusBack();
}

void MessageBoxDialogs::warning(const QString& text, const QString& title) {
    QMessageBox::warning(parent_, captionOf(title), shortenedForBox(text), QMessageBox::Ok);
    giveFocusBack();
}

bool MessageBoxDialogs::confirm(const QString& text, const QString& title, Button byDefault) {
    const bool yes =
        QMessageBox::question(
            parent_, captionOf(title), shortenedForBox(text), QMessageBox::Yes | QMessageBox::No,
            byDefault == Button::No ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
    giveFocusBack();
    return yes;
}

} // namespace present
