// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExchangeText.h"
#include "exchange/MergePlan.h"
#include "exchange/ValueForms.h"

#include <QtTest>

using exchange::ColumnKind;
Q_DECLARE_METATYPE(ColumnKind)

class TestValueForms : public QObject {
    Q_OBJECT
  private slots:
    void format_data();
    void format();
    void parse_data();
    void parse();
    void lineEnds_data();
    void lineEnds();
    void mergePlan_data();
    void mergePlan();
};

void TestValueForms::format_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<ColumnKind>("kind");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("replaced");
    const auto N = ColumnKind::Number, D = ColumnKind::Date, Y = ColumnKind::YesNo;
    QTest::newRow("zero") << "en_US" << N << QVariant(0) << " 0 " << false;
    QTest::newRow("negative") << "en_US" << N << QVariant(-1.5) << "-1.5 " << false;
    QTest::newRow("fraction, point") << "en_US" << N << QVariant(0.25) << " 0.25 " << false;
    QTest::newRow("fraction, comma") << "de_DE" << N << QVariant(0.25) << " 0,25 " << false;
    QTest::newRow("no exponent") << "en_US" << N << QVariant(1e-7) << " 0.0000001 " << false;
    QTest::newRow("null") << "en_US" << N << QVariant() << "Null" << false;
    QTest::newRow("yes") << "en_US" << Y << QVariant(1) << "True" << false;
    QTest::newRow("no") << "en_US" << Y << QVariant(0) << "False" << false;
    QTest::newRow("date, US") << "en_US" << D << QVariant("2024-03-04") << "3/4/2024" << false;
    QTest::newRow("date, German") << "de_DE" << D << QVariant("2024-03-04") << "04.03.2024"
                                  << false;
    QTest::newRow("date with time")
        << "de_DE" << D << QVariant("2024-03-04T10:05:06") << "04.03.2024 10:05:06" << false;
    QTest::newRow("text as it is")
        << "en_US" << ColumnKind::NamedText << QVariant("  x  ") << "  x  " << false;
    QTest::newRow("line breaks") << "en_US" << ColumnKind::Text << QVariant("a\r\nb\nc\rd")
                                 << "a b c d" << true;
}

void TestValueForms::format() {
    QFETCH(QString, locale);
    QFETCH(ColumnKind, kind);
    QFETCH(QVariant, value);
    QFETCH(QString, line);
    QFETCH(bool, replaced);
    const exchange::ValueForms forms{QLocale(locale)};
    bool changed = false;
    QCOMPARE(forms.format(kind, value, &changed), line);
    QCOMPARE(changed, replaced);
}

void TestValueForms::parse_data() {
    QTest::addColumn<ColumnKind>("kind");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QVariant>("value");
    const auto I = ColumnKind::Id, N = ColumnKind::Number, D = ColumnKind::Date;
    const auto T = ColumnKind::Text, Named = ColumnKind::NamedText;
    QTest::newRow("id with blanks") << I << " 12 " << true << QVariant(12LL);
    QTest::newRow("id zero") << I << " 0 " << true << QVariant(0LL);
    QTest::newRow("id null") << I << "Null" << true << QVariant();
    QTest::newRow("id not a number") << I << "x1" << false << QVariant();
    QTest::newRow("id with a fraction") << I << "1.5" << false << QVariant();
    QTest::newRow("comma") << N << " 0,5 " << true << QVariant("0.5");
    QTest::newRow("no leading zero") << N << " .5 " << true << QVariant("0.5");
    QTest::newRow("negative, no zero") << N << "-,25 " << true << QVariant("-0.25");
    QTest::newRow("whole") << N << " 3 " << true << QVariant(3LL);
    QTest::newRow("empty number") << N << "" << true << QVariant();
    QTest::newRow("True as number") << N << "True" << true << QVariant(1);
    QTest::newRow("two points") << N << "0.5.1" << false << QVariant();
    QTest::newRow("False") << ColumnKind::YesNo << "False" << true << QVariant(0);
    QTest::newRow("yes/no garbage") << ColumnKind::YesNo << "maybe" << false << QVariant();
    QTest::newRow("Null question is a text") << Named << "Null" << true << QVariant("Null");
    QTest::newRow("text untrimmed") << Named << " a " << true << QVariant(" a ");
    QTest::newRow("Null result is null") << T << "Null" << true << QVariant();
    QTest::newRow("empty text") << T << "" << true << QVariant("");
    QTest::newRow("ISO date") << D << "2024-03-04" << true << QVariant("2024-03-04");
    QTest::newRow("local date") << D << "3/4/2024" << true << QVariant("2024-03-04");
    QTest::newRow("two-digit year") << D << "3/4/24" << true << QVariant("2024-03-04");
    QTest::newRow("local date and time")
        << D << "3/4/2024 10:05:06 AM" << true << QVariant("2024-03-04T10:05:06");
    QTest::newRow("impossible date") << D << "2024-02-31" << false << QVariant();
    QTest::newRow("not a date") << D << "soon" << false << QVariant();
}

