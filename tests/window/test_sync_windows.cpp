// SPDX-License-Identifier: GPL-3.0-or-later
// The sync folder and lost-edits windows on real databases that sync through a real folder.
#include "Machine.h"
#include "support/ScriptedDialogs.h"
#include "sync/FolderChoice.h"
#include "sync/LostEdits.h"
#include "sync/SyncFolder.h"
#include "window/LostEditsWindow.h"
#include "window/SyncFolderWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using testing::Machine;
using testing::ScriptedDialogs;

namespace {

template <typename T> T* child(const QWidget& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no %s in %s", name, qPrintable(w.objectName()));
    return found;
}

// As the learner replaces a field's text.
void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Every file under `folder` with its size, to see that nothing there was touched.
QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files << it.filePath() + ' ' + QString::number(it.fileInfo().size());
    }
    files.sort();
    return files;
}

// A learner's desk and laptop sharing the folder "shared" in a fresh temporary folder.
struct TwoMachines {
    QTemporaryDir dir;
    QString shared = dir.filePath(QStringLiteral("shared"));
    Machine desk{dir.path(), QStringLiteral("desk")};
    Machine laptop{dir.path(), QStringLiteral("laptop")};
    ScriptedDialogs dialogs;

    TwoMachines() { QDir().mkpath(shared); }

    void settle() {
        for (int round = 0; round < 3; ++round)
            for (Machine* m : {&desk, &laptop}) {
                const syncing::SyncSummary s = m->sync(shared);
                QVERIFY2(s.error.isEmpty(), qPrintable(s.error));
            }
    }
};

// One card edited on both machines before they synced: the desk's answer lost to the
// laptop's later one, or the same with the card's answers or the set's name.
struct Conflict : TwoMachines {
    explicit Conflict(const QString& what) {
        desk.addSet(QStringLiteral("S"));
        desk.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
        settle();
        const qint64 onDesk = desk.cardId(QStringLiteral("q"));
        const qint64 onLaptop = laptop.cardId(QStringLiteral("q"));
        if (what == QLatin1String("answer")) {
            desk.editCard(onDesk, QStringLiteral("q"), QStringLiteral("from desk"));
            QTest::qWait(5);
            laptop.editCard(onLaptop, QStringLiteral("q"), QStringLiteral("from laptop"));
        } else if (what == QLatin1String("answers")) {
            desk.setAnswers(onDesk, {QStringLiteral("one"), QStringLiteral("two")});
            QTest::qWait(5);
            laptop.setAnswers(onLaptop, {QStringLiteral("three")});
        } else {
            desk.renameSet(QStringLiteral("S"), QStringLiteral("Mine"));
            QTest::qWait(5);
            laptop.renameSet(QStringLiteral("S"), QStringLiteral("Theirs"));
        }
        settle();
    }

    QString laptopAnswer() const {
        return laptop
            .scalar(QStringLiteral("SELECT Answer FROM Card WHERE Card_ID = ?"),
                    {laptop.cardId(QStringLiteral("q"))})
            .toString();
    }
};

QStringList rowTexts(const QTableWidget* list, int row) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->item(row, column)->text();
    return texts;
}

} // namespace

class TestSyncWindows : public QObject {
    Q_OBJECT
  private slots:
    void okStoresAFolderThatWillDo_data();
    void okStoresAFolderThatWillDo();
    void emptyFieldsKeepWhatIsRemembered();
    void stopSyncingForgetsTheFolderOnly_data();
    void stopSyncingForgetsTheFolderOnly();
    void machinesShowHowFarTheyHaveRead();

    void lostEditsAreListed_data();
    void lostEditsAreListed();
    void answersNotUnderstoodAreShownAsStored_data();
    void answersNotUnderstoodAreShownAsStored();
    void noLostEditSaysSo();
    void useThisOneBringsTheTextBack();
    void aRefusalIsShownAndTheEntryStays();
    void forgetRemovesTheEntryOnly();
    void enterClosesAndChangesNothing();
};

