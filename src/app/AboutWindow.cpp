#include "app/AboutWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace app {

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Memorant"));
    setWindowModality(Qt::NonModal);

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

    auto* version = new QLabel(QStringLiteral("Version 1.0"), this);
    version->setObjectName(QStringLiteral("version"));
    version->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    layout->setSpacing(12);
    layout->addWidget(name);
    layout->addWidget(version);
}

} // namespace app
