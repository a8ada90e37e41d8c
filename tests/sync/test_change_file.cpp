// SPDX-License-Identifier: GPL-3.0-or-later
// Change files, snapshots and the folder they sit in: any text survives the trip, a file that
// is cut, changed or from a newer program is known as such, and a sync tool's own files are
// never taken for changes.
#include "sync/ChangeFile.h"
#include "sync/Snapshot.h"
#include "sync/SyncFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace syncing;

Q_DECLARE_METATYPE(syncing::ReadStatus)

namespace {

const QString kReplica = QStringLiteral("0123456789abcdef0123456789abcdef");

QByteArray sample() {
    return encodeChanges({kChangeFormat, 12, kReplica, 3},
                         {{{QStringLiteral("S"), QStringLiteral("a\tb\nc\\d\re"), QString(),
                            QStringLiteral(""), QStringLiteral("Ünï €")}},
                          {{QStringLiteral("U"), kReplica}}});
}

SnapshotManifest sampleManifest() {
    SnapshotManifest m;
    m.schema = 12;
    m.replica = kReplica;
    m.upTo = 100;
    m.parts.push_back(describePart(snapshotPartName(100, 1), sample()));
    m.parts.push_back(describePart(snapshotPartName(100, 2), QByteArray("x")));
    return m;
}

} // namespace

class TestChangeFile : public QObject {
    Q_OBJECT

  private slots:
    void anyTextComesBackAsItWas() {
        const ReadChanges read = decodeChanges(sample(), 12);
        QCOMPARE(read.status, ReadStatus::Ok);
        QCOMPARE(read.header.replica, kReplica);
        QCOMPARE(read.header.seq, 3);
        QCOMPARE(read.events.size(), size_t(2));
        const QStringList& f = read.events[0].fields;
        QCOMPARE(f[1], QStringLiteral("a\tb\nc\\d\re"));
        QVERIFY(f[2].isNull());
        QVERIFY(!f[3].isNull() && f[3].isEmpty());
        QCOMPARE(f[4], QStringLiteral("Ünï €"));
        // A file of no changes is a file all the same.
        QCOMPARE(decodeChanges(encodeChanges({kChangeFormat, 12, kReplica, 1}, {}), 12).status,
                 ReadStatus::Ok);
    }

