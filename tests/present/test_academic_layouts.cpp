// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/AcademicLayouts.h"
#include "present/ApplyLayout.h"
#include "present/KidsLayouts.h"
#include "present/KidsPictures.h"
#include "support/WindowFixture.h"

#include <QtTest>

using present::LayoutTable;

namespace {

// The Academic tables, then the Kids ones of the same screens.
const std::pair<const char*, const LayoutTable& (*)()> kTables[] = {
    {"setEditing", present::setEditingAcademic}, {"setName", present::setNameAcademic},
    {"createSet", present::createSetAcademic},   {"learning", present::learningAcademic},
    {"setEditingKids", present::setEditingKids}, {"setNameKids", present::setNameKids},
    {"createSetKids", present::createSetKids},   {"learningKids", present::learningKids}};

} // namespace

// The layout tables, Academic and Kids, applied to the real main window.
class TestAcademicLayouts : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        f = std::make_unique<testing::WindowFixture>(true);
        f->start();
    }
    void cleanup() { f.reset(); }

    void everyTableApplies_data();
    void everyTableApplies();
    void nothingLingersFromTheLearningScreen_data();
    void nothingLingersFromTheLearningScreen();

  private:
    present::Form1Controls& c() { return f->c(); }
    std::unique_ptr<testing::WindowFixture> f;
};

void TestAcademicLayouts::everyTableApplies_data() {
    QTest::addColumn<int>("table"); // in kTables
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("kids");
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("%s silent", kTables[i].first) << i << true << false;
        QTest::addRow("%s talking", kTables[i].first) << i << false << false;
        QTest::addRow("%s kids", kTables[i].first) << i << false << true;
        QTest::addRow("%s", kTables[i + 4].first) << i + 4 << false << true;
    }
}

// Every control and picture a table names exists (applying throws on an unknown name), no
// control is both shown and hidden by one table, and no caption is cut off.
void TestAcademicLayouts::everyTableApplies() {
    QFETCH(int, table);
    QFETCH(bool, silent);
    QFETCH(bool, kids);
    const LayoutTable& t = kTables[table].second();
    present::LayoutContext context;
    context.Silent = silent;
    context.TalkingOn = !silent;
    context.kids = kids;
    context.currentQuestion = QStringLiteral("France");
    c().Command21->setEnabled(false);
    present::applyLayout(t, c(), context);

    QVERIFY(!c().Command21->isEnabled()); // no layout changes whether a reply can be checked
    if (t.backgroundPicture)
        QVERIFY(present::kidsPictureExists(QString::fromLatin1(t.backgroundPicture)));
    for (const present::ControlSetting& s : t.controls) {
        if (!present::settingApplies(s.when, context))
            continue;
        QWidget* w = present::controlNamed(c(), QString::fromLatin1(s.control));
        if (s.visible)
            QVERIFY2(w->isVisibleTo(f->w.get()) == *s.visible, s.control);
        if (s.picture)
            QVERIFY2(present::kidsPictureExists(QString::fromLatin1(s.picture)), s.picture);
        // A caption the stand-in face makes wider than designed is not cut off.
        auto* label = qobject_cast<QLabel*>(w);
        if (label && (s.caption || s.captionIsCurrentQuestion) && !label->wordWrap())
            QVERIFY2(label->width() >= label->sizeHint().width(), s.control);
    }
}

void TestAcademicLayouts::nothingLingersFromTheLearningScreen_data() {
    QTest::addColumn<int>("table");
    for (int i : {0, 1, 2})
        QTest::addRow("%s", kTables[i].first) << i;
}

void TestAcademicLayouts::nothingLingersFromTheLearningScreen() {
    QFETCH(int, table);
    present::applyLayout(present::learningAcademic(), c(), {});
    c().Label5->show(); // the last answer was right
    present::applyLayout(kTables[table].second(), c(), {});
    // The answer box and the answer label tell other procedures that the learning screen is
    // up; neither may stay visible on another screen.
    for (const char* name : {"Text3", "Label4", "Label3", "Label7", "Label5", "Command21",
                             "Command3", "TDBGrid3", "Command11"})
        QVERIFY2(!present::controlNamed(c(), name)->isVisibleTo(f->w.get()), name);
}

QTEST_MAIN(TestAcademicLayouts)
#include "test_academic_layouts.moc"