void TestSyncWindows::okStoresAFolderThatWillDo_data() {
    QTest::addColumn<QString>("typed"); // "%dir" stands for the database's own folder
    QTest::addColumn<bool>("answer");   // to the question, if one is asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("refused"); // with a warning naming the folder
    QTest::addColumn<bool>("stored");
    QTest::newRow("a folder of its own") << "%dir/shared" << true << false << false << true;
    QTest::newRow("spaces around") << "  %dir/shared  " << true << false << false << true;
    QTest::newRow("the database's folder, No") << "%dir" << false << true << false << false;
    QTest::newRow("the database's folder, Yes") << "%dir" << true << true << false << true;
    QTest::newRow("missing") << "%dir/nowhere" << true << false << true << false;
    QTest::newRow("a file") << "%dir/desk.mdb" << true << false << true << false;
    QTest::newRow("relative") << "shared" << true << false << true << false;
}

void TestSyncWindows::okStoresAFolderThatWillDo() {
    QFETCH(QString, typed);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, refused);
    QFETCH(bool, stored);
    TwoMachines m;
    typed.replace(QStringLiteral("%dir"), m.dir.path());
    const QString folder = QFileInfo(typed.trimmed()).absoluteFilePath();
    m.dialogs.nextAnswer(answer);

    window::SyncFolderWindow w(m.desk.db(), m.dialogs);
    w.show();
    // Nothing remembered yet: no folder, the host's name, no machine, nothing to stop.
    QCOMPARE(child<QLineEdit>(w, "txtSyncFolder")->text(), QString());
    QCOMPARE(child<QLineEdit>(w, "txtMachineName")->text(), QSysInfo::machineHostName());
    QCOMPARE(child<QTreeWidget>(w, "lstMachines")->topLevelItemCount(), 0);
    QVERIFY(!child<QPushButton>(w, "cmdStopSyncing")->isEnabled());

    QSignalSpy changed(&w, &window::SyncFolderWindow::folderChanged);
    typeInto(child<QLineEdit>(w, "txtSyncFolder"), typed);
    typeInto(child<QLineEdit>(w, "txtMachineName"), QStringLiteral("study"));
    QTest::mouseClick(child<QPushButton>(w, "cmdOK"), Qt::LeftButton);

    const syncing::ReplicaRow r = syncing::readReplica(m.desk.db());
    QCOMPARE(r.folder, stored ? folder : QString());
    QCOMPARE(r.name, stored ? QStringLiteral("study") : QString());
    QCOMPARE(changed.size(), stored ? 1 : 0);
    if (stored)
        QCOMPARE(changed.first().first().toString(), folder);
    QCOMPARE(w.isVisible(), !stored); // kept open to choose again

    QCOMPARE(m.dialogs.shown().size(), int(asked) + int(refused));
    if (asked) {
        const ScriptedDialogs::Shown& q = m.dialogs.shown().first();
        QCOMPARE(q.kind, ScriptedDialogs::Shown::Confirm);
        QCOMPARE(q.byDefault, present::Dialogs::Button::No);
        QCOMPARE(q.text, syncing::folderWarning(folder, m.desk.path()) +
                             QStringLiteral("\n\nUse this folder anyway?"));
    }
    if (refused) {
        QCOMPARE(m.dialogs.shown().first().kind, ScriptedDialogs::Shown::Warning);
        QVERIFY2(m.dialogs.lastText().contains(QDir::toNativeSeparators(typed.trimmed())),
                 qPrintable(m.dialogs.lastText()));
    }
}

