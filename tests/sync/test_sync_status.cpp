// SPDX-License-Identifier: GPL-3.0-or-later
// What the status bar says of sync, and how far the other machines have read this one.
#include "Machine.h"
#include "sync/FolderChoice.h"
#include "sync/SyncStatus.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using syncing::MachineStatus;
using testing::Machine;

namespace {

MachineStatus self(qint64 written) {
    MachineStatus m;
    m.name = QStringLiteral("desk");
    m.self = true;
    m.written = written;
    return m;
}

MachineStatus other(const QString& name, const QString& lastChange, qint64 readOfThis) {
    MachineStatus m;
    m.name = name;
    m.lastChange = lastChange;
    m.readOfThis = readOfThis;
    return m;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<MachineStatus>)

class TestSyncStatus : public QObject {
    Q_OBJECT

  private slots:
    void text_data() {
        QTest::addColumn<std::vector<MachineStatus>>("machines");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("text");
        const QString early = QStringLiteral("2026-12-01T10:00:00Z");
        const QString late = QStringLiteral("2026-12-02T10:00:00Z");
        QTest::newRow("not reachable") << std::vector{self(3), other("laptop", late, 3)} << false
                                       << "Sync folder not reachable";
        QTest::newRow("alone") << std::vector{self(3)} << true << "Waiting for another machine";
        QTest::newRow("one behind")
            << std::vector{self(5), other("laptop", late, 5), other("tablet", early, 4)} << true
            << "Waiting for tablet";
        QTest::newRow("all read") << std::vector{self(5), other("laptop", early, 5),
                                                 other("tablet", late, 5)}
                                  << true << "Synced with tablet 12 min ago";
        QTest::newRow("nothing written yet") << std::vector{self(0), other("laptop", late, 0)}
                                             << true << "Synced with laptop 12 min ago";
    }
    void text() {
        QFETCH(std::vector<MachineStatus>, machines);
        QFETCH(bool, reachable);
        QFETCH(QString, text);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QCOMPARE(syncing::syncStatusText(machines, reachable, now.addSecs(-12 * 60 - 30), now),
                 text);
    }

    void howFarTheOtherHasReadThisOne() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(folder));
        Machine a(dir.path(), QStringLiteral("desk"));
        Machine b(dir.path(), QStringLiteral("laptop"));
        a.addSet(QStringLiteral("S"));
        a.sync(folder);
        b.sync(folder);
        a.addSet(QStringLiteral("T"));
        a.sync(folder);
        std::vector<MachineStatus> seen = syncing::machines(a.db());
        QCOMPARE(seen.size(), size_t(2));
        QCOMPARE(seen[1].name, QStringLiteral("laptop"));
        QCOMPARE(seen[1].readOfThis, seen[0].written - 1);
        QCOMPARE(syncing::syncStatusText(seen, true, {}, {}), QStringLiteral("Waiting for laptop"));
        b.sync(folder);
        seen = syncing::machines(a.db());
        QCOMPARE(seen[1].readOfThis, seen[0].written);
    }

    // The database's own folder (under any name of it) and the backups are warned of; a
    // folder beside them, or one whose name merely starts like theirs, is not.
    void foldersToWarnOf_data() {
        QTest::addColumn<QString>("chosen"); // relative to the database's folder
        QTest::addColumn<bool>("warned");
        QTest::newRow("own folder") << "." << true;
        QTest::newRow("own folder, other spelling") << "sub/.." << true;
        QTest::newRow("through a link") << "link" << true;
        QTest::newRow("backups") << "backups" << true;
        QTest::newRow("inside the backups") << "backups/x" << true;
        QTest::newRow("beside the backups") << "backups-sync" << false;
        QTest::newRow("a folder of its own") << "sub" << false;
    }
    void foldersToWarnOf() {
        QFETCH(QString, chosen);
        QFETCH(bool, warned);
        QTemporaryDir dir;
        const QDir home(dir.path());
        QVERIFY(home.mkpath(QStringLiteral("sub")) && home.mkpath(QStringLiteral("backups/x")) &&
                home.mkpath(QStringLiteral("backups-sync")));
        QVERIFY(QFile::link(dir.path(), home.filePath(QStringLiteral("link"))));
        const QString db = home.filePath(QStringLiteral("cards.mdb"));
        QCOMPARE(!syncing::folderWarning(home.filePath(chosen), db).isEmpty(), warned);
    }

    void theFolderAndNameAreRememberedAsTheCommandDoes() {
        QTemporaryDir dir;
        Machine a(dir.path(), QStringLiteral("desk"));
        syncing::rememberFolder(a.db(), dir.filePath(QStringLiteral("shared")),
                                QStringLiteral(" study "));
        syncing::ReplicaRow r = syncing::readReplica(a.db());
        QCOMPARE(r.folder, dir.filePath(QStringLiteral("shared")));
        QCOMPARE(r.name, QStringLiteral("study"));
        syncing::rememberFolder(a.db(), dir.filePath(QStringLiteral("other")), QString());
        r = syncing::readReplica(a.db());
        QCOMPARE(r.name, QStringLiteral("study"));
        QCOMPARE(r.folder, dir.filePath(QStringLiteral("other")));
    }
};

QTEST_GUILESS_MAIN(TestSyncStatus)
#include "test_sync_status.moc"
