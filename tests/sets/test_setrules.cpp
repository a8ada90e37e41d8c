// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/SetRules.h"

#include <QtTest>

class TestSetRules : public QObject {
    Q_OBJECT
  private slots:
    void multiMark_data();
    void multiMark();
    void nameTaken_data();
    void nameTaken();
    void rowOfCardId_data();
    void rowOfCardId();
};

void TestSetRules::multiMark_data() {
    QTest::addColumn<QVariant>("answer");
    QTest::addColumn<bool>("multi");
    QTest::newRow("mark") << QVariant(QStringLiteral("Multi")) << true;
    QTest::newRow("other case") << QVariant(QStringLiteral("multi")) << false;
    QTest::newRow("blank after") << QVariant(QStringLiteral("Multi ")) << false;
    QTest::newRow("null") << QVariant() << false;
    QTest::newRow("plain") << QVariant(QStringLiteral("cat")) << false;
}

void TestSetRules::multiMark() {
    QFETCH(QVariant, answer);
    QFETCH(bool, multi);
    QCOMPARE(sets::isMultiAnswer(answer), multi);
}

void TestSetRules::nameTaken_data() {
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<bool>("taken");
    const QStringList names{QStringLiteral("Verbs"), QStringLiteral("Глаголы"),
                            QStringLiteral("λόγος")};
    QTest::newRow("same") << names << QStringLiteral("Verbs") << true;
    QTest::newRow("lower") << names << QStringLiteral("verbs") << true;
    QTest::newRow("cyrillic lower") << names << QStringLiteral("глаголы") << true;
    QTest::newRow("greek upper") << names << QStringLiteral("ΛΌΓΟΣ") << true;
    QTest::newRow("trailing blank") << names << QStringLiteral("Verbs ") << false;
    QTest::newRow("new") << names << QStringLiteral("Nouns") << false;
    QTest::newRow("no sets") << QStringList{} << QStringLiteral("Verbs") << false;
}

void TestSetRules::nameTaken() {
    QFETCH(QStringList, existing);
    QFETCH(QString, candidate);
    QFETCH(bool, taken);
    QCOMPARE(sets::setNameTaken(existing, candidate), taken);
}

void TestSetRules::rowOfCardId_data() {
    QTest::addColumn<QVariantList>("ids");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<int>("row");
    const QVariantList ids{QVariant(3), QVariant(10), QVariant(qint64(7))};
    QTest::newRow("first") << ids << QStringLiteral("3") << 0;
    QTest::newRow("as text") << ids << QStringLiteral("7") << 2;
    QTest::newRow("missing") << ids << QStringLiteral("99") << -1;
    QTest::newRow("no prefix match") << ids << QStringLiteral("1") << -1;
    QTest::newRow("empty grid") << QVariantList{} << QStringLiteral("3") << -1;
}

void TestSetRules::rowOfCardId() {
    QFETCH(QVariantList, ids);
    QFETCH(QString, wanted);
    QFETCH(int, row);
    QCOMPARE(sets::rowOfCardId(ids, wanted), row);
}

QTEST_GUILESS_MAIN(TestSetRules)
#include "test_setrules.moc"