void TestSyncWindows::emptyFieldsKeepWhatIsRemembered() {
    TwoMachines m;
    syncing::rememberFolder(m.desk.db(), m.shared, QStringLiteral("desk at home"));
    {
        window::SyncFolderWindow w(m.desk.db(), m.dialogs);
        QCOMPARE(QDir::fromNativeSeparators(child<QLineEdit>(w, "txtSyncFolder")->text()),
                 m.shared);
        QCOMPARE(child<QLineEdit>(w, "txtMachineName")->text(), QStringLiteral("desk at home"));
        QVERIFY(child<QPushButton>(w, "cmdStopSyncing")->isEnabled());
        QSignalSpy changed(&w, &window::SyncFolderWindow::folderChanged);
        typeInto(child<QLineEdit>(w, "txtSyncFolder"), QString());
        typeInto(child<QLineEdit>(w, "txtMachineName"), QStringLiteral("   "));
        QTest::mouseClick(child<QPushButton>(w, "cmdOK"), Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(changed.size(), 0); // the folder did not change
    }
    syncing::ReplicaRow r = syncing::readReplica(m.desk.db());
    QCOMPARE(r.folder, m.shared);
    QCOMPARE(r.name, QStringLiteral("desk at home"));

    // A new name alone is stored with the folder kept; Cancel stores nothing.
    for (const bool ok : {true, false}) {
        window::SyncFolderWindow w(m.desk.db(), m.dialogs);
        typeInto(child<QLineEdit>(w, "txtSyncFolder"), QString());
        typeInto(child<QLineEdit>(w, "txtMachineName"),
                 ok ? QStringLiteral("study") : QStringLiteral("cancelled"));
        QTest::mouseClick(child<QPushButton>(w, ok ? "cmdOK" : "cmdCancel"), Qt::LeftButton);
    }
    r = syncing::readReplica(m.desk.db());
    QCOMPARE(r.folder, m.shared);
    QCOMPARE(r.name, QStringLiteral("study"));
    QVERIFY(m.dialogs.shown().isEmpty());
}

void TestSyncWindows::stopSyncingForgetsTheFolderOnly_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestSyncWindows::stopSyncingForgetsTheFolderOnly() {
    QFETCH(bool, yes);
    TwoMachines m;
    m.desk.addSet(QStringLiteral("S"));
    m.desk.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
    m.settle();
    const QStringList files = filesUnder(m.shared);
    QVERIFY(!files.isEmpty());
    const QString content = m.desk.digest();

    window::SyncFolderWindow w(m.desk.db(), m.dialogs);
    w.show();
    QSignalSpy changed(&w, &window::SyncFolderWindow::folderChanged);
    auto* stop = child<QPushButton>(w, "cmdStopSyncing");
    QVERIFY(stop->isEnabled());
    m.dialogs.nextAnswer(yes);
    QTest::mouseClick(stop, Qt::LeftButton);

    QCOMPARE(m.dialogs.shown().size(), 1);
    QCOMPARE(m.dialogs.shown().first().kind, ScriptedDialogs::Shown::Confirm);
    QCOMPARE(m.dialogs.shown().first().byDefault, present::Dialogs::Button::No);
    QVERIFY(m.dialogs.lastText().startsWith(QStringLiteral("Stop syncing with this folder?")));
    QCOMPARE(syncing::readReplica(m.desk.db()).folder, yes ? QString() : m.shared);
    QCOMPARE(child<QLineEdit>(w, "txtSyncFolder")->text().isEmpty(), yes);
    QCOMPARE(stop->isEnabled(), !yes);
    QCOMPARE(changed.size(), yes ? 1 : 0);
    if (yes)
        QCOMPARE(changed.first().first().toString(), QString());
    QVERIFY(w.isVisible());
    // Nothing deleted, neither in the folder nor in the database.
    QCOMPARE(filesUnder(m.shared), files);
    QCOMPARE(m.desk.digest(), content);
}

void TestSyncWindows::machinesShowHowFarTheyHaveRead() {
    TwoMachines m;
    m.desk.addSet(QStringLiteral("S"));
    m.desk.sync(m.shared);
    m.laptop.addSet(QStringLiteral("U"));
    m.laptop.sync(m.shared);
    m.desk.addSet(QStringLiteral("T")); // written after the laptop last read
    m.desk.sync(m.shared);
    const qint64 written = syncing::machines(m.desk.db()).front().written;
    QVERIFY(written > 1);

    window::SyncFolderWindow w(m.desk.db(), m.dialogs);
    auto* list = child<QTreeWidget>(w, "lstMachines");
    QCOMPARE(list->topLevelItemCount(), 2);
    const QTreeWidgetItem* self = list->topLevelItem(0);
    const QTreeWidgetItem* laptop = list->topLevelItem(1);
    QCOMPARE(self->text(0), QStringLiteral("desk (this machine)"));
    QCOMPARE(self->text(2), QStringLiteral("-"));
    QCOMPARE(laptop->text(0), QStringLiteral("laptop"));
    QCOMPARE(laptop->text(2), QStringLiteral("%1 of %2").arg(written - 1).arg(written));
    // Times are shown as local times, not as the files give them.
    for (const QTreeWidgetItem* row : {self, laptop}) {
        QVERIFY(row->text(1) != QStringLiteral("-"));
        QVERIFY2(!QDateTime::fromString(row->text(1), Qt::ISODate).isValid(),
                 qPrintable(row->text(1)));
    }

    // Reloaded after a sync: the list follows, and what the learner typed stays.
    typeInto(child<QLineEdit>(w, "txtSyncFolder"), QStringLiteral("/somewhere/else"));
    m.laptop.sync(m.shared);
    w.reload();
    laptop = list->topLevelItem(1);
    QCOMPARE(laptop->text(2), QStringLiteral("%1 of %1").arg(written));
    QCOMPARE(child<QLineEdit>(w, "txtSyncFolder")->text(), QStringLiteral("/somewhere/else"));
    QCOMPARE(child<QLineEdit>(w, "txtMachineName")->text(), QStringLiteral("desk"));

    // A time the files do not give, or give in a form not understood, is shown as such.
    m.desk.exec(QStringLiteral("UPDATE SyncPeer SET LastChange = NULL"));
    w.reload();
    QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("-"));
    m.desk.exec(QStringLiteral("UPDATE SyncPeer SET LastChange = 'last Tuesday'"));
    w.reload();
    QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("last Tuesday"));
    QVERIFY(m.dialogs.shown().isEmpty());
}

