// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window of the menus' long jobs: when it shows, what its bar says, and that
// Cancel reaches the job.
#include "window/ProgressWindow.h"

#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using window::ProgressWindow;

class TestProgressWindow : public QObject {
    Q_OBJECT
  private slots:
    void barFollowsTheJob_data();
    void barFollowsTheJob();
    void shortJobShowsNothing();
    void cancelStopsTheJob();
};

void TestProgressWindow::barFollowsTheJob_data() {
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("records") << qint64(250) << qint64(1000) << 25;
    QTest::newRow("bytes past an int")
        << qint64(3) * 1024 * 1024 * 1024 << qint64(6) * 1024 * 1024 * 1024 << 50;
    QTest::newRow("done past total") << qint64(12) << qint64(10) << 100;
}

void TestProgressWindow::barFollowsTheJob() {
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    ProgressWindow progress(nullptr, QStringLiteral("Importing..."), QStringLiteral("%p%"),
                            ProgressWindow::Cancel::No, 0);
    QVERIFY(progress.callback()(done, total));
    QVERIFY(progress.dialog() && progress.dialog()->isVisible());
    QCOMPARE(progress.dialog()->findChild<QProgressBar*>()->text(), QString::number(percent) + '%');
    QVERIFY(!progress.dialog()->findChild<QDialogButtonBox*>());
}

void TestProgressWindow::shortJobShowsNothing() {
    ProgressWindow progress(nullptr, QStringLiteral("Importing..."), QStringLiteral("%p%"),
                            ProgressWindow::Cancel::Yes);
    QVERIFY(progress.callback()(1, 2) && !progress.dialog());
}

void TestProgressWindow::cancelStopsTheJob() {
    ProgressWindow progress(nullptr, QStringLiteral("Importing..."), QStringLiteral("%p%"),
                            ProgressWindow::Cancel::Yes, 0);
    const data::Progress tell = progress.callback();
    QVERIFY(tell(1, 10));
    auto* buttons = progress.dialog()->findChild<QDialogButtonBox*>();
    QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    QVERIFY(!tell(2, 10));
}

QTEST_MAIN(TestProgressWindow)
#include "test_progress_window.moc"