void TestValueForms::parse() {
    QFETCH(ColumnKind, kind);
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(QVariant, value);
    const exchange::ValueForms forms{QLocale(QStringLiteral("en_US"))};
    QVariant got;
    QString why;
    QCOMPARE(forms.parse(kind, line, &got, &why), ok);
    if (ok) {
        QCOMPARE(got.isNull(), value.isNull());
        QCOMPARE(got.toString(), value.toString());
    } else {
        QVERIFY(!why.isEmpty());
    }
}

void TestValueForms::lineEnds_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF, LF") << "a\r\nb\n\nlast" << QStringList{"a", "b", "", "last"};
    QTest::newRow("empty rest after the last end") << "a\r\n\r\n" << QStringList{"a", ""};
    QTest::newRow("CR alone") << "a\rb\r\rc" << QStringList{"a", "b", "", "c"};
    QTest::newRow("CR, then CR LF") << "a\r\r\nb" << QStringList{"a", "", "b"};
}

void TestValueForms::lineEnds() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    exchange::LineCursor cursor(text);
    QStringList got;
    QStringView line;
    while (cursor.next(&line))
        got << line.toString();
    QCOMPARE(got, lines);
    QCOMPARE(cursor.number(), qint64(lines.size()));
}

void TestValueForms::mergePlan_data() {
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QStringList>("added"); // "-" for a set left out
    QTest::newRow("free name kept") << QStringList{"A"} << QStringList{"B"} << QStringList{"B"};
    QTest::newRow("taken name gets 1") << QStringList{"A"} << QStringList{"A"} << QStringList{"A1"};
    QTest::newRow("twice taken left out")
        << QStringList{"A", "A1"} << QStringList{"A"} << QStringList{"-"};
    QTest::newRow("name kept by the file counts")
        << QStringList{"A"} << QStringList{"A", "A1"} << QStringList{"-", "A1"};
    QTest::newRow("*set0 never renamed")
        << QStringList{"*set0"} << QStringList{"*set0"} << QStringList{"-"};
    QTest::newRow("*set0 in another case")
        << QStringList{"*set0"} << QStringList{"*SET0"} << QStringList{"-"};
    QTest::newRow("case, ASCII") << QStringList{"verbs"} << QStringList{"Verbs"}
                                 << QStringList{"Verbs1"};
    QTest::newRow("case, other alphabets")
        << QStringList{"ÄPFEL", "ДОМ"} << QStringList{"äpfel", "дом"}
        << QStringList{"äpfel1", "дом1"};
    QTest::newRow("two of one name in the file")
        << QStringList{} << QStringList{"B", "B"} << QStringList{"B", "B1"};
}

void TestValueForms::mergePlan() {
    QFETCH(QStringList, existing);
    QFETCH(QStringList, file);
    QFETCH(QStringList, added);
    const exchange::MergePlan plan(existing, file);
    QStringList got;
    for (const exchange::SetFate& f : plan.fates())
        got << (f.kind == exchange::SetFate::LeftOut ? QStringLiteral("-") : f.name);
    QCOMPARE(got, added);
}

QTEST_GUILESS_MAIN(TestValueForms)
#include "test_valueforms.moc"
