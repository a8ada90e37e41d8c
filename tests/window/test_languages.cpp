// SPDX-License-Identifier: GPL-3.0-or-later
// The interface in German, French and Spanish: every screen fits its translated captions at
// two scales, English keeps the designed sizes, and the language changes without a restart.
// Run on a large offscreen screen (big-screen.json) so that a factor of 2 is in force.
#include "data/RecordsetModel.h"
#include "i18n/Language.h"
#include "present/LayoutScaler.h"
#include "support/ScreenChecks.h"
#include "support/WindowFixture.h"
#include "window/LanguageDialog.h"
#include "window/LanguageMenu.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>

namespace {

struct Window : testing::WindowFixture {
    Window() {
        const qint64 set = t.addSet(QStringLiteral("Rivers"));
        t.addCard(QStringLiteral("longest"), QStringLiteral("Nile"), set);
        t.addCard(QStringLiteral("through Vienna"), QStringLiteral("Danube"), set);
        t.chooseSet(QStringLiteral("Rivers"));
    }
    void show(const char* screen) {
        const std::map<QString, std::function<void()>> screens{
            {"learning", [this] { learn(); }},
            {"editing", [this] { w->ScrChangeVisible(); }},
            {"renaming", [this] { w->ScrChngSetName(); }},
            {"creating", [this] { w->ScrCreateVisible(); }},
        };
        screens.at(QString::fromLatin1(screen))();
        QCoreApplication::processEvents();
    }
    window::LanguageMenu* languageMenu() { return w->findChild<window::LanguageMenu*>(); }

    // Every menu entry's caption, in the menu bar's order.
    QStringList menuCaptions() {
        QStringList captions;
        for (QAction* a : w->findChildren<QAction*>())
            if (!a->objectName().isEmpty())
                captions << a->objectName() + '=' + a->text();
        return captions;
    }
    // Where each control of the screens' area stands and how large it is.
    QStringList geometries() {
        QStringList all;
        for (QWidget* child : c().canvas->findChildren<QWidget*>())
            if (child->isVisibleTo(w.get()))
                all << QStringLiteral("%1 %2,%3 %4x%5")
                           .arg(testing::nameOf(child))
                           .arg(child->x())
                           .arg(child->y())
                           .arg(child->width())
                           .arg(child->height());
        return all;
    }
};

const char* const kScreens[] = {"learning", "editing", "renaming", "creating"};

QString translated(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // The choice is kept in the user's configuration folder: a folder of the test's own.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }
    void cleanup() {
        QVERIFY(i18n::useLanguage(QStringLiteral("en")));
        i18n::rememberLanguage(QStringLiteral("en"));
    }

    void englishKeepsTheDesignedSizes();
    void everyScreenFitsItsCaptions_data();
    void everyScreenFitsItsCaptions();
    void languageChangesWithoutRestart();
    void languageDialogRemembersTheChoice();
    void englishSingularsAndUnknownLanguages();
    void theProgramsOwnMessagesStayExactInEnglish();

  private:
    QTemporaryDir config_;
};

// Measured before any translation was ever loaded, then again after a round through German:
// English stands exactly as designed on every screen of both modes.
void TestLanguages::englishKeepsTheDesignedSizes() {
    const auto measure = [] {
        Window x;
        x.start();
        QStringList all;
        for (bool kids : {false, true}) {
            if (kids)
                x.c().mnuKids->trigger();
            for (const char* screen : kScreens) {
                x.show(screen);
                all << x.geometries();
                all << QStringLiteral("window %1x%2").arg(x.w->width()).arg(x.w->height());
            }
        }
        return all;
    };
    const QStringList designed = measure();
    QVERIFY(i18n::useLanguage(QStringLiteral("de")));
    QVERIFY(i18n::useLanguage(QStringLiteral("en")));
    QCOMPARE(measure(), designed);
}

void TestLanguages::everyScreenFitsItsCaptions_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("scale");
    for (const char* language : {"de", "fr", "es", "en"})
        for (int scale : {1, 2})
            QTest::addRow("%s at %d", language, scale) << QString::fromLatin1(language) << scale;
}

