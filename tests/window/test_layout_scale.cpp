// SPDX-License-Identifier: GPL-3.0-or-later
// The screens of the real main window as the user resizes it: everything keeps its
// proportions and stands centred, each mode keeps its own size from run to run, and the
// window stays on the screen.
#include "present/LayoutScaler.h"
#include "support/WindowFixture.h"

#include <QHeaderView>
#include <QScreen>
#include <QtTest>
#include <cmath>
#include <functional>
#include <map>

namespace {

struct Window : testing::WindowFixture {
    // Set "Many": more cards than the card grid shows at once.
    Window() {
        const qint64 set = t.addSet(QStringLiteral("Many"));
        for (int i = 1; i <= 40; ++i)
            t.addCard(QStringLiteral("question %1").arg(i), QStringLiteral("answer %1").arg(i),
                      set);
        t.chooseSet(QStringLiteral("Many"));
    }
    present::LayoutScaler& scaler() { return *present::LayoutScaler::of(w.get()); }
    // As a window manager does it when the user drags the window's corner.
    void drag(QSize size) {
        w->resize(size);
        QCoreApplication::processEvents();
    }
    std::map<QWidget*, QRect> shownControls() {
        std::map<QWidget*, QRect> places;
        for (QWidget* child : c().canvas->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(w.get()))
                places[child] = child->geometry();
        return places;
    }
    // The first shown control not wholly inside the screen's area, or an empty text.
    QString cutOff() {
        const QRect area = c().area->rect();
        for (const auto& [control, place] : shownControls())
            if (!area.contains(QRect(control->mapTo(c().area, QPoint(0, 0)), place.size())))
                return control->objectName() + QStringLiteral(" is cut off");
        return {};
    }
    double stored(const char* column) {
        return t.scalar(QStringLiteral("SELECT %1 FROM Fields1").arg(QLatin1String(column)))
            .toDouble();
    }
    int lastRowShown() {
        QTableView* grid = c().TDBGrid2;
        const int row = grid->rowAt(grid->viewport()->height() - 1);
        return row < 0 ? grid->model()->rowCount() : row;
    }
};

bool near(double a, double b, double within) {
    return std::abs(a - b) <= within;
}

} // namespace

class TestLayoutScale : public QObject {
    Q_OBJECT
  private slots:
    void screenScalesWithTheWindow_data();
    void screenScalesWithTheWindow();
    void backToTheDesignedSizeIsExact();
    void eachModeKeepsItsSizeFromRunToRun();
    void windowStaysOnTheScreen();
};

void TestLayoutScale::screenScalesWithTheWindow_data() {
    QTest::addColumn<bool>("learning");
    QTest::addColumn<double>("wider"); // the window's width over the designed one
    QTest::addColumn<double>("taller");
    QTest::newRow("card grid, wider than tall") << false << 1.7 << 1.2;
    QTest::newRow("learning, larger") << true << 1.5 << 1.4;
}

void TestLayoutScale::screenScalesWithTheWindow() {
    QFETCH(bool, learning);
    QFETCH(double, wider);
    QFETCH(double, taller);
    Window x;
    x.start();
    if (learning)
        x.learn();
    const QSize designed = x.w->size();
    const auto before = x.shownControls();
    const double points = x.c().Label2->font().pointSizeF();
    const int rows = x.lastRowShown();
    const int question = x.c().TDBGrid2->columnWidth(1);

    x.drag(QSize(qRound(designed.width() * wider), qRound(designed.height() * taller)));
    const double f = std::min(wider, taller);
    QTRY_VERIFY2(near(x.scaler().factor(), f, 0.01),
                 qPrintable(QString::number(x.scaler().factor())));

    // Every control keeps its place relative to the others, and none is cut off.
    QCOMPARE(x.cutOff(), QString());
    for (const auto& [control, was] : x.shownControls()) {
        QVERIFY2(before.count(control), qPrintable(control->objectName()));
        const QRect now = control->geometry();
        const QRect old = before.at(control);
        const char* name = qPrintable(control->objectName());
        QVERIFY2(near(now.x(), old.x() * f, 1.5) && near(now.y(), old.y() * f, 1.5), name);
        QVERIFY2(near(now.height(), old.height() * f, 2.5), name);
        QVERIFY2(now.width() + 2 >= old.width() * f, name); // a caption may need more
    }
    QVERIFY(near(x.c().Label2->font().pointSizeF(), points * f, 0.01));
    // The designed window stands in the middle of the real one.
    const int content = qRound(designed.width() * f);
    QVERIFY(near(x.c().canvas->x(), (x.w->width() - content) / 2.0, 1));
    if (!learning) {
        QVERIFY2(x.lastRowShown() > rows, "the larger card grid shows more rows");
        QVERIFY(near(x.c().TDBGrid2->columnWidth(1), question * f, 1));
    }
    QTRY_VERIFY(near(x.stored("AcademicScale"), f, 0.01));
    QCOMPARE(x.stored("KidsScale"), 1.0);
}

