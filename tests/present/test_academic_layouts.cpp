// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RecordsetModel.h"
#include "present/AcademicLayouts.h"
#include "present/ApplyLayout.h"
#include "present/QuestionArea.h"
#include "present/Twips.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"
#include "window/Form1.h"

#include <QApplication>
#include <QtTest>
#include <memory>

using present::LayoutTable;

namespace {

const LayoutTable& tableNamed(const QString& name) {
    if (name == QLatin1String("setEditing"))
        return present::setEditingAcademic();
    if (name == QLatin1String("setName"))
        return present::setNameAcademic();
    if (name == QLatin1String("createSet"))
        return present::createSetAcademic();
    return present::learningAcademic();
}

} // namespace

// The Academic layout tables applied to the real main window.
class TestAcademicLayouts : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void everyNameExists_data();
    void everyNameExists();
    void everyTableAppliesAsWritten_data();
    void everyTableAppliesAsWritten();
    void nothingLingersFromTheLearningScreen_data();
    void nothingLingersFromTheLearningScreen();

  private:
    bool shown(const char* name) {
        return present::controlNamed(c(), QString::fromLatin1(name))->isVisibleTo(w_.get());
    }
    present::Form1Controls& c() { return w_->controls(); }
    void apply(const LayoutTable& t, present::LayoutContext context = {}) {
        present::applyLayout(t, c(), context);
    }

    std::unique_ptr<testing::TempDatabase> t_;
    testing::ScriptedDialogs dialogs_;
    testing::RecordingSpeech speech_;
    std::unique_ptr<app::Form1> w_;
};

void TestAcademicLayouts::init() {
    t_ = std::make_unique<testing::TempDatabase>(true);
    w_ = std::make_unique<app::Form1>(t_->db(), dialogs_, speech_);
    w_->Form_Load();
}

void TestAcademicLayouts::cleanup() {
    w_.reset();
    t_.reset();
}

void TestAcademicLayouts::everyNameExists_data() {
    QTest::addColumn<QString>("table");
    for (const char* name : {"setEditing", "setName", "createSet", "learning"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestAcademicLayouts::everyNameExists() {
    QFETCH(QString, table);
    const LayoutTable& t = tableNamed(table);
    for (const present::ControlSetting& s : t.controls)
        QVERIFY2(c().Form1->findChild<QWidget*>(QString::fromLatin1(s.control)), s.control);
    for (const present::MenuSetting& m : t.menus)
        QVERIFY2(c().Form1->findChild<QAction*>(QString::fromLatin1(m.entry)), m.entry);
    // No control may be both shown and hidden by the same layout in the same mode.
    for (bool silent : {true, false}) {
        present::LayoutContext context;
        context.Silent = silent;
        context.TalkingOn = !silent;
        QHash<QString, bool> seen;
        for (const present::ControlSetting& s : t.controls) {
            if (!s.visible || !present::settingApplies(s.when, context))
                continue;
            const QString name = QString::fromLatin1(s.control);
            QVERIFY2(!seen.contains(name) || seen[name] == *s.visible, s.control);
            seen[name] = *s.visible;
        }
    }
}

void TestAcademicLayouts::everyTableAppliesAsWritten_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("kids");
    for (const char* name : {"setEditing", "setName", "createSet", "learning"}) {
        QTest::addRow("%s silent", name) << QString::fromLatin1(name) << true << false;
        QTest::addRow("%s talking", name) << QString::fromLatin1(name) << false << false;
        QTest::addRow("%s kids", name) << QString::fromLatin1(name) << false << true;
    }
}

// Whatever a table sets, the window shows: positions, sizes (a label may grow to fit its
// caption), captions, fonts, colours, cleared texts and pictures, the card grid's source.
void TestAcademicLayouts::everyTableAppliesAsWritten() {
    QFETCH(QString, table);
    QFETCH(bool, silent);
    QFETCH(bool, kids);
    const LayoutTable& t = tableNamed(table);
    present::LayoutContext context;
    context.Silent = silent;
    context.TalkingOn = !silent;
    context.kids = kids;
    context.currentQuestion = QStringLiteral("France");
    QPixmap picture(8, 8);
    picture.fill(Qt::red);
    present::setBackgroundPicture(c(), picture);
    c().Text1->setText(QStringLiteral("left over"));
    c().Command21->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogOkButton));
    c().Command21->setEnabled(false);
    apply(t, context);

    QCOMPARE(c().Form1->windowTitle(), t.windowCaption);
    QCOMPARE(present::hasBackgroundPicture(c()), !t.clearBackgroundPicture);
    if (t.setCardGridSource)
        QCOMPARE(c().Adodc2->source(),
                 kids ? QStringLiteral("qSelectedSetKids") : QStringLiteral("qSelectedSet"));
    QVERIFY(!c().Command21->isEnabled()); // no layout changes whether a reply can be checked
    for (const present::ControlSetting& s : t.controls) {
        if (!present::settingApplies(s.when, context))
            continue;
        QWidget* w = present::controlNamed(c(), QString::fromLatin1(s.control));
        const auto px = [w](int twips) { return present::twipsToPixels(twips, w); };
        // The question text is placed through the scroll area it sits in.
        const QWidget* placed = present::frameOf(w);
        if (s.left)
            QCOMPARE(placed->x(), px(*s.left));
        if (s.top)
            QCOMPARE(placed->y(), px(*s.top));
        if (s.width)
            QVERIFY2(placed->width() >= px(*s.width), s.control);
        if (s.height)
            QVERIFY2(placed->height() >= px(*s.height), s.control);
        if (s.visible)
            QVERIFY2(w->isVisibleTo(w_.get()) == *s.visible, s.control);
        if (s.bold)
            QCOMPARE(w->font().bold(), *s.bold);
        if (s.pointSize)
            QCOMPARE(w->font().pointSize(), *s.pointSize);
        if (s.back && s.back->role == present::LayoutColour::Role::Rgb)
            QCOMPARE(w->palette().color(QPalette::Window),
                     QColor(s.back->red, s.back->green, s.back->blue));
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (s.caption)
                QCOMPARE(label->text(), *s.caption);
            if (s.captionIsCurrentQuestion)
                QCOMPARE(label->text(), context.currentQuestion);
            // A caption the stand-in face makes wider than designed is not cut off.
            if ((s.caption || s.captionIsCurrentQuestion) && !label->wordWrap())
                QVERIFY2(label->width() >= label->sizeHint().width(), s.control);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (s.caption)
                QCOMPARE(button->text(), *s.caption);
            if (s.clearPicture)
                QVERIFY2(button->icon().isNull(), s.control);
        }
        if (s.clearText)
            QVERIFY2(qobject_cast<QLineEdit*>(w)->text().isEmpty(), s.control);
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
    apply(present::learningAcademic());
    c().Label5->show(); // the last answer was right
    apply(tableNamed(table));
    // The answer box and the answer label tell other procedures that the learning screen is
    // up; neither may stay visible on another screen.
    for (const char* name : {"Text3", "Label4", "Label3", "Label7", "Label5", "Command21",
                             "Command3", "TDBGrid3", "Command11"})
        QVERIFY2(!shown(name), name);
}

QTEST_MAIN(TestAcademicLayouts)
#include "test_academic_layouts.moc"
