// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Recordset.h"
#include "data/RecordsetFamily.h"
#include "data/RecordsetModel.h"
#include "data/Sql.h"
#include "support/TempDatabase.h"

#include <QSignalSpy>
#include <QtTest>

class TestRecordset : public QObject {
    Q_OBJECT
  private slots:
    void opensLazily();
    void writesThroughTableAndView();
    void addNewOnUnreadTableDoesNotReadIt();
    void misuseIsReported();
    void familyLoadsUnloadsAndSwitchesSource();
    void modelWritesAndNotifies();
};

void TestRecordset::opensLazily() {
    testing::TempDatabase t;
    data::Recordset rs(t.db(), "Set1");
    QVERIFY(rs.isOpen());
    QVERIFY(!rs.isLoaded());
    t.addSet("later");
    QCOMPARE(rs.recordCount(), 1); // read on first use, so it sees the row added after opening
    QVERIFY(rs.isLoaded());
    t.addSet("after load");
    QCOMPARE(rs.recordCount(), 1); // a snapshot until requeried
    rs.requery();
    QCOMPARE(rs.recordCount(), 2);
}

void TestRecordset::writesThroughTableAndView() {
    testing::TempDatabase t;
    const qint64 set = t.addSet("s");
    const qint64 card = t.addCard("q", "a", set);
    data::Recordset fields(t.db(), "Fields");
    fields.setValue("SetName", "s");
    fields.update();
    QCOMPARE(t.scalar("SELECT SetName FROM Fields").toString(), QStringLiteral("s"));

    t.exec("UPDATE Fields1 SET CardNum = ?", {card});
    data::Recordset rating(t.db(), "qCurCardRating");
    QVERIFY(rating.isWritable());
    rating.setValue("Rating", 0.5);
    QCOMPARE(rating.value("Rating").toDouble(), 0.5); // the pending edit reads back
    rating.setValue("Correct", 2);
    rating.update();
    QCOMPARE(t.scalar("SELECT Rating || '/' || Correct FROM Card").toString(),
             QStringLiteral("0.5/2.0"));

    // Moving saves a pending edit, as on a client-side snapshot.
    data::Recordset grid(t.db(), "qSelectedSet");
    grid.setValue("Question", "q2");
    grid.moveNext();
    QCOMPARE(t.scalar("SELECT Question FROM Card").toString(), QStringLiteral("q2"));
}

void TestRecordset::addNewOnUnreadTableDoesNotReadIt() {
    testing::TempDatabase t;
    data::Recordset log(t.db(), "Log");
    log.addNew();
    log.setValue("SetName", "s");
    log.setValue("Result", "Correct");
    log.update();
    QVERIFY(!log.isLoaded());
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Log WHERE Result = 'Correct'").toInt(), 1);

    data::Recordset sets(t.db(), "Set1");
    QCOMPARE(sets.recordCount(), 0);
    sets.addNew();
    sets.setValue("SetName", "new");
    sets.update();
    QCOMPARE(sets.recordCount(), 1);
    QCOMPARE(sets.value("SetName").toString(), QStringLiteral("new"));
    QCOMPARE(sets.value("Active").toInt(), 1); // defaults read back with the new row
}

void TestRecordset::misuseIsReported() {
    testing::TempDatabase t;
    data::Recordset closed;
    QVERIFY_THROWS_EXCEPTION(data::DbError, closed.eof());
    data::Recordset missing(t.db(), "NoSuchTable");
    QVERIFY_THROWS_EXCEPTION(data::DbError, missing.eof());
    data::Recordset sets(t.db(), "Set1");
    QVERIFY_THROWS_EXCEPTION(data::DbError, sets.value("SetName")); // no current row
    QVERIFY_THROWS_EXCEPTION(data::DbError, sets.value("NoColumn"));
    data::Recordset names(t.db(), "qCurrentSetName");
    t.addSet("x");
    names.requery();
    names.setValue("SetName", "renamed");
    QVERIFY_THROWS_EXCEPTION(data::DbError, names.update()); // read-only on purpose
    QCOMPARE(t.scalar("SELECT SetName FROM Set1").toString(), QStringLiteral("x"));
}

void TestRecordset::familyLoadsUnloadsAndSwitchesSource() {
    testing::TempDatabase t(true);
    bool kids = false;
    data::RecordsetFamily family(t.db(), kids);
    QVERIFY(!family.isLoaded());
    family.LoadAll();
    QVERIFY(family.isLoaded());
    QVERIFY(family.fields1.isOpen() && family.wrongCurrentMultiAnswers.isOpen());
    QCOMPARE(family.maxCardId().toLongLong(),
             t.scalar("SELECT MAX(Card_ID) FROM Card").toLongLong());
    family.UnloadAll();
    family.UnloadAll(); // twice in a row is harmless
    QVERIFY(!family.isLoaded());
    QVERIFY(!family.curSet.isOpen());
    QVERIFY_THROWS_EXCEPTION(data::DbError, family.curSet.eof());
    family.LoadAll();
    // The live reference reads the value at the time of reading.
    t.exec("INSERT INTO Card (Question) VALUES ('newest')");
    family.UnloadAll();
    family.LoadAll();
    QCOMPARE(family.maxCardId().toLongLong(),
             t.scalar("SELECT MAX(Card_ID) FROM Card").toLongLong());

    QCOMPARE(family.curSet.source(), QStringLiteral("qCurrentSet"));
    const int all = family.curSet.recordCount();
    family.SubSwitchToKidsSource();
    QCOMPARE(family.curSet.recordCount(), all - 1); // the multiple-answer card is left out
    family.SubSwitchToAcademicSource();
    QCOMPARE(family.curSet.source(), QStringLiteral("qCurrentSet"));
    kids = true;
    family.UnloadAll();
    family.LoadAll();
    QCOMPARE(family.curSet.source(), QStringLiteral("qCurrentSetKids"));
}

void TestRecordset::modelWritesAndNotifies() {
    testing::TempDatabase t;
    const qint64 set = t.addSet("s");
    t.addCard("q1", "a1", set);
    t.chooseSet("s");
    data::RecordsetModel model;
    model.setConnection(t.db());
    model.setSource("qSelectedSet");
    QCOMPARE(model.rowCount(), 2); // one card and the row for a new one
    QSignalSpy written(&model, &data::RecordsetModel::afterRowWrite);
    QSignalSpy added(&model, &data::RecordsetModel::afterRowAdded);
    QVERIFY(model.setData(model.index(0, 1), "q1 edited"));
    QCOMPARE(t.scalar("SELECT Question FROM Card").toString(), QStringLiteral("q1 edited"));
    QVERIFY(model.setData(model.index(1, 1), "q2"));
    QCOMPARE(added.count(), 1);
    QCOMPARE(written.count(), 2);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Set_Card_rel").toInt(), 2);
    QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("q2"));

    // A write that cannot be made is reported, not swallowed.
    QSignalSpy failed(&model, &data::RecordsetModel::writeFailed);
    t.chooseSet("gone");
    QVERIFY(!model.setData(model.index(model.rowCount() - 1, 1), "orphan"));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card WHERE Question = 'orphan'").toInt(), 0);
}

QTEST_GUILESS_MAIN(TestRecordset)
#include "test_recordset.moc"
