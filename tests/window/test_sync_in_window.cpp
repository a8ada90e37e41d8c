// SPDX-License-Identifier: GPL-3.0-or-later
// The window syncs by itself once a folder is set, with a second database on the same folder
// standing for the learner's other machine.
#include "support/WindowFixture.h"
#include "sync/ChangeFile.h"
#include "sync/FolderChoice.h"
#include "sync/Machine.h"
#include "sync/SyncFolder.h"
#include "sync/SyncScheduler.h"
#include "window/DemonsManager.h"
#include "window/LostEditsWindow.h"
#include "window/SyncFolderWindow.h"
#include "window/SyncMenu.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>

using testing::Machine;
using testing::WindowFixture;

namespace {

constexpr int kSyncWaitMs = 20000;
// A long name: the panel's text is then longer than the learning screen is wide.
const QString kLaptop = QStringLiteral("the-laptop-in-the-study");

// The window's database with a set of cards and a folder to sync with; the other machine
// (kLaptop) has synced once, so both hold the same cards.
struct TwoMachines {
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("shared"));
    WindowFixture f;
    std::unique_ptr<Machine> laptop;
    std::unique_ptr<QSignalSpy> synced;

    explicit TwoMachines(const QStringList& cards) {
        QDir().mkpath(folder);
        const qint64 set = f.t.addSet(QStringLiteral("Words"));
        for (const QString& card : cards)
            f.t.addCard(card, card.toUpper(), set);
        f.t.chooseSet(QStringLiteral("Words"));
        syncing::rememberFolder(f.t.db(), folder, QStringLiteral("desk"));
        f.start();
        menu().setIntervalsForTesting(100, 300);
        synced = std::make_unique<QSignalSpy>(&menu(), &window::SyncMenu::synced);
        menu().start();
        waitForSync();
        laptop = std::make_unique<Machine>(dir.path(), kLaptop);
        laptop->sync(folder);
    }

    window::SyncMenu& menu() { return f.w->syncMenu(); }

    // Asks the window to sync now and waits until it has, and taken in what came. A sync the
    // watcher started earlier may have read the folder before the latest change: it ends first.
    void syncWindow() {
        QTRY_VERIFY_WITH_TIMEOUT(!menu().scheduler()->isSyncing(), kSyncWaitMs);
        QCoreApplication::processEvents(); // its summary handed on before counting
        const qsizetype before = synced->count();
        menu().scheduler()->syncSoon();
        waitForSync(before);
    }
    void waitForSync() { waitForSync(synced->count()); }
    // Until this machine's changes are in the folder and the sync that wrote them has ended.
    void waitUntilSent() {
        QTRY_VERIFY_WITH_TIMEOUT(f.count(QStringLiteral("SELECT (SELECT COUNT(*) FROM SyncOutbox) "
                                                        "+ (SELECT COUNT(*) FROM SyncPending)")) ==
                                         0 &&
                                     !menu().scheduler()->isSyncing(),
                                 kSyncWaitMs);
        QCoreApplication::processEvents();
    }
    void waitForSync(qsizetype before) {
        QTRY_VERIFY_WITH_TIMEOUT(synced->count() > before, kSyncWaitMs);
        QCoreApplication::processEvents();
    }
    QString panel() const { return f.w->syncMenu().panel()->text(); }
    QString question() { return f.c().Label7->text(); }
    // The answer of the card asked now, as the lesson holds it.
    QString rightAnswer() {
        return f.lesson().CSarray.at(f.lesson().Row, learn::ColAnswer).toString();
    }
};

} // namespace

class TestSyncInWindow : public QObject {
    Q_OBJECT
  private slots:
    void withoutAFolderNothingOnScreenChanges() {
        WindowFixture f;
        f.start();
        f.w->syncMenu().start();
        QVERIFY(!f.w->syncMenu().scheduler());
        QVERIFY(f.w->syncMenu().panel()->isHidden());
        QVERIFY(f.w->findChild<QAction*>(QStringLiteral("mnuSyncFolder")));
        QVERIFY(f.w->findChild<QAction*>(QStringLiteral("mnuEditsThatLost")));
        f.learn();
        QVERIFY(f.w->syncMenu().panel()->isHidden());
        QVERIFY(f.dialogs.shown().isEmpty());
    }

