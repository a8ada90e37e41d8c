// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"
#include "window/DelayWindow.h"

#include <QSlider>

class TestDelayWindow : public QObject {
    Q_OBJECT
  private slots:
    void sliderShowsZad_data();
    void sliderShowsZad();
    void menuOpensTheWindowModally();
};

void TestDelayWindow::sliderShowsZad_data() {
    QTest::addColumn<QVariant>("zad");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("shown"); // beside the slider
    QTest::newRow("0") << QVariant(0) << 0 << "No pause";
    QTest::newRow("2") << QVariant(2) << 2 << "0.8 seconds";
    QTest::newRow("7 shows at the end") << QVariant(7) << 3 << "1.2 seconds";
    QTest::newRow("-1 shows at the start") << QVariant(-1) << 0 << "No pause";
    QTest::newRow("NULL") << QVariant() << 0 << "No pause";
    QTest::newRow("2.6 rounds") << QVariant(2.6) << 3 << "1.2 seconds";
}

void TestDelayWindow::sliderShowsZad() {
    QFETCH(QVariant, zad);
    QFETCH(int, position);
    QFETCH(QString, shown);
    testing::TempDatabase t;
    testing::ScriptedDialogs dialogs;
    t.exec("UPDATE Fields1 SET Zad = ?", {zad});
    window::Form7 form(dialogs);
    form.Form_Load();
    QCOMPARE(form.Slider1->value(), position);
    QCOMPARE(form.value->text(), shown.replace(QLatin1Char('.'), QLocale().decimalPoint()));
    // Showing the value is no change: the stored value stays until the learner moves.
    QVERIFY(t.scalar("SELECT Zad IS ? FROM Fields1", {zad}).toBool());
}

void TestDelayWindow::menuOpensTheWindowModally() {
    testing::WindowFixture f(true);
    f.start();
    f.t.exec("UPDATE Fields1 SET Zad = 2");

    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto* form = qobject_cast<window::Form7*>(QApplication::activeModalWidget());
        QVERIFY(form);
        seen = true;
        QCOMPARE(form->Slider1->value(), 2);
        form->Slider1->setValue(1); // the value beside it follows the slider
        QCOMPARE(form->value->text(), "0" + QLocale().decimalPoint() + "4 seconds");
        form->Slider1->setValue(3);
        form->close();
    });
    f.c().mnudelay->trigger();
    QVERIFY(seen);
    QCOMPARE(f.t.scalar("SELECT Zad FROM Fields1").toInt(), 3);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Fields1"), 1);
}

QTEST_MAIN(TestDelayWindow)
#include "test_delaywindow.moc"
