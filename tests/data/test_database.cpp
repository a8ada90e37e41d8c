#include "data/Database.h"
#include "data/Sql.h"
#include "support/TempDatabase.h"

#include <QtTest>

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void newDatabaseHasSampleSet();
};

void TestDatabase::newDatabaseHasSampleSet() {
    testing::TempDatabase t(true);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Set1").toInt(), 1);
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"
