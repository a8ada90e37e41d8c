#include "app/Form1.h"
#include "data/RecordsetModel.h"
#include "present/AcademicLayouts.h"
#include "present/ApplyLayout.h"
#include "present/Twips.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"

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

QRect twipsRect(QWidget* w, int left, int top, int width, int height) {
    return {present::twipsToPixels(left, w), present::twipsToPixels(top, w),
            present::twipsToPixels(width, w), present::twipsToPixels(height, w)};
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
    void geometry_data();
    void geometry();
    void captionsColoursAndFonts();
    void nothingLingersFromTheLearningScreen_data();
    void nothingLingersFromTheLearningScreen();
    void questionLabelsFollowTheMode_data();
    void questionLabelsFollowTheMode();
    void backgroundPictureAndCardGridSource();

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

void TestAcademicLayouts::geometry_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QList<int>>("twips"); // left, top[, width, height]
    QTest::addColumn<bool>("shows");
    QTest::newRow("card grid") << "setEditing"
                               << "TDBGrid2" << QList<int>{480, 1400, 5480, 3015} << true;
    QTest::newRow("set list prompt") << "setEditing"
                                     << "Label2" << QList<int>{960, 129} << true;
    QTest::newRow("heading") << "setEditing"
                             << "Label9" << QList<int>{1740, 1000} << true;
    QTest::newRow("option button") << "setEditing"
                                   << "Command5" << QList<int>{6400, 860} << false;
    QTest::newRow("rename box") << "setName"
                                << "Text2" << QList<int>{480, 2040, 3855, 375} << true;
    QTest::newRow("rename prompt") << "setName"
                                   << "Label8" << QList<int>{960, 1320} << true;
    QTest::newRow("replace") << "setName"
                             << "Command1" << QList<int>{1680, 2640} << true;
    QTest::newRow("new name box") << "createSet"
                                  << "Text1" << QList<int>{480, 480, 3735, 285} << true;
    QTest::newRow("create") << "createSet"
                            << "Command2" << QList<int>{1680, 990} << true;
    QTest::newRow("answer box") << "learning"
                                << "Text3" << QList<int>{480, 2640, 3735, 465} << true;
    QTest::newRow("check") << "learning"
                           << "Command21" << QList<int>{960, 3480, 975, 375} << true;
    QTest::newRow("next") << "learning"
                          << "Command3" << QList<int>{2520, 3480, 1095, 375} << true;
    QTest::newRow("set list") << "learning"
                              << "DataCombo1" << QList<int>{480, 480} << true;
}

void TestAcademicLayouts::geometry() {
    QFETCH(QString, table);
    QFETCH(QString, control);
    QFETCH(QList<int>, twips);
    QFETCH(bool, shows);
    apply(tableNamed(table));
    QWidget* w = present::controlNamed(c(), control);
    const QRect expected =
        twips.size() == 4 ? twipsRect(w, twips[0], twips[1], twips[2], twips[3])
                          : twipsRect(w, twips[0], twips[1], w->width() * 15, w->height() * 15);
    QCOMPARE(w->pos(), expected.topLeft());
    if (twips.size() == 4)
        QCOMPARE(w->size(), expected.size());
    if (shows)
        QVERIFY(w->isVisibleTo(w_.get()));
}

void TestAcademicLayouts::captionsColoursAndFonts() {
    apply(present::setEditingAcademic());
    QCOMPARE(c().Form1->windowTitle(), QStringLiteral("Edit Set"));
    const QPalette label = c().Label2->palette();
    QCOMPARE(label.color(QPalette::Window), QColor(128, 128, 255));
    QCOMPARE(label.color(QPalette::WindowText),
             QApplication::palette().color(QPalette::ButtonText));
    QVERIFY(c().Label2->font().bold());
    QCOMPARE(c().Label2->font().pointSize(), 10);
    QCOMPARE(c().Label2->font().family(), present::defaultSansFamily());
    // A caption the stand-in face makes wider than designed is not cut off.
    apply(present::setNameAcademic());
    QCOMPARE(c().Form1->windowTitle(), QStringLiteral("Change Set Name"));
    QVERIFY(c().Label8->width() >= c().Label8->sizeHint().width());
    QCOMPARE(c().Command1->palette().color(QPalette::Button),
             QApplication::palette().color(QPalette::Button));
    QVERIFY(c().Command1->font().bold());

    c().Text1->setText(QStringLiteral("left over"));
    apply(present::createSetAcademic());
    QCOMPARE(c().Form1->windowTitle(), QStringLiteral("Create Set"));
    QVERIFY(c().Text1->text().isEmpty());

    c().Command21->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogOkButton));
    c().Command21->setEnabled(false);
    present::LayoutContext context;
    context.currentQuestion = QStringLiteral("France");
    apply(present::learningAcademic(), context);
    QCOMPARE(c().Form1->windowTitle(), QStringLiteral("Learn Set"));
    QCOMPARE(c().Command21->text(), QStringLiteral("Check"));
    QVERIFY(c().Command21->icon().isNull());
    QVERIFY(!c().Command21->isEnabled()); // the Academic layout leaves its state alone
    QCOMPARE(c().Command3->text(), QStringLiteral("Next"));
    QCOMPARE(c().Label7->text(), QStringLiteral("France"));
    QCOMPARE(c().Label7->font().pointSize(), 10);
    QVERIFY(!c().Label7->font().bold());
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

void TestAcademicLayouts::questionLabelsFollowTheMode_data() {
    QTest::addColumn<bool>("silent");
    QTest::newRow("silent") << true;
    QTest::newRow("talking") << false;
}

void TestAcademicLayouts::questionLabelsFollowTheMode() {
    QFETCH(bool, silent);
    present::LayoutContext context;
    context.Silent = silent;
    context.TalkingOn = !silent;
    apply(present::learningAcademic(), context);
    QCOMPARE(shown("Label3"), silent);
    QCOMPARE(shown("Label7"), silent);
    QCOMPARE(shown("Picture9"), !silent);
    QVERIFY(shown("Label4"));
    QVERIFY(shown("Text3"));
    apply(present::setEditingAcademic(), context);
    QCOMPARE(shown("Picture9"), !silent);
}

void TestAcademicLayouts::backgroundPictureAndCardGridSource() {
    QPixmap picture(8, 8);
    picture.fill(Qt::red);
    present::setBackgroundPicture(c(), picture);
    QVERIFY(present::hasBackgroundPicture(c()));
    c().Adodc2->setSource(QStringLiteral("qSelectedSetKids"));
    apply(present::setEditingAcademic());
    QVERIFY(!present::hasBackgroundPicture(c()));
    QCOMPARE(c().Adodc2->source(), QStringLiteral("qSelectedSet"));

    present::LayoutContext kids;
    kids.kids = true;
    kids.Silent = false;
    apply(present::setEditingAcademic(), kids);
    QCOMPARE(c().Adodc2->source(), QStringLiteral("qSelectedSetKids"));

    for (const char* name : {"setName", "createSet", "learning"}) {
        present::setBackgroundPicture(c(), picture);
        apply(tableNamed(QString::fromLatin1(name)));
        QVERIFY2(!present::hasBackgroundPicture(c()), name);
    }
}

QTEST_MAIN(TestAcademicLayouts)
#include "test_academic_layouts.moc"