void TestSyncWindows::lostEditsAreListed_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QStringList>("shown"); // card or set, field, lost text, kept text
    QTest::newRow("answer") << "answer" << QStringList{"q", "Answer", "from desk", "from laptop"};
    QTest::newRow("answers") << "answers" << QStringList{"q", "Answers", "one; two", "three"};
    QTest::newRow("set name") << "set name" << QStringList{"Theirs", "Set name", "Mine", "Theirs"};
}

void TestSyncWindows::lostEditsAreListed() {
    QFETCH(QString, what);
    QFETCH(QStringList, shown);
    Conflict m(what);
    window::LostEditsWindow w(m.laptop.db(), m.dialogs);
    w.show();
    auto* list = child<QTableWidget>(w, "lstLostEdits");
    QCOMPARE(list->rowCount(), 1);
    const QStringList texts = rowTexts(list, 0);
    QCOMPARE(texts.mid(0, 4), shown);
    QVERIFY2(texts[4].startsWith(QStringLiteral("desk, ")), qPrintable(texts[4]));
    QVERIFY2(texts[5].startsWith(QStringLiteral("laptop, ")), qPrintable(texts[5]));
    QVERIFY(list->item(0, 2)->toolTip().contains(shown[2].split("; ").last()));
    QVERIFY(!child<QLabel>(w, "lblNoLostEdits")->isVisible());

    auto* use = child<QPushButton>(w, "cmdUseThisOne");
    auto* forget = child<QPushButton>(w, "cmdForget");
    QVERIFY(!use->isEnabled() && !forget->isEnabled());
    list->selectRow(0);
    QVERIFY(use->isEnabled() && forget->isEnabled());
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1); // the whole row
    QVERIFY(m.dialogs.shown().isEmpty());
}

void TestSyncWindows::answersNotUnderstoodAreShownAsStored_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("no JSON") << "one, two";
    QTest::newRow("not a list") << R"({"a": "one"})";
    QTest::newRow("not all texts") << R"(["one", 2])";
}

void TestSyncWindows::answersNotUnderstoodAreShownAsStored() {
    QFETCH(QString, stored);
    Conflict m(QStringLiteral("answers"));
    m.laptop.exec(QStringLiteral("UPDATE SyncConflict SET Lost = ?"), {stored});
    window::LostEditsWindow w(m.laptop.db(), m.dialogs);
    QCOMPARE(child<QTableWidget>(w, "lstLostEdits")->item(0, 2)->text(), stored);
}

void TestSyncWindows::noLostEditSaysSo() {
    TwoMachines m;
    window::LostEditsWindow w(m.desk.db(), m.dialogs);
    w.show();
    QVERIFY(child<QLabel>(w, "lblNoLostEdits")->isVisible());
    QVERIFY(!child<QTableWidget>(w, "lstLostEdits")->isVisible());
    QVERIFY(!child<QPushButton>(w, "cmdUseThisOne")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "cmdForget")->isEnabled());
}

