// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RecordsetModel.h"
#include "learn/rules/LessonState.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"
#include "window/Form1.h"

#include <QApplication>
#include <QMenuBar>
#include <QtTest>
#include <memory>

namespace testing {

// The real main window on a fresh database, started as the program starts it, shown
// offscreen and driven as a user would. Seed the database through `t` before start().
struct WindowFixture {
    explicit WindowFixture(bool sample = false) : t(sample) {}

    void start() {
        w = std::make_unique<window::Form1>(t.db(), dialogs, speech);
        w->Form_Load();
        w->show();
    }
    // For tests that click the menu bar: also makes the window the active one.
    bool startActive() {
        start();
        QApplication::setActiveWindow(w.get());
        return QTest::qWaitForWindowActive(w.get());
    }

    present::Form1Controls& c() { return w->controls(); }
    learn::LessonState& lesson() { return w->lesson(); }

    // File > Learn: the learning screen puts the first question.
    void learn() { c().mnuLearn->trigger(); }

    // The user picks a set in the set list.
    void pick(const QString& name) {
        const int i = c().DataCombo1->findText(name);
        QVERIFY2(i >= 0, qPrintable(name));
        c().DataCombo1->setCurrentIndex(i);
        emit c().DataCombo1->activated(i);
    }

    // Types a reply and presses Enter, which checks it.
    void reply(const QString& text) {
        c().Text3->clear();
        QTest::keyClicks(c().Text3, text);
        QTest::keyClick(c().Text3, Qt::Key_Return);
    }

    // Opens a menu of the menu bar with the mouse and clicks one of its entries.
    void chooseMenu(QAction* top, QAction* entry) {
        QMenuBar* bar = w->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
        QMenu* menu = top->menu();
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    }

    QVariant cardValue(qint64 id, const char* column) {
        return t.scalar(QStringLiteral("SELECT \"%1\" FROM Card WHERE Card_ID = ?")
                            .arg(QString::fromLatin1(column)),
                        {id});
    }
    int logRows() { return count(QStringLiteral("SELECT COUNT(*) FROM Log")); }
    int count(const QString& sql, const QVariantList& binds = {}) const {
        return t.scalar(sql, binds).toInt();
    }

    // Everything a reply to `card` changes: its stored row, the log, the lesson's counters,
    // its row of the card array and the status bar; to compare before and after an undo.
    QStringList replyTrace(qint64 card) {
        QStringList trace;
        trace << t.scalar(QStringLiteral("SELECT quote(Rating) || quote(Correct) || "
                                         "quote(Incorrect) || quote(\"Order\") || "
                                         "quote(CurStatus) FROM Card WHERE Card_ID = ?"),
                          {card})
                     .toString();
        trace
            << t.scalar(QStringLiteral("SELECT group_concat(RecID || Result) FROM Log")).toString();
        const learn::LessonState& L = lesson();
        trace << QStringLiteral("%1 %2 %3 %4")
                     .arg(L.Row)
                     .arg(L.CheckAll)
                     .arg(L.BunchCorrect)
                     .arg(L.CurSetSize);
        for (int col = learn::ColQuestion; col <= learn::ColDisplayQuestionNumber; ++col)
            trace << L.CSarray.at(L.Row, col).toString();
        for (QLabel* panel : c().panels)
            trace << panel->text();
        return trace;
    }

    TempDatabase t;
    ScriptedDialogs dialogs;
    RecordingSpeech speech;
    std::unique_ptr<window::Form1> w;
};

} // namespace testing
