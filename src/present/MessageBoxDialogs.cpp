#include "present/MessageBoxDialogs.h"

#include <QMessageBox>

namespace present {
namespace {

// An empty title must stay empty rather than fall back to the application name.
QString captionOf(const QString& title) {
    return title.isEmpty() ? QStringLiteral(" ") : title;
}

} // namespace

void MessageBoxDialogs::message(const QString& text, const QString& title) {
    QMessageBox::information(parent_, captionOf(title), text, QMessageBox::Ok);
}

void MessageBoxDialogs::warning(const QString& text, const QString& title) {
    QMessageBox::warning(parent_, captionOf(title), text, QMessageBox::Ok);
}

bool MessageBoxDialogs::confirm(const QString& text, const QString& title) {
    return QMessageBox::question(parent_, captionOf(title), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace present
