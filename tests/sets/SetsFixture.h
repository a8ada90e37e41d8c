// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/WindowFixture.h"

#include <QHeaderView>
#include <QTableView>

// The main window over two sets, "Verbs" (chosen, one card go/went) and "Nouns", once seeded.
struct SetsFixture : testing::WindowFixture {
    // Returns the Verbs id.
    qint64 seedVerbsAndNouns() {
        const qint64 verbs = t.addSet(QStringLiteral("Verbs"));
        t.addSet(QStringLiteral("Nouns"));
        t.addCard(QStringLiteral("go"), QStringLiteral("went"), verbs);
        t.chooseSet(QStringLiteral("Verbs"));
        return verbs;
    }
    // Moves the focus from `grid` into the set list, as a click there does.
    void leave(QWidget* grid) {
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        c().DataCombo1->setFocus();
        QTRY_VERIFY(c().DataCombo1->hasFocus());
    }
};

// Selects a whole row of the grid by a click on its header.
inline void clickRowHeader(QTableView* g, int row) {
    g->setFocus();
    QTest::mouseClick(g->verticalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(5, g->verticalHeader()->sectionViewportPosition(row) + 5));
}

// Double-clicks a cell and types into its editor, which opens with its text selected; Enter
// writes it unless `keepOpen`. Null when the cell opens no editor.
inline QWidget* typeIntoCell(QTableView* g, int row, int column, const QString& text,
                             bool keepOpen = false) {
    const QModelIndex index = g->model()->index(row, column);
    g->scrollTo(index);
    const QPoint at = g->visualRect(index).center();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
    QWidget* editor = g->indexWidget(index);
    if (!editor)
        return nullptr;
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, text);
    if (!keepOpen) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    return editor;
}

// Keys typed where the focus is, as at the keyboard; Enter writes a cell once the event loop
// runs again.
inline void typeKeys(const QString& text) {
    for (const QChar ch : text)
        QTest::keyClicks(QApplication::focusWidget(), QString(ch));
}
inline void pressKey(Qt::Key key = Qt::Key_Return) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QCoreApplication::processEvents();
}
