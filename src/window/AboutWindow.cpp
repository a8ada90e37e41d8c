// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/AboutWindow.h"

#include "Version.h"
#include "data/Database.h"
#include "present/WindowKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace window {

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

    auto* version = new QLabel(QStringLiteral("Version " MEMORANT_VERSION), this);
    version->setObjectName(QStringLiteral("version"));
    version->setAlignment(Qt::AlignCenter);

    // Which file is open: with the menu entry it lies in the data folder, not where the
    // user might look first.
    const QString path = data::mainConnection().databaseName();
    auto* file = new QLabel(QStringLiteral("Database: %1")
                                .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())),
                            this);
    file->setObjectName(QStringLiteral("databaseFile"));
    file->setAlignment(Qt::AlignCenter);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    layout->setSpacing(12);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(file);
}

} // namespace window
