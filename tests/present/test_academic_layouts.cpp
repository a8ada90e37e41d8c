// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/AcademicLayouts.h"
#include "present/ApplyLayout.h"
#include "present/KidsLayouts.h"
#include "present/KidsPictures.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QtTest>

using present::LayoutTable;

namespace {

const LayoutTable& tableNamed(const QString& name) {
    const std::pair<const char*, const LayoutTable& (*)()> tables[] = {
        {"setEditing", present::setEditingAcademic}, {"setName", present::setNameAcademic},
        {"createSet", present::createSetAcademic},   {"learning", present::learningAcademic},
        {"setEditingKids", present::setEditingKids}, {"setNameKids", present::setNameKids},
        {"createSetKids", present::createSetKids},   {"learningKids", present::learningKids}};
    for (const auto& [n, table] : tables)
        if (name == QLatin1String(n))
            return table();
    qFatal("no layout table %s", qPrintable(name));
}

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
    bool shown(const char* name) {
        return present::controlNamed(c(), QString::fromLatin1(name))->isVisibleTo(f->w.get());
    }
    std::unique_ptr<testing::WindowFixture> f;
};

void TestAcademicLayouts::everyTableApplies_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("kids");
    for (const char* name : {"setEditing", "setName", "createSet", "learning"}) {
        QTest::addRow("%s silent", name) << QString::fromLatin1(name) << true << false;
        QTest::addRow("%s talking", name) << QString::fromLatin1(name) << false << false;
        QTest::addRow("%s kids", name) << QString::fromLatin1(name) << false << true;
        QTest::addRow("%sKids", name) << QStringLiteral("%1Kids").arg(name) << false << true;
    }
}

// Every control and picture a table names exists (applying throws on an unknown name), no
// control is both shown and hidden by one table, and no caption is cut off.
void TestAcademicLayouts::everyTableApplies() {
    QFETCH(QString, table);
    QFETCH(bool, silent);
    QFETCH(bool, kids);
    const LayoutTable& t = tableNamed(table);
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
    QTest::addColumn<QString>("table");
    QTest::newRow("set name") << "setName";
    QTest::newRow("create set") << "createSet";
    QTest::newRow("set editing") << "setEditing";
}

void TestAcademicLayouts::nothingLingersFromTheLearningScreen() {
    QFETCH(QString, table);
    present::applyLayout(present::learningAcademic(), c(), {});
    c().Label5->show(); // the last answer was right
    present::applyLayout(tableNamed(table), c(), {});
    // The answer box and the answer label tell other procedures that the learning screen is
    // up; neither may stay visible on another screen.
    for (const char* name : {"Text3", "Label4", "Label3", "Label7", "Label5", "Command21",
                             "Command3", "TDBGrid3", "Command11"})
        QVERIFY2(!shown(name), name);
}

QTEST_MAIN(TestAcademicLayouts)
#include "test_academic_layouts.moc"