// No caption is cut and no control leaves the window, on any screen of either mode.
void TestLanguages::everyScreenFitsItsCaptions() {
    QFETCH(QString, language);
    QFETCH(int, scale);
    QVERIFY(i18n::useLanguage(language));
    Window x;
    x.t.exec(QStringLiteral("UPDATE Fields1 SET AcademicScale = ?, KidsScale = ?"), {scale, scale});
    x.start();
    QVERIFY(QTest::qWaitForWindowExposed(x.w.get()));
    // The translation is really in force, not English standing in for it.
    if (language != QStringLiteral("en"))
        QVERIFY2(x.c().mnuFile->text() != QStringLiteral("&File"), qPrintable(language));
    QStringList faults;
    for (bool kids : {false, true}) {
        if (kids)
            x.c().mnuKids->trigger();
        for (const char* screen : kScreens) {
            x.show(screen);
            const QString where = QStringLiteral("%1 %2").arg(kids ? "kids" : "academic", screen);
            QCOMPARE(present::LayoutScaler::of(x.w.get())->factor(), double(scale));
            const QStringList found = QStringList(testing::cutCaptions(x.w.get()))
                                      << testing::outsideTheArea(x.c());
            for (const QString& fault : found)
                if (!fault.isEmpty())
                    faults << where + QStringLiteral(": ") + fault;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// In the middle of a lesson, with a reply half typed: the menus, the window's title and the
// screen's captions change at once; the question and the reply stay; back in English every
// caption is what it was.
void TestLanguages::languageChangesWithoutRestart() {
    Window x;
    x.start();
    x.learn();
    const QStringList english = x.menuCaptions();
    const QString question = x.c().Label7->text();
    QTest::keyClicks(x.c().Text3, QStringLiteral("Ni"));
    QVERIFY(x.languageMenu());

    x.languageMenu()->choose(QStringLiteral("de"));
    QCoreApplication::processEvents();
    QCOMPARE(i18n::languageInUse(), QStringLiteral("de"));
    QCOMPARE(x.c().mnuFile->text(), translated("Form1", "&File"));
    QVERIFY(x.c().mnuFile->text() != QStringLiteral("&File"));
    QCOMPARE(x.w->windowTitle(), translated("Form1", "Learn Set"));
    QVERIFY(x.c().Label3->text() != QStringLiteral("Question"));
    QCOMPARE(x.c().Label3->text(), translated("Form1", "Question"));
    QCOMPARE(x.c().Label7->text(), question);
    QCOMPARE(x.c().Text3->text(), QStringLiteral("Ni"));
    QVERIFY(x.menuCaptions() != english);
    const auto heading = [&x] {
        data::RecordsetModel* grid = x.c().Adodc2;
        return grid->headerData(grid->firstExtraColumn(), Qt::Horizontal).toString();
    };
    QCOMPARE(heading(), translated("GridMediaColumns", "Picture"));
    QVERIFY(heading() != QStringLiteral("Picture"));
    QVERIFY2(!x.c().panels[0]->text().startsWith(QStringLiteral("Total")),
             qPrintable(x.c().panels[0]->text()));
    const QStringList cut = testing::cutCaptions(x.w.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));

    x.languageMenu()->choose(QStringLiteral("en"));
    QCoreApplication::processEvents();
    QCOMPARE(x.menuCaptions(), english);
    QCOMPARE(x.c().Label3->text(), QStringLiteral("Question"));
    QCOMPARE(x.w->windowTitle(), QStringLiteral("Learn Set"));
    QCOMPARE(heading(), QStringLiteral("Picture"));
}

// Edit > Language... lists the four languages by their own names; the choice is kept on
// this machine, outside the database, and read at the next start.
void TestLanguages::languageDialogRemembersTheChoice() {
    Window x;
    x.start();
    x.c().mnuLanguage->trigger();
    window::LanguageDialog* dialog = x.languageMenu()->dialog();
    QVERIFY(dialog);
    QStringList names;
    for (int i = 0; i < dialog->list()->count(); ++i)
        names << dialog->list()->item(i)->text();
    QCOMPARE(names, QStringList({"English", "Deutsch", "Français", "Español"}));
    QCOMPARE(dialog->chosen(), QStringLiteral("en"));
    dialog->choose(QStringLiteral("es"));
    dialog->accept();
    QCoreApplication::processEvents();
    QCOMPARE(i18n::languageInUse(), QStringLiteral("es"));
    QCOMPARE(i18n::chosenLanguage(), QStringLiteral("es"));
    QVERIFY(QFile::exists(config_.filePath(QStringLiteral("Memorant/Memorant.ini"))));
    QCOMPARE(x.c().mnuLanguage->text(), translated("Form1", "Language..."));
}

void TestLanguages::englishSingularsAndUnknownLanguages() {
    // The translations are inside the program, whatever folder it runs from.
    for (const QString& code : i18n::offeredLanguages())
        QVERIFY2(QFile::exists(QStringLiteral(":/i18n/memorant_%1.qm").arg(code)),
                 qPrintable(code));
    QVERIFY(!i18n::useLanguage(QStringLiteral("xx")));
    QCOMPARE(i18n::languageInUse(), QStringLiteral("en"));
    i18n::rememberLanguage(QStringLiteral("xx"));
    QCOMPARE(i18n::chosenLanguage(), QStringLiteral("en"));
}

// The messages and captions the program is known by read exactly as they always did in
// English, odd spellings and doubled blanks included, and each has a translation.
void TestLanguages::theProgramsOwnMessagesStayExactInEnglish() {
    const std::pair<const char*, const char*> messages[] = {
        {"ExchangeMenu", "Import has been completed successfully"},
        {"ComparisonWindow", "Please compare your answers with the correct ones"},
        {"Form1", "End of Set"},
        {"Form1", "WRONG"},
        {"Form1", "Are you sure you want to delete the set?"},
        {"Form1",
         "Congratulations! You've successfully learn't the set. Choose another set to learn."},
        {"Form1", "Enter a  name for the new set"},
        {"Form1", "Set with the name specified already exists. Specify a different set name."},
        {"Form1", "You must enter the meaningful set name to create a new set"},
        {"Form1",
         "There are no records in this set.Populate the current set with records or select "
         "another set to learn."},
        {"Form1", "Sond mode is on"},
        {"Form1", "The current set has been reset. All questions of the set are available now."},
    };
    for (const auto& [context, message] : messages) {
        QVERIFY(i18n::useLanguage(QStringLiteral("en")));
        QCOMPARE(translated(context, message), QString::fromUtf8(message));
        QVERIFY(i18n::useLanguage(QStringLiteral("de")));
        QVERIFY2(translated(context, message) != QString::fromUtf8(message), message);
    }
}

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
