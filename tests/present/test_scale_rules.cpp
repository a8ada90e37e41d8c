// SPDX-License-Identifier: GPL-3.0-or-later
// The scale rule on its own: one layout table drawn into windows of other sizes, and the cap
// that keeps the window on the screen.
#include "present/KidsLayouts.h"
#include "present/ScaleRules.h"
#include "present/Twips.h"

#include <QtTest>
#include <cmath>

namespace {
// The Kids window as designed, in pixels at 96 dpi.
QSizeF kidsWindow() {
    return {present::twipsToDesign(present::kKidsWindowWidth, nullptr),
            present::twipsToDesign(present::kKidsWindowHeight, nullptr)};
}
} // namespace

class TestScaleRules : public QObject {
    Q_OBJECT
  private slots:
    void tableScalesIntoTheWindow_data();
    void tableScalesIntoTheWindow();
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();
    void factorsAreBounded_data();
    void factorsAreBounded();
};

void TestScaleRules::tableScalesIntoTheWindow_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("factor");
    QTest::newRow("taller than the design") << QSize(740, 1200) << 1.5;
    QTest::newRow("wider than the design") << QSize(1300, 696) << 1.2;
}

// Every control of the Kids learning screen lands inside the window, keeps its place relative
// to the others, and the designed window stands in the middle of the room.
void TestScaleRules::tableScalesIntoTheWindow() {
    QFETCH(QSize, window);
    QFETCH(double, factor);
    const QSizeF designed = kidsWindow();
    const double f = present::scaleToFit(QSizeF(window), designed);
    QVERIFY2(std::abs(f - factor) < 0.01, qPrintable(QString::number(f)));
    const QPoint offset = present::centringOffset(window, designed, f);
    const QSize content = present::scaledSize(designed, f);
    QVERIFY(content.width() <= window.width() && content.height() <= window.height());
    // The same room on both sides, to the pixel, along the side that has room to spare.
    QVERIFY(std::abs(offset.x() - (window.width() - content.width() - offset.x())) <= 1);
    QVERIFY(std::abs(offset.y() - (window.height() - content.height() - offset.y())) <= 1);

    const QRect room(QPoint(0, 0), window);
    int placed = 0;
    for (const present::ControlSetting& s : present::learningKids().controls) {
        if (!s.left || !s.top || !s.width || !s.height)
            continue;
        const QRectF design(
            present::twipsToDesign(*s.left, nullptr), present::twipsToDesign(*s.top, nullptr),
            present::twipsToDesign(*s.width, nullptr), present::twipsToDesign(*s.height, nullptr));
        const QRect r = present::scaledRect(design, f).translated(offset);
        QVERIFY2(room.contains(r), s.control);
        // Rounding moves no edge by more than a pixel from its place at this factor.
        QVERIFY2(std::abs(r.left() - offset.x() - design.left() * f) <= 0.5, s.control);
        QVERIFY2(std::abs(r.width() - design.width() * f) <= 0.5, s.control);
        ++placed;
    }
    QVERIFY(placed >= 8);
}

void TestScaleRules::windowFitsTheScreen_data() {
    QTest::addColumn<double>("screenScale"); // QT_SCALE_FACTOR
    QTest::addColumn<QSizeF>("designed");
    QTest::addColumn<double>("wanted");
    const QSizeF wide(present::twipsToDesign(10127, nullptr),
                      present::twipsToDesign(7010, nullptr));
    for (double scale : {1.0, 1.5, 2.0}) {
        QTest::addRow("Kids at %g, as designed", scale * 100) << scale << kidsWindow() << 1.0;
        QTest::addRow("Kids at %g, made large", scale * 100) << scale << kidsWindow() << 3.0;
        QTest::addRow("answers editor at %g", scale * 100) << scale << wide << 1.0;
    }
}

// On a 1280 x 1024 screen with a title bar, at any scale of the desktop, the window with its
// frame fits the room the screen leaves; where it fits as designed it is not made smaller.
void TestScaleRules::windowFitsTheScreen() {
    QFETCH(double, screenScale);
    QFETCH(QSizeF, designed);
    QFETCH(double, wanted);
    const QSizeF available = QSizeF(1280, 1024) / screenScale;
    const QMarginsF frame(2, 28, 2, 2);
    const double f =
        present::boundedScale(wanted, present::largestScale(available, frame, designed));
    const QSize window = present::scaledSize(designed, f);
    QVERIFY2(window.width() + 4 <= available.width() + 0.5, qPrintable(QString::number(f)));
    QVERIFY2(window.height() + 30 <= available.height() + 0.5, qPrintable(QString::number(f)));
    if (designed.height() + 30 <= available.height() && designed.width() + 4 <= available.width())
        QVERIFY(f >= std::min(wanted, 1.0));
}

void TestScaleRules::factorsAreBounded_data() {
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("largest");
    QTest::addColumn<double>("inForce");
    QTest::newRow("as asked") << 1.4 << 2.0 << 1.4;
    QTest::newRow("too large for the screen") << 3.0 << 1.2 << 1.2;
    QTest::newRow("too small to read") << 0.3 << 2.0 << present::kSmallestScale;
    QTest::newRow("a screen too small even for that") << 0.3 << 0.5 << 0.5;
    QTest::newRow("no screen known") << 1.4 << 0.0 << 1.4;
    QTest::newRow("damaged: not a number") << std::nan("") << 2.0 << 1.0;
    QTest::newRow("damaged: negative") << -2.0 << 2.0 << 1.0;
    QTest::newRow("damaged: absurd") << 1e9 << 2.0 << 1.0;
}

void TestScaleRules::factorsAreBounded() {
    QFETCH(double, stored);
    QFETCH(double, largest);
    QFETCH(double, inForce);
    QCOMPARE(present::boundedScale(present::usableStoredScale(stored), largest), inForce);
}

QTEST_MAIN(TestScaleRules)
#include "test_scale_rules.moc"
