// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "data/RecordsetModel.h"
#include "support/WindowFixture.h"

#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void loadFlagCycle();
    void startsInAcademicSilentOnSetEditing();
    void commandLine_data();
    void commandLine();
};

void TestStartup::loadFlagCycle() {
    testing::TempDatabase t(true);
    QCOMPARE(t.scalar("SELECT Load FROM Fields").toInt(), 1); // as after a normal close
    testing::ScriptedDialogs dialogs;
    testing::RecordingSpeech speech;
    for (int run = 0; run < 2; ++run) {
        window::Form1 w(t.db(), dialogs, speech);
        // The card grid is read once, by the first screen, not before it as well.
        QVERIFY(!w.controls().Adodc2->recordset().isLoaded());
        w.Form_Load();
        QCOMPARE(w.controls().Adodc2->source(), QStringLiteral("qSelectedSet"));
        QCOMPARE(t.scalar("SELECT Load FROM Fields").toInt(), 0);
        QVERIFY(w.startupComplete());
        w.close();
        QCOMPARE(t.scalar("SELECT Load FROM Fields").toInt(), 1);
    }
    QVERIFY(dialogs.shown().isEmpty());
}

void TestStartup::startsInAcademicSilentOnSetEditing() {
    testing::WindowFixture f(true);
    f.start();
    QVERIFY(!f.w->modes().kids && f.w->modes().Silent && f.w->screens().setEditing);
    QVERIFY(f.w->recordsets().isLoaded() && f.speech.spoken.isEmpty());
    QVERIFY(f.c().TDBGrid1->isHidden() && !f.c().StatusBar1->isVisible());
    QVERIFY(f.c().mnuExport->isEnabled() && f.c().mnuImport->isEnabled());
}

void TestStartup::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("error");
    QTest::addColumn<QString>("language");
    QTest::newRow("default") << QStringList{} << "VIze.mdb" << false << "";
    QTest::newRow("--db PATH") << QStringList{"--db", "/tmp/x.mdb"} << "/tmp/x.mdb" << false << "";
    QTest::newRow("--db=PATH") << QStringList{"--db=/tmp/y.mdb"} << "/tmp/y.mdb" << false << "";
    QTest::newRow("--db without path") << QStringList{"--db"} << "VIze.mdb" << true << "";
    QTest::newRow("unknown") << QStringList{"--frobnicate"} << "VIze.mdb" << true << "";
    QTest::newRow("--lang CODE, then --db")
        << QStringList{"--lang", "de", "--db", "/tmp/x.mdb"} << "/tmp/x.mdb" << false << "de";
    QTest::newRow("--lang=CODE before a command")
        << QStringList{"--lang=es", "check"} << "VIze.mdb" << false << "es";
    // The command's own words are its own, even one that looks like the option.
    QTest::newRow("--lang after the command")
        << QStringList{"check", "--lang", "de"} << "VIze.mdb" << false << "";
    QTest::newRow("--lang without code") << QStringList{"--lang"} << "VIze.mdb" << true << "";
    QTest::newRow("--lang= empty") << QStringList{"--lang="} << "VIze.mdb" << true << "";
    QTest::newRow("--lang with an option after it")
        << QStringList{"--lang", "--help"} << "VIze.mdb" << true << "";
    QTest::newRow("--lang not offered") << QStringList{"--lang", "it"} << "VIze.mdb" << true << "";
    QTest::newRow("--lang in capitals") << QStringList{"--lang=DE"} << "VIze.mdb" << true << "";
}

void TestStartup::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(QString, path);
    QFETCH(bool, error);
    QFETCH(QString, language);
    const app::CommandLine cl = app::parseCommandLine(args);
    QCOMPARE(cl.databasePath, path);
    QCOMPARE(!cl.error.isEmpty(), error);
    QCOMPARE(cl.language, language);
    // A code that is refused is answered with the ones there are.
    if (error && args.value(0).startsWith("--lang"))
        QVERIFY2(cl.error.contains("en, de, fr, es"), qPrintable(cl.error));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
