#include "app/Form1.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"

#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void loadFlagCycle();
};

void TestStartup::loadFlagCycle() {
    testing::TempDatabase t(true);
    testing::ScriptedDialogs dialogs;
    testing::RecordingSpeech speech;
    {
        app::Form1 w(t.db(), dialogs, speech);
        w.Form_Load();
        QCOMPARE(t.scalar("SELECT Load FROM Fields").toInt(), 0);
        w.close();
    }
    QCOMPARE(t.scalar("SELECT Load FROM Fields").toInt(), 1);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