    // A reply travels to the other machine after the window's next sync; the panel says how
    // far the other machine has come.
    void aReplyTravelsAndThePanelSaysSo() {
        TwoMachines m({QStringLiteral("tree"), QStringLiteral("dog")});
        QVERIFY(!m.f.w->syncMenu().panel()->isHidden());
        m.syncWindow();
        QCOMPARE(m.panel(), QStringLiteral("Synced with %1 0 min ago").arg(kLaptop));
        m.f.learn();
        QVERIFY(m.f.c().StatusBar1->isVisible());
        QVERIFY(m.f.w->syncMenu().panel()->isVisible());
        m.f.reply(m.rightAnswer());
        QCOMPARE(m.f.logRows(), 1);
        m.waitUntilSent(); // changes wait: sent within the waiting time
        QCOMPARE(m.panel(), QStringLiteral("Waiting for %1").arg(kLaptop));
        // The learning screen grows to show the whole text, never cut off, also when the reply
        // box takes the focus (which sets the screen's designed width).
        m.f.w->questionLoop().Text3_GotFocus();
        QLabel* panel = m.f.w->syncMenu().panel();
        QTRY_VERIFY(panel->width() >= panel->sizeHint().width());
        QTRY_VERIFY(panel->mapTo(m.f.w.get(), panel->rect().topRight()).x() < m.f.w->width());
        m.laptop->sync(m.folder);
        QCOMPARE(m.laptop->scalar(QStringLiteral("SELECT COUNT(*) FROM Log")).toInt(), 1);
        // And the card's values with it, as this machine scored them.
        const QString values =
            QStringLiteral("SELECT group_concat(Question || ' ' || Rating || ' ' "
                           "|| Correct || ' ' || Incorrect, '; ') FROM (SELECT "
                           "* FROM Card ORDER BY Question)");
        QCOMPARE(m.laptop->scalar(values).toString(), m.f.t.scalar(values).toString());
        QVERIFY2(m.f.t.scalar(values).toString().contains(QStringLiteral(" 1.0 0.0")), // scored
                 qPrintable(m.f.t.scalar(values).toString()));
        m.syncWindow();
        QCOMPARE(m.panel(), QStringLiteral("Synced with %1 0 min ago").arg(kLaptop));
        QVERIFY(m.f.dialogs.shown().isEmpty());
    }

    // A reply asked answer to question in the window reaches the other machine as such, with
    // the card's reverse values; the set's direction travels too.
    void aReverseReplyTravelsWithItsDirection() {
        TwoMachines m({QStringLiteral("chien")});
        m.f.t.exec(QStringLiteral("UPDATE Set1 SET Direction = 1"));
        m.f.learn();
        QCOMPARE(m.question(), QStringLiteral("CHIEN"));
        m.f.reply(QStringLiteral("nope"));
        m.waitUntilSent();
        m.laptop->sync(m.folder);
        const QString reverse = QStringLiteral(
            "SELECT group_concat(Rating || ' ' || Correct || ' ' || Incorrect) FROM CardReverse");
        QCOMPARE(m.laptop->scalar(reverse).toString(), m.f.t.scalar(reverse).toString());
        QCOMPARE(m.laptop->scalar(QStringLiteral("SELECT Direction FROM Log")).toString(),
                 QStringLiteral("reverse"));
        QCOMPARE(m.laptop->scalar(QStringLiteral("SELECT Direction FROM Set1")).toInt(), 1);
        QCOMPARE(m.laptop->scalar(QStringLiteral("SELECT Rating FROM Card")).toDouble(), 0.0);
    }