void TestSyncWindows::useThisOneBringsTheTextBack() {
    Conflict m(QStringLiteral("answer"));
    QCOMPARE(m.laptopAnswer(), QStringLiteral("from laptop"));
    window::LostEditsWindow w(m.laptop.db(), m.dialogs);
    w.show();
    QSignalSpy back(&w, &window::LostEditsWindow::textBroughtBack);
    auto* list = child<QTableWidget>(w, "lstLostEdits");
    list->selectRow(0);
    QTest::mouseClick(child<QPushButton>(w, "cmdUseThisOne"), Qt::LeftButton);
    QCOMPARE(m.laptopAnswer(), QStringLiteral("from desk"));
    QCOMPARE(back.size(), 1);
    QCOMPARE(list->rowCount(), 0);
    QVERIFY(syncing::lostEdits(m.laptop.db()).empty());
    QVERIFY(child<QLabel>(w, "lblNoLostEdits")->isVisible());
    QVERIFY(!child<QPushButton>(w, "cmdUseThisOne")->isEnabled());
    QVERIFY(m.dialogs.shown().isEmpty());
}

void TestSyncWindows::aRefusalIsShownAndTheEntryStays() {
    Conflict m(QStringLiteral("answer"));
    m.laptop.removeCard(QStringLiteral("S"), m.laptop.cardId(QStringLiteral("q")));
    m.settle(); // gone on the desk too
    window::LostEditsWindow w(m.desk.db(), m.dialogs);
    w.show();
    QSignalSpy back(&w, &window::LostEditsWindow::textBroughtBack);
    auto* list = child<QTableWidget>(w, "lstLostEdits");
    QCOMPARE(list->rowCount(), 1);
    QCOMPARE(list->item(0, 0)->text(), QStringLiteral("(deleted)"));
    list->selectRow(0);
    QTest::mouseClick(child<QPushButton>(w, "cmdUseThisOne"), Qt::LeftButton);
    QCOMPARE(m.dialogs.shown().size(), 1);
    QCOMPARE(m.dialogs.shown().first().kind, ScriptedDialogs::Shown::Warning);
    QCOMPARE(m.dialogs.lastText(), QStringLiteral("The card is no longer here"));
    QCOMPARE(back.size(), 0);
    QCOMPARE(list->rowCount(), 1);
    QCOMPARE(syncing::lostEdits(m.desk.db()).size(), size_t(1));
    QVERIFY(child<QPushButton>(w, "cmdUseThisOne")->isEnabled()); // still chosen
}

void TestSyncWindows::forgetRemovesTheEntryOnly() {
    Conflict m(QStringLiteral("answer"));
    window::LostEditsWindow w(m.laptop.db(), m.dialogs);
    w.show();
    QSignalSpy back(&w, &window::LostEditsWindow::textBroughtBack);
    auto* list = child<QTableWidget>(w, "lstLostEdits");
    list->selectRow(0);
    QTest::mouseClick(child<QPushButton>(w, "cmdForget"), Qt::LeftButton);
    QCOMPARE(list->rowCount(), 0);
    QVERIFY(syncing::lostEdits(m.laptop.db()).empty());
    QCOMPARE(m.laptopAnswer(), QStringLiteral("from laptop"));
    QCOMPARE(syncing::lostEdits(m.desk.db()).size(), size_t(1)); // the desk keeps its own
    QCOMPARE(back.size(), 0);
    QVERIFY(m.dialogs.shown().isEmpty());
}

void TestSyncWindows::enterClosesAndChangesNothing() {
    Conflict m(QStringLiteral("answer"));
    window::LostEditsWindow w(m.laptop.db(), m.dialogs);
    w.show();
    auto* list = child<QTableWidget>(w, "lstLostEdits");
    list->selectRow(0);
    for (QWidget* focus : {static_cast<QWidget*>(list),
                           static_cast<QWidget*>(child<QPushButton>(w, "cmdUseThisOne"))}) {
        w.show();
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(syncing::lostEdits(m.laptop.db()).size(), size_t(1));
        QCOMPARE(m.laptopAnswer(), QStringLiteral("from laptop"));
    }
}

QTEST_MAIN(TestSyncWindows)
#include "test_sync_windows.moc"
