// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/AboutWindow.h"

#include "Version.h"
#include "data/Database.h"
#include "present/WindowKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace window {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AboutWindow)
};
} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Memorant"));
    setWindowModality(Qt::NonModal);
    present::closeOnEscape(this);

    auto* name = new QLabel(QStringLiteral("Memorant"), this);
    name->setObjectName(QStringLiteral("productName"));
    // Where Book Antiqua is missing, a like face or any serif face stands in.
    QFont face;
    face.setFamilies({QStringLiteral("Book Antiqua"), QStringLiteral("Palatino Linotype"),
                      QStringLiteral("Palatino"), QStringLiteral("P052"),
                      QStringLiteral("URW Palladio L"), QStringLiteral("serif")});
    face.setStyleHint(QFont::Serif);
    face.setPointSize(24);
    name->setFont(face);
    name->setAlignment(Qt::AlignCenter);

    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("version"));
    version_->setAlignment(Qt::AlignCenter);

    file_ = new QLabel(this);
    file_->setObjectName(QStringLiteral("databaseFile"));
    file_->setAlignment(Qt::AlignCenter);
    file_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    layout->setSpacing(12);
    layout->addWidget(name);
    layout->addWidget(version_);
    layout->addWidget(file_);
    retranslate();
}

void AboutWindow::retranslate() {
    version_->setText(Text::tr("Version %1").arg(QStringLiteral(MEMORANT_VERSION)));
    // Which file is open: with the menu entry it lies in the data folder, not where the
    // user might look first.
    const QString path = data::mainConnection().databaseName();
    file_->setText(
        Text::tr("Database: %1").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
}

void AboutWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(e);
}

} // namespace window
