// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExchangeCommands.h"
#include "data/Database.h"
#include "support/OtherProgram.h"
#include "support/WindowFixture.h"
#include "window/ExchangeMenu.h"

#include <QAction>
#include <QComboBox>
#include <QtTest>
#include <sys/stat.h>

class TestExchangeMenu : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() {
        f.reset();
        files.reset();
    }

    void exportThenImportFromTheMenu();
    void aBadFileIsRefusedWithItsName();
    void commands();
    void aNamedPipeIsNeitherReadNorReplaced();

  private:
    QString file(const QString& name) const { return files->filePath(name); }

    std::unique_ptr<QTemporaryDir> files;
    std::unique_ptr<testing::WindowFixture> f;
};

void TestExchangeMenu::init() {
    files = std::make_unique<QTemporaryDir>();
    f = std::make_unique<testing::WindowFixture>(true);
    f->start();
    f->w->exchangeMenu().setExchangePath(file("ExportBuffer.txt"));
}

void TestExchangeMenu::exportThenImportFromTheMenu() {
    f->w->controls().mnuExport->trigger();
    QCOMPARE(f->dialogs.lastText(),
             QStringLiteral("Export has been completed successfully. The file location is: %1.")
                 .arg(QDir::toNativeSeparators(file("ExportBuffer.txt"))));
    QVERIFY(QFile::exists(file("ExportBuffer.txt.multi")));

    f->w->controls().mnuImpWithLog->trigger();
    QCOMPARE(f->dialogs.lastText(), QStringLiteral("Import has been completed successfully"));
    // The set list shows the new set at once.
    QVERIFY(f->w->controls().DataCombo1->findText(QStringLiteral("Capitals of Europe1")) >= 0);
    QVERIFY(f->w->recordsets().isLoaded());

    // Without its companion the sample's multiple-answer card comes without answers: a box
    // of its own says so after the completion message.
    QVERIFY(QFile::remove(file("ExportBuffer.txt.multi")));
    f->t.exec("DELETE FROM Set1 WHERE SetName = 'Capitals of Europe1'");
    f->dialogs.clear();
    f->w->controls().mnuImpNoLog->trigger();
    QCOMPARE(f->dialogs.texts(),
             (QStringList{QStringLiteral("Import has been completed successfully"),
                          QStringLiteral("1 multiple-answer card arrived without its answers; "
                                         "replies to it are judged wrong until its answers "
                                         "are entered.")}));
}

void TestExchangeMenu::aBadFileIsRefusedWithItsName() {
    f->w->exchangeMenu().setExchangePath(QStringLiteral(MEMORANT_FIXTURES "/exchange/bad-id.txt"));
    const int sets = f->t.scalar("SELECT COUNT(*) FROM Set1").toInt();
    f->w->controls().mnuImpNoLog->trigger();
    QCOMPARE(f->dialogs.shown().last().kind, testing::ScriptedDialogs::Shown::Warning);
    QVERIFY2(f->dialogs.lastText().contains("bad-id.txt"), qPrintable(f->dialogs.lastText()));
    QCOMPARE(f->t.scalar("SELECT COUNT(*) FROM Set1").toInt(), sets);
    QVERIFY(f->w->recordsets().isLoaded());
}

void TestExchangeMenu::commands() {
    const QString exchangeFile = file("cmd.txt");
    const QString db = file("copy.mdb");
    f->w.reset();
    data::closeAllConnections(); // writes everything into the file itself
    QVERIFY(QFile::copy(f->t.path(), db));
    f.reset();
    // Refusals (misuse, a missing file, a locked one) are the same for every command; see
    // the command tests.
    QCOMPARE(cli::exportCommand({db, {exchangeFile}}), 0);
    QVERIFY(QFile::exists(exchangeFile));
    QCOMPARE(cli::importCommand({db, {QStringLiteral("--with-log"), exchangeFile}}), 0);
    QCOMPARE(testing::readIn(db, "SELECT COUNT(*) FROM Set1 WHERE SetName = 'Capitals of Europe1'"),
             1);
    data::closeAllConnections();
}

void TestExchangeMenu::aNamedPipeIsNeitherReadNorReplaced() {
    const QString pipe = file("pipe");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    f->w->exchangeMenu().setExchangePath(pipe);
    const int sets = f->t.scalar("SELECT COUNT(*) FROM Set1").toInt();
    for (QAction* entry : {f->w->controls().mnuExport, f->w->controls().mnuImpNoLog}) {
        f->dialogs.clear();
        entry->trigger(); // reading the pipe would wait for ever
        QCOMPARE(f->dialogs.shown().size(), 1);
        QVERIFY2(f->dialogs.lastText().contains("is a named pipe, not a regular file"),
                 qPrintable(f->dialogs.lastText()));
    }
    QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile() &&
            !QFile::exists(pipe + ".multi"));
    QCOMPARE(f->t.scalar("SELECT COUNT(*) FROM Set1").toInt(), sets);
}

QTEST_MAIN(TestExchangeMenu)
#include "test_exchange_menu.moc"
