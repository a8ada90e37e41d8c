// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: Enter answers a confirmation with its default button.
#include "present/MessageBoxDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using Button = present::Dialogs::Button;

class TestDialogs : public QObject {
    Q_OBJECT
  private slots:
    void enterAnswersWithTheDefault_data();
    void enterAnswersWithTheDefault();
    void detailBoxScalesWithTheWindow();
};

void TestDialogs::enterAnswersWithTheDefault_data() {
    QTest::addColumn<Button>("byDefault");
    QTest::newRow("Yes") << Button::Yes;
    QTest::newRow("No") << Button::No;
}

void TestDialogs::enterAnswersWithTheDefault() {
    QFETCH(Button, byDefault);
    QWidget window;
    window.show();
    present::MessageBoxDialogs dialogs(&window);
    QString shownDefault;
    QTimer answerer; // answers the box as soon as it is up
    answerer.setInterval(10);
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        answerer.stop();
        shownDefault = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    answerer.start();
    const bool yes = dialogs.confirm(QStringLiteral("Delete?"), QString(), byDefault);
    QCOMPARE(yes, byDefault == Button::Yes);
    QCOMPARE(shownDefault.remove(QLatin1Char('&')),
             byDefault == Button::Yes ? QStringLiteral("Yes") : QStringLiteral("No"));
}

// The box with a reply's diff is drawn at the factor of the window it tells about.
void TestDialogs::detailBoxScalesWithTheWindow() {
    QWidget window;
    window.setProperty("layoutScale", 2.0);
    window.show();
    present::MessageBoxDialogs dialogs(&window);
    qreal shownSize = 0;
    QTimer answerer;
    answerer.setInterval(10);
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        answerer.stop();
        shownSize = box->font().pointSizeF();
        QTest::keyClick(box, Qt::Key_Return);
    });
    answerer.start();
    dialogs.messageWithDetail(QStringLiteral("Correct answer is: x"), QStringLiteral("<p>d</p>"));
    QCOMPARE(shownSize, QApplication::font().pointSizeF() * 2);
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