    void damagedFilesAreKnown_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ReadStatus>("status");
        const QByteArray whole = sample();
        for (int keep :
             {0, 5, 20, int(whole.size() / 2), int(whole.size() - 30), int(whole.size() - 1)})
            QTest::addRow("cut to %d bytes", keep)
                << whole.left(keep) << (keep == 0 ? ReadStatus::Cut : ReadStatus::Cut);
        QByteArray changed = whole;
        changed[changed.indexOf("Ün")] = 'X';
        QTest::newRow("one byte changed") << changed << ReadStatus::BadChecksum;
        QByteArray longer = whole;
        longer.insert(longer.indexOf("\nend ") + 1, "U\t" + kReplica.toLatin1() + "\n");
        QTest::newRow("a line added") << longer << ReadStatus::BadChecksum;
        QTest::newRow("newer schema")
            << encodeChanges({kChangeFormat, 13, kReplica, 1}, {}) << ReadStatus::NewerSchema;
        QTest::newRow("newer format")
            << encodeChanges({kChangeFormat + 1, 12, kReplica, 1}, {}) << ReadStatus::NewerFormat;
        QTest::newRow("not a change file")
            << QByteArray("PK\x03\x04 zip\n") << ReadStatus::Malformed;
        QTest::newRow("no sequence")
            << QByteArray("memorant-changes 1 12 x 0\nend 0 0\n") << ReadStatus::Malformed;
        // A checksum that holds over a bad escape is still refused.
        const QByteArray body = "memorant-changes 1 12 " + kReplica.toLatin1() + " 1\nS\ta\\qb\n";
        QTest::newRow("bad escape")
            << body + "end " + QByteArray::number(body.size()) + ' ' +
                   QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + '\n'
            << ReadStatus::Malformed;
    }
    void damagedFilesAreKnown() {
        QFETCH(QByteArray, bytes);
        QFETCH(ReadStatus, status);
        const ReadChanges read = decodeChanges(bytes, 12);
        QCOMPARE(read.status, status);
        QVERIFY(read.events.empty());
    }

    void syncToolFilesAreNotChanges_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("transient");
        QTest::addColumn<qint64>("seq");
        QTest::newRow("change") << "0000000042.chg" << false << qint64(42);
        QTest::newRow("syncthing temp") << ".syncthing.0000000042.chg.tmp" << true << qint64(-1);
        QTest::newRow("syncthing new") << "~syncthing~0000000042.chg.tmp" << true << qint64(-1);
        QTest::newRow("conflict copy")
            << "0000000042.sync-conflict-20261207-101010-ABCDEF.chg" << true << qint64(-1);
        QTest::newRow("partial download") << "0000000042.chg.part" << true << qint64(-1);
        QTest::newRow("our own temp") << ".0000000042.chg.tmp" << true << qint64(-1);
        QTest::newRow("office lock") << "~0000000042.chg" << true << qint64(-1);
        QTest::newRow("short number") << "42.chg" << false << qint64(-1);
        QTest::newRow("zero") << "0000000000.chg" << false << qint64(-1);
        QTest::newRow("state") << "state" << false << qint64(-1);
        QTest::newRow("snapshot manifest") << "snapshot" << false << qint64(-1);
        QTest::newRow("snapshot part") << "snapshot-0000000100-0001.chz" << false << qint64(-1);
    }
    void syncToolFilesAreNotChanges() {
        QFETCH(QString, name);
        QFETCH(bool, transient);
        QFETCH(qint64, seq);
        QCOMPARE(isTransientName(name), transient);
        QCOMPARE(seqOfChangeFile(name).value_or(-1), transient ? -1 : seq);
    }

    void filesAreWrittenWholeUnderTheirName() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("a/b"));
        QVERIFY(writeWhole(folder, changeFileName(7), sample()).isEmpty());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("0000000007.chg")});
        QFile f(QDir(folder).filePath(changeFileName(7)));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), sample());
    }

    void stateComesBack() {
        ReplicaState s;
        s.replica = kReplica;
        s.name = QStringLiteral("laptop\tof Ünï");
        s.schema = 12;
        s.changedAt = QStringLiteral("2026-12-07T10:00:00Z");
        s.read.insert(QStringLiteral("ffffffffffffffffffffffffffffffff"), 17);
        const std::optional<ReplicaState> back = decodeState(encodeState(s));
        QVERIFY(back);
        QCOMPARE(back->name, s.name);
        QCOMPARE(back->read, s.read);
        QVERIFY(!decodeState(QByteArray("replica x\n")));
    }

    void snapshotManifestComesBack() {
        const std::optional<SnapshotManifest> back =
            decodeManifest(encodeManifest(sampleManifest()));
        QVERIFY(back);
        QCOMPARE(back->replica, kReplica);
        QCOMPARE(back->upTo, 100);
        QCOMPARE(back->parts.size(), size_t(2));
        QCOMPARE(back->parts[0].name, QStringLiteral("snapshot-0000000100-0001.chz"));
        QVERIFY(partMatches(back->parts[0], sample()));
        QVERIFY(!partMatches(back->parts[0], sample().left(sample().size() - 1)));
        QVERIFY(!partMatches(back->parts[1], QByteArray("y")));
        QVERIFY(isSnapshotPartName(back->parts[1].name));
        QVERIFY(!isSnapshotPartName(QStringLiteral("snapshot-100-1.chz")));
        QVERIFY(!isSnapshotPartName(QStringLiteral("../0000000001.chg")));
    }

    void damagedManifestsAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray whole = encodeManifest(sampleManifest());
        for (int keep : {0, 10, int(whole.size() / 2), int(whole.size() - 1)})
            QTest::addRow("cut to %d bytes", keep) << whole.left(keep);
        QByteArray changed = whole;
        changed.replace("0000000100-0002", "0000000100-0003");
        QTest::newRow("a part renamed") << changed;
        // Lines that do not fit, under a closing line that holds.
        const auto closed = [](const QByteArray& body) {
            return body + "end " + QByteArray::number(body.size()) + ' ' +
                   QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + '\n';
        };
        const QByteArray head = "memorant-snapshot 1 12 " + kReplica.toLatin1() + " 100\n";
        QTest::newRow("no coverage")
            << closed("memorant-snapshot 1 12 " + kReplica.toLatin1() + " 0\n");
        QTest::newRow("a path for a part")
            << closed(head + "part ../0000000001.chg 1 " + QByteArray(64, 'a') + "\n");
        QTest::newRow("a short checksum")
            << closed(head + "part snapshot-0000000100-0001.chz 1 abc\n");
        QTest::newRow("an unknown line") << closed(head + "parts 1\n");
        QTest::newRow("a change file") << sample();
    }
    void damagedManifestsAreRefused() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!decodeManifest(bytes));
    }

    void snapshotPartsComeBackOrAreRefused() {
        const std::vector<ChangeEvent> events(500, ChangeEvent{{QStringLiteral("U"), kReplica}});
        const QByteArray part = encodeSnapshotPart({kChangeFormat, 12, kReplica, 2}, events);
        QVERIFY(part.size() < 2000); // 500 lines alike pack small
        const ReadChanges read = decodeSnapshotPart(part, 12);
        QCOMPARE(read.status, ReadStatus::Ok);
        QCOMPARE(read.header.seq, 2);
        QCOMPARE(read.events.size(), size_t(500));
        QCOMPARE(decodeSnapshotPart(part, 11).status, ReadStatus::NewerSchema);
        // A length in front that asks for more than a part may hold is not unpacked at all.
        QByteArray huge = part;
        huge[0] = char(0x7f);
        QCOMPARE(decodeSnapshotPart(huge, 12).status, ReadStatus::Malformed);
        QCOMPARE(decodeSnapshotPart(part.left(3), 12).status, ReadStatus::Malformed);
        QCOMPARE(decodeSnapshotPart(part.left(part.size() / 2), 12).status, ReadStatus::Malformed);
        QCOMPARE(decodeSnapshotPart(sample(), 12).status, ReadStatus::Malformed);
    }
};

QTEST_GUILESS_MAIN(TestChangeFile)
#include "test_change_file.moc"
