#pragma once

#include "app/Form1.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"

#include <QApplication>
#include <QMenuBar>
#include <QtTest>
#include <memory>

// The real main window over a fresh database, shown offscreen and driven as a user would.
struct SetsFixture {
    testing::TempDatabase t;
    testing::ScriptedDialogs dialogs;
    testing::RecordingSpeech speech;
    std::unique_ptr<app::Form1> w;

    bool start() {
        w = std::make_unique<app::Form1>(t.db(), dialogs, speech);
        w->Form_Load();
        w->show();
        QApplication::setActiveWindow(w.get());
        return QTest::qWaitForWindowActive(w.get());
    }
    present::Form1Controls& c() { return w->controls(); }
    // Two sets, "Verbs" (chosen, one card go/went) and "Nouns"; returns the Verbs id.
    qint64 seedVerbsAndNouns() {
        const qint64 verbs = t.addSet(QStringLiteral("Verbs"));
        t.addSet(QStringLiteral("Nouns"));
        t.addCard(QStringLiteral("go"), QStringLiteral("went"), verbs);
        t.chooseSet(QStringLiteral("Verbs"));
        return verbs;
    }
    int count(const QString& sql, const QVariantList& binds = {}) const {
        return t.scalar(sql, binds).toInt();
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
};