    // The later edit wins on both; the other text is listed, and brought back on both.
    void anEditThatLostComesBackOnBoth() {
        TwoMachines m({QStringLiteral("tree")});
        const qint64 here = m.f.t.scalar(QStringLiteral("SELECT Card_ID FROM Card")).toLongLong();
        m.f.t.exec(QStringLiteral("UPDATE Card SET Answer = 'Baum' WHERE Card_ID = ?"), {here});
        QTest::qWait(20); // the laptop's edit is the later one
        m.laptop->editCard(m.laptop->cardId(QStringLiteral("tree")), QStringLiteral("tree"),
                           QStringLiteral("der Baum"));
        m.laptop->sync(m.folder);
        m.syncWindow();
        QCOMPARE(m.f.cardValue(here, "Answer").toString(), QStringLiteral("der Baum"));
        QVERIFY2(m.panel().contains(QStringLiteral("1 edit lost")), qPrintable(m.panel()));
        // The card grid shows the text that won.
        QCOMPARE(m.f.c().Adodc2->index(0, 2).data().toString(), QStringLiteral("der Baum"));

        m.menu().openLostEdits();
        QVERIFY(!m.panel().contains(QStringLiteral("lost")));
        window::LostEditsWindow* lost = m.menu().lostEditsWindow();
        QVERIFY(lost);
        auto* table = lost->findChild<QAbstractItemView*>(QStringLiteral("lstLostEdits"));
        QVERIFY(table);
        QCOMPARE(table->model()->rowCount(), 1);
        table->setCurrentIndex(table->model()->index(0, 0));
        lost->findChild<QPushButton*>(QStringLiteral("cmdUseThisOne"))->click();
        QCOMPARE(m.f.cardValue(here, "Answer").toString(), QStringLiteral("Baum"));
        m.waitUntilSent(); // brought back as an edit of this machine, sent soon
        m.laptop->sync(m.folder);
        QCOMPARE(m.laptop->scalar(QStringLiteral("SELECT Answer FROM Card")).toString(),
                 QStringLiteral("Baum"));
        QTRY_COMPARE(m.f.c().Adodc2->index(0, 2).data().toString(), QStringLiteral("Baum"));
    }

