// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExchangeCommands.h"
#include "data/Database.h"
#include "data/DatabaseLock.h"
#include "data/Sql.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"
#include "window/ExchangeMenu.h"
#include "window/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

class TestExchangeMenu : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void exportThenImportFromTheMenu();
    void aBadFileIsRefusedWithItsName();
    void commands();
    void aNamedPipeIsNeitherReadNorReplaced();

  private:
    QString file(const QString& name) const { return files->filePath(name); }

    std::unique_ptr<QTemporaryDir> files;
    std::unique_ptr<testing::TempDatabase> t;
    testing::ScriptedDialogs dialogs;
    testing::RecordingSpeech speech;
    std::unique_ptr<app::Form1> w;
};

void TestExchangeMenu::init() {
    files = std::make_unique<QTemporaryDir>();
    t = std::make_unique<testing::TempDatabase>(true);
    dialogs.clear();
    w = std::make_unique<app::Form1>(t->db(), dialogs, speech);
    w->Form_Load();
    w->exchangeMenu().setExchangePath(file(QStringLiteral("ExportBuffer.txt")));
}

void TestExchangeMenu::cleanup() {
    w.reset();
    t.reset();
    files.reset();
}

void TestExchangeMenu::exportThenImportFromTheMenu() {
    w->controls().mnuExport->trigger();
    QCOMPARE(dialogs.lastText(),
             QStringLiteral("Export has been completed successfully. The file location is: %1.")
                 .arg(QDir::toNativeSeparators(file(QStringLiteral("ExportBuffer.txt")))));
    QVERIFY(QFile::exists(file(QStringLiteral("ExportBuffer.txt.multi"))));

    w->controls().mnuImpWithLog->trigger();
    QCOMPARE(dialogs.lastText(), QStringLiteral("Import has been completed successfully"));
    // The set list shows the new set at once.
    QVERIFY(w->controls().DataCombo1->findText(QStringLiteral("Capitals of Europe1")) >= 0);
    QVERIFY(w->recordsets().isLoaded());

    // Without its companion the sample's multiple-answer card comes without answers: a box
    // of its own says so after the completion message.
    QVERIFY(QFile::remove(file(QStringLiteral("ExportBuffer.txt.multi"))));
    t->exec(QStringLiteral("DELETE FROM Set1 WHERE SetName = 'Capitals of Europe1'"));
    dialogs.clear();
    w->controls().mnuImpNoLog->trigger();
    QCOMPARE(dialogs.texts(),
             (QStringList{QStringLiteral("Import has been completed successfully"),
                          QStringLiteral("1 multiple-answer cards arrived without their answers; "
                                         "replies to them are judged wrong until their answers "
                                         "are entered.")}));
}

void TestExchangeMenu::aBadFileIsRefusedWithItsName() {
    w->exchangeMenu().setExchangePath(QStringLiteral(MEMORANT_FIXTURES "/exchange/bad-id.txt"));
    const int sets = t->scalar(QStringLiteral("SELECT COUNT(*) FROM Set1")).toInt();
    w->controls().mnuImpNoLog->trigger();
    QCOMPARE(dialogs.shown().last().kind, testing::ScriptedDialogs::Shown::Warning);
    QVERIFY2(dialogs.lastText().contains(QStringLiteral("bad-id.txt")),
             qPrintable(dialogs.lastText()));
    QCOMPARE(t->scalar(QStringLiteral("SELECT COUNT(*) FROM Set1")).toInt(), sets);
    QVERIFY(w->recordsets().isLoaded());
}

void TestExchangeMenu::commands() {
    const QString exchangeFile = file(QStringLiteral("cmd.txt"));
    const QString db = file(QStringLiteral("copy.mdb"));
    w.reset();
    data::closeAllConnections(); // writes everything into the file itself
    QVERIFY(QFile::copy(t->path(), db));
    t.reset();
    QCOMPARE(app::exportCommand({db, {}}), 2);
    QCOMPARE(app::exportCommand({file(QStringLiteral("none.mdb")), {exchangeFile}}), 1);
    QVERIFY(!QFile::exists(file(QStringLiteral("none.mdb"))));
    QCOMPARE(app::exportCommand({db, {exchangeFile}}), 0);
    QVERIFY(QFile::exists(exchangeFile));
    {
        // A program window holds the file: the command is refused.
        data::DatabaseLock window(db);
        QVERIFY(window.acquire().isEmpty());
        QCOMPARE(app::importCommand({db, {QStringLiteral("--with-log"), exchangeFile}}), 1);
    }
    QCOMPARE(app::importCommand({db, {QStringLiteral("--with-log"), exchangeFile}}), 0);
    QCOMPARE(app::importCommand({db, {QStringLiteral("--with-log")}}), 2);
    const data::OpenOutcome opened = data::openDatabase(db, false);
    QVERIFY(opened.ok);
    QCOMPARE(data::scalar(data::mainConnection(),
                          QStringLiteral("SELECT COUNT(*) FROM Set1 WHERE SetName = ?"),
                          {QStringLiteral("Capitals of Europe1")})
                 .toInt(),
             1);
    data::closeAllConnections();
}

void TestExchangeMenu::aNamedPipeIsNeitherReadNorReplaced() {
    const QString pipe = file(QStringLiteral("pipe"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    w->exchangeMenu().setExchangePath(pipe);
    const int sets = t->scalar(QStringLiteral("SELECT COUNT(*) FROM Set1")).toInt();
    for (QAction* entry : {w->controls().mnuExport, w->controls().mnuImpNoLog}) {
        dialogs.clear();
        entry->trigger(); // reading the pipe would wait for ever
        QCOMPARE(dialogs.shown().size(), 1);
        QVERIFY2(dialogs.lastText().contains(QStringLiteral("is a named pipe, not a regular file")),
                 qPrintable(dialogs.lastText()));
    }
    QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    QVERIFY(!QFile::exists(pipe + QStringLiteral(".multi")));
    QCOMPARE(t->scalar(QStringLiteral("SELECT COUNT(*) FROM Set1")).toInt(), sets);
}

QTEST_MAIN(TestExchangeMenu)
#include "test_exchange_menu.moc"
