// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"
#include "window/HelpWindow.h"
#include "window/TalkingSilent.h"
#include "window/VoiceDialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTextBrowser>
#include <QtTest>
#include <tuple>

// The Academic Talking and Silent modes, the fallback when speech cannot start, the voice
// and the tutorials, driven through the real main window's menu.
class TestTalkingSilent : public QObject {
    Q_OBJECT
  private slots:
    void talkingWithoutSpeechFallsBackToSilent();
    void talkingAsksMultipleAnswerCardsToo();
    void setVoiceSpeaksItsQuestions_data();
    void setVoiceSpeaksItsQuestions();
    void voiceWindowStoresForTheChosenSetOrAll();
    void unknownStoredVoiceFallsBackToADefault();
    void tutorialsShowTheirPages();
    void databaseFailureWhileSwitchingIsReported();
};

namespace {

struct Window : testing::WindowFixture {
    Window() : WindowFixture(true) { start(); }
    present::ModeFlags& modes() { return w->modes(); }
};

} // namespace

void TestTalkingSilent::talkingWithoutSpeechFallsBackToSilent() {
    Window win;
    win.c().mnuLearn->trigger();
    win.c().ChangeSet->setEnabled(false);
    win.speech.unavailable = true;
    win.c().mnuTalking->trigger();

    QCOMPARE(win.dialogs.texts(), QStringList{window::TalkingSilent::speechMissingMessage()});
    QCOMPARE(win.dialogs.shown().first().kind, testing::ScriptedDialogs::Shown::Message);
    QVERIFY(win.modes().Silent && !win.modes().TalkingOn && !win.modes().kids);
    QVERIFY(win.c().Picture[9]->isHidden() && win.speech.spoken.isEmpty());
    // The menu entries keep the state the Talking choice gave them.
    QVERIFY(!win.c().mnuTalking->isEnabled() && win.c().mnuSilent->isEnabled());
    // The learning screen stays, laid out afresh, and the question shows.
    QVERIFY(win.w->screens().learning);
    QCOMPARE(win.w->windowTitle(), QStringLiteral("Learn Set"));
    QVERIFY(win.c().ChangeSet->isEnabled() && win.c().Label7->isVisible());

    // Once speech works again, Silent then Talking brings Talking back.
    win.speech.unavailable = false;
    win.c().mnuSilent->trigger();
    win.c().mnuTalking->trigger();
    QVERIFY(win.modes().TalkingOn);
    QCOMPARE(win.dialogs.shown().size(), 1);
}

void TestTalkingSilent::talkingAsksMultipleAnswerCardsToo() {
    Window win;
    const qint64 set = win.t.addSet("Colours");
    win.t.addCard("red", "rot", set);
    win.t.addAnswers(win.t.addCard("primary colours", "Multi", set), {"red", "green", "blue"});
    win.t.chooseSet("Colours");
    win.c().mnuTalking->trigger();
    QCOMPARE(win.w->recordsets().curSet.recordCount(), 2);
}

void TestTalkingSilent::setVoiceSpeaksItsQuestions_data() {
    QTest::addColumn<QVariant>("own");     // the German set's own voice
    QTest::addColumn<QString>("shared");   // the database's
    QTest::addColumn<QString>("german");   // the German set's questions are spoken in
    QTest::addColumn<QString>("capitals"); // the other set's
    QTest::addColumn<bool>("kids");
    const std::tuple<const char*, QVariant, QString, QString, QString, bool> rows[] = {
        {"own voice", "de", "", "de", "en", false},
        {"none: the database's", QVariant(), "de", "de", "de", false},
        {"own before the database's", "en", "de", "en", "de", false},
        {"Kids mode", "de", "", "de", "en", true}};
    for (const auto& [name, own, shared, german, capitals, kids] : rows)
        QTest::newRow(name) << own << shared << german << capitals << kids;
}

void TestTalkingSilent::setVoiceSpeaksItsQuestions() {
    QFETCH(QVariant, own);
    QFETCH(QString, shared);
    QFETCH(QString, german);
    QFETCH(QString, capitals);
    QFETCH(bool, kids);
    testing::WindowFixture win(true);
    const qint64 set = win.t.addSet(QStringLiteral("Deutsch"));
    win.t.addCard(QStringLiteral("der Hund"), QStringLiteral("dog"), set);
    win.t.exec("UPDATE Set1 SET Voice = ? WHERE Set_ID = ?", {own, set});
    win.t.exec("UPDATE Fields1 SET Voice = ?", {shared});
    win.start();
    (kids ? win.c().mnuKids : win.c().mnuTalking)->trigger();
    for (const auto& [name, voice] : {std::pair{QStringLiteral("Deutsch"), german},
                                      std::pair{QStringLiteral("Capitals of Europe"), capitals},
                                      std::pair{QStringLiteral("Deutsch"), german}}) {
        win.pick(name);
        win.learn();
        QCOMPARE(win.speech.spoken.last(),
                 win.lesson().CSarray.at(win.lesson().Row, learn::ColQuestion).toString());
        QCOMPARE(win.speech.spokenVoices.last(), voice);
    }
}

