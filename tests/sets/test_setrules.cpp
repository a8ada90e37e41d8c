// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/rules/SetRules.h"
#include "sets/rules/StoredText.h"

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
    void storableText_data();
    void storableText();
    void cappedSetName_data();
    void cappedSetName();
};

void TestSetRules::storableText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    const QChar nul(0);
    QTest::newRow("plain, tab and blanks kept") << " a\tb "
                                                << " a\tb ";
    QTest::newRow("NUL and other controls dropped")
        << QString("a") + nul + "b" + QChar(1) + "c" + QChar(0x1b) + QChar(0x7f)
        << QString("abc") + QChar(0x7f);
    QTest::newRow("each line break one blank") << "a\r\nb\rc\nd\n\n"
                                               << "a b c d  ";
    QTest::newRow("separators and marks kept")
        << QString::fromUtf16(u"\uFEFFa\u2028b\u0085c\u00A0")
        << QString::fromUtf16(u"\uFEFFa\u2028b\u0085c\u00A0");
    QTest::newRow("pairs kept, lone halves replaced")
        << QString::fromUtf16(u"\U0001F600") + QChar(0xD800) + "x" + QChar(0xDC00)
        << QString::fromUtf16(u"\U0001F600\uFFFDx\uFFFD");
    QTest::newRow("non-characters replaced")
        << QString(QChar(0xFFFE)) + QChar(0xFFFF) << QString::fromUtf16(u"\uFFFD\uFFFD");
}

void TestSetRules::storableText() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    bool changed = false;
    QCOMPARE(sets::storableText(text, &changed), stored);
    QCOMPARE(changed, text != stored);
    QCOMPARE(sets::storableText(stored), stored); // nothing left to clean
}

void TestSetRules::cappedSetName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("capped");
    const QString a254(254, QLatin1Char('a'));
    const QString smile = QString::fromUtf16(u"\U0001F600");
    const QString accented = QString::fromUtf16(u"e\u0301");
    QTest::newRow("short") << "Verbs"
                           << "Verbs";
    QTest::newRow("exactly 255") << QString(255, 'x') << QString(255, 'x');
    QTest::newRow("a million and one") << QString(1000001, 'x') << QString(255, 'x');
    QTest::newRow("a pair is one character")
        << QString(127, 'a') + smile.repeated(130) << QString(127, 'a') + smile.repeated(128);
    QTest::newRow("a pair across the end stays whole or goes")
        << a254 + smile + "b" << a254 + smile;
    QTest::newRow("a mark stays with its letter") << a254 + accented + "b" << a254;
    QTest::newRow("a letter under too many marks")
        << "e" + QString(300, QChar(0x0301)) << "e" + QString(254, QChar(0x0301));
}

void TestSetRules::cappedSetName() {
    QFETCH(QString, name);
    QFETCH(QString, capped);
    QCOMPARE(sets::cappedSetName(name), capped);
}

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