    // Gone on the other machine: the question asked ends with a note, then the lesson.
    void theQuestionAndTheLessonEndWhenTheirCardAndSetAreGone() {
        TwoMachines m({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        m.f.learn();
        const QString asked = m.question();
        QVERIFY(!asked.isEmpty());
        m.laptop->removeCard(QStringLiteral("Words"), m.laptop->cardId(asked));
        m.laptop->addCard(QStringLiteral("Words"), QStringLiteral("four"), QStringLiteral("FOUR"));
        m.laptop->sync(m.folder);
        m.syncWindow();
        QVERIFY2(m.f.dialogs.texts().join(' ').contains(
                     QStringLiteral("The card of this question was deleted on another machine")),
                 qPrintable(m.f.dialogs.texts().join('|')));
        QVERIFY(m.question() != asked && !m.question().isEmpty());
        QCOMPARE(m.f.lesson().CurRowLim, 3); // one went, "four" came
        m.f.reply(m.rightAnswer());
        QCOMPARE(m.f.logRows(), 1);

        m.f.dialogs.clear();
        m.laptop->sync(m.folder);
        m.laptop->deleteSet(QStringLiteral("Words"));
        m.laptop->sync(m.folder);
        m.syncWindow();
        QVERIFY2(m.f.dialogs.lastText().contains(QStringLiteral("deleted on another machine")),
                 qPrintable(m.f.dialogs.lastText()));
        QCOMPARE(m.f.lesson().CurRowLim, 0);
        QVERIFY(!m.f.c().Command21->isEnabled());
        QCOMPARE(m.f.c().DataCombo1->count(), 0);
    }

    // Kids mode speaks the next question in place of the one whose card went; a Demons lesson
    // drops the card and stays a Demons lesson.
    void kidsAndDemonsLessonsTakeTheChangesIn() {
        TwoMachines m({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        m.f.learn();
        for (int i = 0; i < 3; ++i)
            m.f.reply(QStringLiteral("wrong"));
        m.f.c().mnuLearnDemons->trigger();
        QVERIFY(m.f.lesson().demons);
        const int demons = m.f.lesson().CurRowLim;
        QVERIFY(demons > 1);
        const QString asked = m.question();
        m.syncWindow(); // the replies and the marks go out first
        m.laptop->sync(m.folder);
        m.laptop->removeCard(QStringLiteral("Words"), m.laptop->cardId(asked));
        m.laptop->sync(m.folder);
        m.syncWindow();
        QVERIFY(m.f.lesson().demons);
        QCOMPARE(m.f.lesson().CurRowLim, demons - 1);
        QVERIFY(m.question() != asked && !m.question().isEmpty());
        QVERIFY(m.f.c().Label10->isVisible());

        m.f.c().mnuKids->trigger();
        m.f.learn();
        QVERIFY(m.f.w->modes().kids);
        const QString spoken = m.f.speech.spoken.last();
        m.laptop->removeCard(QStringLiteral("Words"), m.laptop->cardId(spoken));
        m.laptop->sync(m.folder);
        m.syncWindow();
        QVERIFY(m.f.speech.spoken.last() != spoken);
        QCOMPARE(m.f.lesson().CurRowLim, 1);
    }

    // A problem is said once a run, not at every sync; an open Demons Manager shows a set
    // that came; Stop syncing hides the panel and syncs no more.
    void problemsAreSaidOnceAndStopSyncingStops() {
        TwoMachines m({QStringLiteral("tree")});
        const QString laptopFolder =
            QDir(syncing::syncRoot(m.folder))
                .filePath(
                    m.laptop->scalar(QStringLiteral("SELECT Id FROM SyncReplica")).toString());
        const qint64 next = syncing::readReplica(m.laptop->db()).nextSeq;
        QVERIFY(syncing::writeWhole(
                    laptopFolder, syncing::changeFileName(next),
                    syncing::encodeChanges(
                        {syncing::kChangeFormat, 999,
                         m.laptop->scalar(QStringLiteral("SELECT Id FROM SyncReplica")).toString(),
                         next},
                        {}))
                    .isEmpty());
        m.f.w->demonsManager().mnuArrangeDemons_Click();
        window::Form3* manager = m.f.w->demonsManager().managerWindow();
        QVERIFY(manager);
        const int setsBefore = manager->TDBGrid1->model()->rowCount();
        m.syncWindow();
        m.syncWindow();
        const QStringList said = m.f.dialogs.texts().filter(QStringLiteral("update Memorant"));
        QCOMPARE(said.size(), 1);

        // Files of a newer program hold back what that machine wrote after them; a set made
        // there before them still comes.
        QFile::remove(QDir(laptopFolder).filePath(syncing::changeFileName(next)));
        m.laptop->addSet(QStringLiteral("Verbs"));
        m.laptop->sync(m.folder);
        m.syncWindow();
        QCOMPARE(manager->TDBGrid1->model()->rowCount(), setsBefore + 1);

        // A folder out of reach is said by the panel alone.
        m.f.dialogs.clear();
        QVERIFY(QDir(m.folder).rename(m.folder, m.folder + QStringLiteral("-away")));
        m.syncWindow();
        QCOMPARE(m.panel(), QStringLiteral("Sync folder not reachable"));
        QVERIFY(m.f.dialogs.shown().isEmpty());
        QVERIFY(QDir(m.folder).rename(m.folder + QStringLiteral("-away"), m.folder));

        m.menu().openFolderWindow();
        m.f.dialogs.nextAnswer(true);
        m.menu().folderWindow()->findChild<QPushButton*>(QStringLiteral("cmdStopSyncing"))->click();
        QVERIFY(!m.menu().scheduler());
        QVERIFY(m.menu().panel()->isHidden());
        QVERIFY(syncing::readReplica(m.f.t.db()).folder.isEmpty());
    }

    // Replies go on while a long sync runs: the sync steps aside for each reply's write.
    void noReplyWaitsForASync() {
        TwoMachines m({QStringLiteral("tree")});
        m.laptop->addSet(QStringLiteral("Many"));
        for (int i = 0; i < 4000; ++i)
            m.laptop->addCard(QStringLiteral("Many"), QStringLiteral("q%1").arg(i),
                              QStringLiteral("a%1").arg(i));
        m.laptop->sync(m.folder);
        m.f.learn();
        m.menu().scheduler()->syncSoon();
        QVERIFY(m.menu().scheduler()->isSyncing());
        qint64 slowest = 0;
        int replies = 0;
        while (m.menu().scheduler()->isSyncing()) {
            QElapsedTimer t;
            t.start();
            m.f.reply(QStringLiteral("wrong"));
            slowest = std::max(slowest, t.elapsed());
            ++replies;
            QTest::qWait(10);
        }
        qInfo("%d replies during the sync, the slowest took %lld ms", replies,
              static_cast<long long>(slowest));
        QVERIFY(replies >= 3);
        // A reply that read before the sync wrote and wrote after it failed at once.
        for (const QString& said : m.f.dialogs.texts())
            QVERIFY2(!said.contains(QStringLiteral("locked")), qPrintable(said));
        QVERIFY2(slowest < 1000, qPrintable(QString::number(slowest)));
        QCOMPARE(m.f.logRows(), replies);
        m.waitForSync();
        QCOMPARE(m.f.count(QStringLiteral("SELECT COUNT(*) FROM Card")), 4001);
    }
};

QTEST_MAIN(TestSyncInWindow)
#include "test_sync_in_window.moc"