// Drawn larger and back again, every control is exactly where it was: no rounding creeps in.
void TestLayoutScale::backToTheDesignedSizeIsExact() {
    Window x;
    x.start();
    x.learn();
    const QSize designed = x.w->size();
    const auto before = x.shownControls();
    const QFont answerFont = x.c().Label4->font();
    for (double f : {1.37, 0.81, 1.93}) {
        x.drag(QSize(qRound(designed.width() * f), qRound(designed.height() * f)));
        QTRY_VERIFY(near(x.scaler().factor(), f, 0.01));
    }
    x.drag(designed);
    QTRY_COMPARE(x.scaler().factor(), 1.0);
    QCOMPARE(x.w->size(), designed);
    for (const auto& [control, place] : x.shownControls()) {
        QVERIFY2(before.count(control), qPrintable(control->objectName()));
        QCOMPARE(place, before.at(control));
    }
    QCOMPARE(x.c().Label4->font(), answerFont);
    QCOMPARE(x.c().canvas->pos(), QPoint(0, 0));
}

void TestLayoutScale::eachModeKeepsItsSizeFromRunToRun() {
    Window x;
    x.start();
    const QSize academic = x.w->size();
    x.drag(academic * 1.3);
    QTRY_VERIFY(near(x.scaler().factor(), 1.3, 0.01));

    x.c().mnuKids->trigger();
    QCOMPARE(x.scaler().factor(), 1.0); // Kids mode has a size of its own
    const QSize kids = x.w->size();
    x.drag(kids * 0.9);
    QTRY_VERIFY(near(x.scaler().factor(), 0.9, 0.01));

    x.c().mnuSilent->trigger();
    QVERIFY(near(x.scaler().factor(), 1.3, 0.01));
    QCOMPARE(x.w->size(), academic * 1.3);

    // The next run starts at the sizes this one ended with.
    x.w->close();
    x.w.reset();
    QVERIFY(near(x.stored("AcademicScale"), 1.3, 0.01) && near(x.stored("KidsScale"), 0.9, 0.01));
    x.start();
    QCOMPARE(x.w->size(), academic * 1.3);
    x.c().mnuKids->trigger();
    QCOMPARE(x.w->size(), kids * 0.9);
}

// Asked for more than the screen has room for, the window takes what fits, and every
// control of every Kids screen is inside it.
void TestLayoutScale::windowStaysOnTheScreen() {
    Window x;
    x.t.exec(QStringLiteral("UPDATE Fields1 SET KidsScale = 3"));
    x.start();
    x.c().mnuKids->trigger();
    const QRect room = x.w->screen()->availableGeometry();
    // In the order a learner can reach them by the menus.
    const std::function<void()> screens[] = {[&x] { x.w->ScrChangeVisible(); },
                                             [&x] { x.w->ScrChngSetName(); }, [&x] { x.learn(); },
                                             [&x] { x.w->ScrCreateVisible(); }};
    for (const auto& open : screens) {
        open();
        QVERIFY(x.scaler().factor() > 1.0 && x.scaler().factor() < 3.0);
        QVERIFY(x.w->frameGeometry().height() <= room.height());
        QVERIFY(x.w->frameGeometry().width() <= room.width());
        QCoreApplication::processEvents();
        QCOMPARE(x.cutOff(), QString());
    }
}

QTEST_MAIN(TestLayoutScale)
#include "test_layout_scale.moc"