void TestTalkingSilent::voiceWindowStoresForTheChosenSetOrAll() {
    testing::WindowFixture win(true);
    win.t.addCard(QStringLiteral("der Hund"), QStringLiteral("dog"), win.t.addSet("Deutsch"));
    win.start();
    QCOMPARE(win.speech.voice(), QStringLiteral("en")); // not touched at start-up
    win.pick(QStringLiteral("Deutsch"));
    const auto open = [&win]() -> window::VoiceDialog* {
        // The window closed last is deleted once the events are processed.
        if (!QTest::qWaitFor([&win] { return !win.w->findChild<window::VoiceDialog*>(); }))
            return nullptr;
        win.c().mnuVoice->trigger();
        auto* dialog = win.w->findChildren<window::VoiceDialog*>().value(0);
        return dialog && dialog->isVisible() ? dialog : nullptr;
    };
    const auto stored = [&win] {
        return win.t
                   .scalar("SELECT group_concat(SetName || '=' || ifnull(Voice, '-'), ' ') "
                           "FROM (SELECT * FROM Set1 ORDER BY Set_ID)")
                   .toString() +
               " | " + win.t.scalar("SELECT Voice FROM Fields1").toString();
    };

    window::VoiceDialog* dialog = open();
    QVERIFY(dialog && !dialog->forAllSets());
    QCOMPARE(dialog->selectedVoice(), QStringLiteral("en")); // the database's, as no own one
    dialog->selectVoice(QStringLiteral("de"));
    QTest::mouseClick(dialog->tryButton(), Qt::LeftButton);
    QCOMPARE(win.speech.spoken.last(), QStringLiteral("Deutsch"));
    QCOMPARE(win.speech.spokenVoices.last(), QStringLiteral("de"));
    QCOMPARE(win.speech.voice(), QStringLiteral("en")); // trying chooses nothing
    dialog->accept();
    QCOMPARE(stored(), QStringLiteral("Capitals of Europe=- Deutsch=de | "));

    dialog = open(); // the set's own voice is the one shown; cancelling changes nothing
    QVERIFY(dialog);
    QCOMPARE(dialog->list()->currentItem()->text(), QString("German (Germany) \u2013 de"));
    dialog->selectVoice(QStringLiteral("en"));
    dialog->reject();
    QCOMPARE(stored(), QStringLiteral("Capitals of Europe=- Deutsch=de | "));

    dialog = open(); // one voice for all: the sets' own ones go
    QVERIFY(dialog);
    dialog->selectVoice(QStringLiteral("en"));
    dialog->allSetsBox()->setChecked(true);
    dialog->accept();
    QCOMPARE(stored(), QStringLiteral("Capitals of Europe=- Deutsch=- | en"));
    QVERIFY(win.dialogs.shown().isEmpty());
}

void TestTalkingSilent::unknownStoredVoiceFallsBackToADefault() {
    testing::WindowFixture win(true);
    win.t.exec("UPDATE Fields1 SET Voice = 'xx-unknown'");
    win.start();
    win.speech.setVoice(QStringLiteral("none yet"));
    win.c().mnuTalking->trigger();
    QVERIFY(win.w->modes().TalkingOn);
    QVERIFY2(win.speech.voices().contains(win.speech.voice()), qPrintable(win.speech.voice()));
    // The stored text is left as it was: the user may take the database back to a machine
    // that has the voice.
    QCOMPARE(win.t.scalar("SELECT Voice FROM Fields1").toString(), QStringLiteral("xx-unknown"));
}

void TestTalkingSilent::tutorialsShowTheirPages() {
    Window win;
    win.c().mnuHelpTalking->trigger();
    auto* help = win.w->findChild<window::HelpWindow*>();
    QVERIFY(help && help->isVisible());
    QTRY_VERIFY(!help->browser()->toPlainText().isEmpty());
    const QString academic = help->browser()->toPlainText();
    // What the page says the program does, it does: a second import of a file adds its sets
    // with "1" appended, the menu bar stays in Kids mode, the Learn menu belongs to the
    // learning screen, the sound sign repeats the question.
    const QString flat = academic.simplified();
    for (const char* untrue : {"adds nothing the second time", "pictures instead of menus"})
        QVERIFY2(!flat.contains(QLatin1String(untrue)), untrue);
    for (const char* told : {"a third time adds nothing", "the menu bar stays",
                             "Learn menu appears on the learning screen",
                             "Click the sound sign to hear the question again"})
        QVERIFY2(flat.contains(QLatin1String(told)), told);

    win.c().mnuKidsHelp->trigger();
    QCOMPARE(win.w->findChildren<window::HelpWindow*>().size(), 1); // the same window, new page
    const QString kids = help->browser()->toPlainText();
    QVERIFY(kids.contains("Kids") && kids != academic);
    QVERIFY(win.dialogs.shown().isEmpty());
}

void TestTalkingSilent::databaseFailureWhileSwitchingIsReported() {
    Window win;
    win.c().mnuLearn->trigger();
    win.t.exec("ALTER TABLE MultipleReply RENAME TO MultipleReplyAway");
    for (QAction* entry : {win.c().mnuTalking, win.c().mnuSilent}) {
        win.dialogs.clear();
        entry->trigger();
        QVERIFY2(win.dialogs.lastText().contains("could not be read or written"),
                 qPrintable(win.dialogs.lastText()));
    }
    QVERIFY(win.w->screens().learning);
}

QTEST_MAIN(TestTalkingSilent)
#include "test_talking_silent.moc"
