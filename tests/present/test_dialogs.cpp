// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: Enter answers a confirmation with its default button.
#include "present/MessageBoxDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using Button = present::Dialogs::Button;

class TestDialogs : public QObject {
    Q_OBJECT
  private slots:
    void enterAnswersWithTheDefault_data();
    void enterAnswersWithTheDefault();
    void detailBoxScalesWithTheWindow();
    void messageShowsItsTextAsItIs();
};

void TestDialogs::enterAnswersWithTheDefault_data() {
    QTest::addColumn<Button>("byDefault");
    QTest::newRow("Yes") << Button::Yes;
    QTest::newRow("No") << Button::No;
}

namespace {

// Answers the next box with Enter as soon as it is up, after `look` has seen it.
class Answerer : public QObject {
  public:
    explicit Answerer(std::function<void(QMessageBox*)> look) : look_(std::move(look)) {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            timer_.stop();
            look_(box);
            QTest::keyClick(box, Qt::Key_Return);
        });
        timer_.start();
    }

  private:
    QTimer timer_;
    std::function<void(QMessageBox*)> look_;
};

} // namespace

void TestDialogs::enterAnswersWithTheDefault() {
    QFETCH(Button, byDefault);
    QWidget window;
    window.show();
    present::MessageBoxDialogs dialogs(&window);
    QString shownDefault;
    const Answerer answerer([&](QMessageBox* box) {
        shownDefault = box->defaultButton() ? box->defaultButton()->text() : QString();
    });
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
    const Answerer answerer([&](QMessageBox* box) { shownSize = box->font().pointSizeF(); });
    dialogs.messageWithDetail(QStringLiteral("Correct answer is: x"), QStringLiteral("<p>d</p>"));
    QCOMPARE(shownSize, QApplication::font().pointSizeF() * 2);
}

// Kids mode's WRONG box: an answer that looks like markup is not read as markup.
void TestDialogs::messageShowsItsTextAsItIs() {
    QWidget window;
    window.show();
    present::MessageBoxDialogs dialogs(&window);
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    const Answerer answerer([&](QMessageBox* box) {
        format = box->textFormat();
        shown = box->text();
    });
    const QString text = QStringLiteral("Correct answer is: <b>New</b>  York");
    dialogs.message(text, QStringLiteral("WRONG"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(shown, text);
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
