// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders the SVG icon to a square PNG of a given size.
// Usage: memorant-render-icon ICON.svg SIZE OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv) {
    // No display is needed or wanted at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.value(2).toInt(&sizeOk);
    if (args.size() != 4 || !sizeOk || size <= 0) {
        QTextStream(stderr) << "usage: memorant-render-icon ICON.svg SIZE OUT.png\n";
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        QTextStream(stderr) << "cannot read the SVG file " << args[1] << "\n";
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
    if (!image.save(args[3], "PNG")) {
        QTextStream(stderr) << "cannot write " << args[3] << "\n";
        return 1;
    }
    return 0;
}
